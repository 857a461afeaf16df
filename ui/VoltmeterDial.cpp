#include "ui/VoltmeterDial.h"

#include "assets/Colors.h"
#include "model/ViewGeometry.h"
#include "ui/layer/Fonts.h"

#include <cmath>

namespace {
// Integer part of a drawing coordinate, truncated towards zero and kept within a range where the
// conversion is always defined.
int Trunc(double v) {
    if (!(v > -1e6)) return -1000000; // also catches NaN
    if (v > 1e6) return 1000000;
    return static_cast<int>(v);
}
} // namespace

void DrawVoltmeterDial(TCanvas& canvas, double plateVoltage) {
    const int W = canvas.Bitmap().width();
    const int H = canvas.Bitmap().height();
    const Data::PixelPoint pivot = Data::NeedlePivot(W, H);
    const int C = pivot.X;
    const int Y0 = pivot.Y;
    canvas.PenColor = QColor(Colors::Black);

    canvas.BrushColor = QColor(Colors::White);
    canvas.FillRect(0, 0, W, H);
    canvas.BrushColor = QColor(Colors::Grey);
    canvas.FillRect(0, (2 * H) / 3, W, H);

    canvas.MoveTo(0, 0);
    canvas.LineTo(W - 1, 0);
    canvas.LineTo(W - 1, H - 1);
    canvas.LineTo(0, H - 1);
    canvas.LineTo(0, 0);

    canvas.BrushColor = QColor(Colors::White);
    canvas.Font = DesignFont("SmallFont", 6);
    canvas.TextOut(C - 2, 1, "0");
    canvas.TextOut(1, 10, "-1000");
    canvas.TextOut(W - 20, 10, "1000");
    canvas.TextOut(W / 4, 2, "-500");
    canvas.TextOut((W / 4) * 3 - 10, 2, "500");

    // The scale line: the top of an ellipse wider than the dial.
    const int overhang = Trunc(0.1 * W);
    const int left = -overhang, top = Trunc(0.1 * H), right = W + overhang, bottom = H;
    canvas.Arc(left, top, right, bottom, right, top, left, top);

    canvas.BrushColor = QColor(Colors::Black);
    canvas.Ellipse(C - 5, Y0 - 5, C + 5, Y0 + 5);

    const double s1 = std::sin(500.0 / 1200.0);
    const double s2 = std::sin(1000.0 / 1200.0);
    const auto tick = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    tick(C, 10, C, 15);
    tick(C - Trunc(80 * s2) + 1, 26, C - Trunc(82 * s2) - 5, 21); // −1000
    tick(C - Trunc(75 * s1) + 3, 16, C - Trunc(78 * s1) + 1, 8);  // −500
    tick(C + Trunc(75 * s1) - 3, 16, C + Trunc(78 * s1) - 1, 8);  // 500
    tick(C + Trunc(82 * s2) - 1, 26, C + Trunc(82 * s2) + 5, 21); // 1000

    const Data::PixelPoint end = Data::NeedleEnd(plateVoltage, W, H);
    canvas.MoveTo(pivot.X, pivot.Y);
    canvas.LineTo(end.X, end.Y);
}
