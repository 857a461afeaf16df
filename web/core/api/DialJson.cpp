// The voltmeter's drawing as the page reads it: the same strokes the desktop paints, which the
// page draws on its canvas (the figures as text of its own) before the needle.
#include "assets/Colors.h"
#include "design/MainDesign.h"
#include "design/VoltmeterDial.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"

#include <string>

namespace {

const char* KindName(VoltmeterDial::StrokeKind kind) {
    switch (kind) {
    case VoltmeterDial::StrokeKind::Fill:
        return "fill";
    case VoltmeterDial::StrokeKind::Line:
        return "line";
    case VoltmeterDial::StrokeKind::Figure:
        return "figure";
    case VoltmeterDial::StrokeKind::Arc:
        return "arc";
    case VoltmeterDial::StrokeKind::Disc:
        return "disc";
    }
    return "unknown";
}

std::string DialJson() {
    const ControlSpec& dial = MainDesign::Control("Image2");
    JsonWriter json;
    json.BeginObject();
    json.Key("width").Number(dial.Width).Key("height").Number(dial.Height);
    json.Key("ink").Colour(Palette::Ink);
    json.Key("figurePixels").Number(DesignPixelSize(VoltmeterDial::FigurePoints));
    json.Key("strokes").BeginArray();
    for (const VoltmeterDial::Stroke& s : VoltmeterDial::Face(dial.Width, dial.Height)) {
        json.BeginObject().Key("kind").String(KindName(s.Kind));
        json.Key("points").BeginArray();
        for (const int v : {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4})
            json.Number(v);
        json.EndArray();
        json.Key("color").Colour(s.Colour).Key("text").String(s.Text);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

} // namespace

extern "C" const char* tess_dial_json() {
    static const std::string json = DialJson();
    return json.c_str();
}
