#include "design/VoltmeterDial.h"

#include "assets/Colors.h"
#include "model/ViewGeometry.h"

#include <cmath>

namespace VoltmeterDial {

namespace {
constexpr auto Trunc = Data::TruncatedPixel;

Stroke Line(int x1, int y1, int x2, int y2) {
    return {.Kind = StrokeKind::Line, .X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2};
}

Stroke Figure(int x, int y, const char* text) {
    return {.Kind = StrokeKind::Figure, .X1 = x, .Y1 = y, .Colour = Colors::White, .Text = text};
}
} // namespace

std::vector<Stroke> Face(int W, int H) {
    const Data::PixelPoint pivot = Data::NeedlePivot(W, H);
    const int C = pivot.X;
    // The face is white, its lower third grey, framed by four lines.
    std::vector<Stroke> strokes = {
        {.Kind = StrokeKind::Fill, .X1 = 0, .Y1 = 0, .X2 = W, .Y2 = H, .Colour = Colors::White},
        {.Kind = StrokeKind::Fill,
         .X1 = 0,
         .Y1 = (2 * H) / 3,
         .X2 = W,
         .Y2 = H,
         .Colour = Colors::Grey},
        Line(0, 0, W - 1, 0),
        Line(W - 1, 0, W - 1, H - 1),
        Line(W - 1, H - 1, 0, H - 1),
        Line(0, H - 1, 0, 0),
        Figure(C - 2, 1, "0"),
        Figure(1, 10, "-1000"),
        Figure(W - 20, 10, "1000"),
        Figure(W / 4, 2, "-500"),
        Figure((W / 4) * 3 - 10, 2, "500"),
    };
    // The scale line: the top of an ellipse wider than the dial.
    const int overhang = Trunc(0.1 * W);
    const int left = -overhang, top = Trunc(0.1 * H), right = W + overhang, bottom = H;
    strokes.push_back({.Kind = StrokeKind::Arc,
                       .X1 = left,
                       .Y1 = top,
                       .X2 = right,
                       .Y2 = bottom,
                       .X3 = right,
                       .Y3 = top,
                       .X4 = left,
                       .Y4 = top});
    strokes.push_back({.Kind = StrokeKind::Disc,
                       .X1 = C - 5,
                       .Y1 = pivot.Y - 5,
                       .X2 = C + 5,
                       .Y2 = pivot.Y + 5,
                       .Colour = Colors::Black});
    // The ticks at 0, ±500 and ±1000 V; the −1000 tick starts at 80, the 1000 tick at 82.
    const double s1 = std::sin(500.0 / 1200.0);
    const double s2 = std::sin(1000.0 / 1200.0);
    strokes.push_back(Line(C, 10, C, 15));
    strokes.push_back(Line(C - Trunc(80 * s2) + 1, 26, C - Trunc(82 * s2) - 5, 21));
    strokes.push_back(Line(C - Trunc(75 * s1) + 3, 16, C - Trunc(78 * s1) + 1, 8));
    strokes.push_back(Line(C + Trunc(75 * s1) - 3, 16, C + Trunc(78 * s1) - 1, 8));
    strokes.push_back(Line(C + Trunc(82 * s2) - 1, 26, C + Trunc(82 * s2) + 5, 21));
    return strokes;
}

} // namespace VoltmeterDial
