// The voltmeter's fixed drawing, as the desktop draws its dial: the page draws these shapes and
// the needle from the core's NeedlePivot and NeedleEnd over them.
#include "model/ViewGeometry.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"

#include <cmath>
#include <string>

namespace {

constexpr int W = DialWidth;
constexpr int H = DialHeight;

int Trunc(double v) {
    return static_cast<int>(v); // every value here is a few hundred pixels at most
}

void Line(JsonWriter& json, int x1, int y1, int x2, int y2) {
    json.BeginArray().Number(x1).Number(y1).Number(x2).Number(y2).EndArray();
}

void Text(JsonWriter& json, int x, int y, const char* text) {
    json.BeginObject().Key("x").Number(x).Key("y").Number(y).Key("text").String(text).EndObject();
}

std::string DialJson() {
    const int C = W / 2;
    const Data::PixelPoint pivot = Data::NeedlePivot(W, H);
    JsonWriter json;
    json.BeginObject();
    json.Key("width").Number(W).Key("height").Number(H);
    json.Key("face").String("#ffffff").Key("lower").String("#808080").Key("ink").String("#000000");
    // The lower third is grey.
    json.Key("lowerTop").Number((2 * H) / 3);
    // A one-pixel frame (lines exclude their end point; the last returns to the start).
    json.Key("lines").BeginArray();
    Line(json, 0, 0, W - 1, 0);
    Line(json, W - 1, 0, W - 1, H - 1);
    Line(json, W - 1, H - 1, 0, H - 1);
    Line(json, 0, H - 1, 0, 0);
    const double s1 = std::sin(500.0 / 1200.0);
    const double s2 = std::sin(1000.0 / 1200.0);
    Line(json, C, 10, C, 15);
    Line(json, C - Trunc(80 * s2) + 1, 26, C - Trunc(82 * s2) - 5, 21); // -1000
    Line(json, C - Trunc(75 * s1) + 3, 16, C - Trunc(78 * s1) + 1, 8);  // -500
    Line(json, C + Trunc(75 * s1) - 3, 16, C + Trunc(78 * s1) - 1, 8);  // 500
    Line(json, C + Trunc(82 * s2) - 1, 26, C + Trunc(82 * s2) + 5, 21); // 1000
    json.EndArray();
    // The figures, 8 pixels high, each on a white box.
    json.Key("textPixels").Number(8);
    json.Key("texts").BeginArray();
    Text(json, C - 2, 1, "0");
    Text(json, 1, 10, "-1000");
    Text(json, W - 20, 10, "1000");
    Text(json, W / 4, 2, "-500");
    Text(json, (W / 4) * 3 - 10, 2, "500");
    json.EndArray();
    // The scale: the upper part of an ellipse wider than the dial, from its upper right to its
    // upper left corner's direction.
    const int overhang = Trunc(0.1 * W);
    json.Key("scale").BeginObject();
    json.Key("left").Number(-overhang).Key("top").Number(Trunc(0.1 * H));
    json.Key("right").Number(W + overhang).Key("bottom").Number(H);
    json.EndObject();
    // The hub: a black disc of 10 pixels around the pivot.
    json.Key("hub").BeginObject();
    json.Key("left").Number(pivot.X - 5).Key("top").Number(pivot.Y - 5);
    json.Key("right").Number(pivot.X + 5).Key("bottom").Number(pivot.Y + 5);
    json.EndObject();
    json.EndObject();
    return json.Text();
}

} // namespace

extern "C" const char* tess_dial_json() {
    static const std::string json = DialJson();
    return json.c_str();
}
