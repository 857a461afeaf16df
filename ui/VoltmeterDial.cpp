#include "ui/VoltmeterDial.h"

#include "design/VoltmeterDial.h"
#include "model/ViewGeometry.h"
#include "ui/layer/Fonts.h"

void DrawVoltmeterDial(TCanvas& canvas, double plateVoltage) {
    const int W = canvas.Bitmap().width();
    const int H = canvas.Bitmap().height();
    canvas.PenColor = QColor(Palette::Ink);
    canvas.Font = DesignFont(VoltmeterDial::FigureFont, VoltmeterDial::FigurePoints);
    using Kind = VoltmeterDial::StrokeKind;
    for (const VoltmeterDial::Stroke& s : VoltmeterDial::Face(W, H)) {
        switch (s.Kind) {
        case Kind::Fill:
            canvas.BrushColor = QColor(s.Colour);
            canvas.FillRect(s.X1, s.Y1, s.X2, s.Y2);
            break;
        case Kind::Line:
            canvas.MoveTo(s.X1, s.Y1);
            canvas.LineTo(s.X2, s.Y2);
            break;
        case Kind::Figure:
            canvas.BrushColor = QColor(s.Colour);
            canvas.TextOut(s.X1, s.Y1, QString::fromUtf8(s.Text));
            break;
        case Kind::Arc:
            canvas.Arc(s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4);
            break;
        case Kind::Disc:
            canvas.BrushColor = QColor(s.Colour);
            canvas.Ellipse(s.X1, s.Y1, s.X2, s.Y2);
            break;
        }
    }
    const Data::PixelPoint pivot = Data::NeedlePivot(W, H);
    const Data::PixelPoint end = Data::NeedleEnd(plateVoltage, W, H);
    canvas.MoveTo(pivot.X, pivot.Y);
    canvas.LineTo(end.X, end.Y);
}
