// The window designs as the page reads them: the same tables the desktop builds its widgets from,
// with positions made final (the main window's stored shift applied) and font sizes in pixels.
#include "design/ControlSpec.h"
#include "design/DialogDesigns.h"
#include "design/MainDesign.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"

#include <span>
#include <string>

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::Button:
        return "button";
    case ControlKind::CloseButton:
        return "closeButton";
    case ControlKind::OkButton:
        return "okButton";
    case ControlKind::CancelButton:
        return "cancelButton";
    case ControlKind::Panel:
        return "panel";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::HScrollBar:
        return "hScrollBar";
    case ControlKind::VScrollBar:
        return "vScrollBar";
    case ControlKind::UpDown:
        return "upDown";
    case ControlKind::ComboBox:
        return "comboBox";
    }
    return "unknown";
}

/// Pixel height of a design font size: points at 96 dpi rounded as the design tools do, or
/// -size pixels.
int FontPixels(int size) {
    if (size == 0) size = DefaultFontPointSize;
    return size < 0 ? -size : (size * 96 + 36) / 72;
}

/// Font families of the page for a design family: metric-compatible free fonts first.
const char* CssFamily(const char* family) {
    const std::string name = family;
    if (name == "SmallFont" || name == "Small Fonts")
        return "'Liberation Sans', 'DejaVu Sans', Arial, sans-serif";
    return "'Liberation Sans', Arial, 'Microsoft Sans Serif', 'DejaVu Sans', sans-serif";
}

void WriteControls(JsonWriter& json, std::span<const ControlSpec> controls, int windowChildShift) {
    json.BeginArray();
    for (const ControlSpec& c : controls) {
        const bool onWindow = *c.Parent == '\0';
        json.BeginObject();
        json.Key("name").String(c.Name);
        json.Key("kind").String(KindName(c.Kind));
        json.Key("parent").String(c.Parent);
        json.Key("left").Number(c.Left);
        json.Key("top").Number(c.Top + (onWindow ? windowChildShift : 0));
        json.Key("width").Number(c.Width);
        json.Key("height").Number(c.Height);
        json.Key("text").String(c.Text);
        json.Key("color");
        c.Color ? json.Colour(*c.Color) : json.Null();
        json.Key("fontColor");
        c.FontColor ? json.Colour(*c.FontColor) : json.Null();
        json.Key("fontFamily").String(CssFamily(c.FontFamily));
        json.Key("fontPixels").Number(FontPixels(c.FontSize));
        json.Key("bold").Bool(c.Style == FontStyle::Bold || c.Style == FontStyle::BoldItalic);
        json.Key("italic").Bool(c.Style == FontStyle::Italic || c.Style == FontStyle::BoldItalic);
        json.Key("min").Number(c.Min);
        json.Key("max").Number(c.Max);
        json.Key("position").Number(c.Position);
        json.Key("increment").Number(c.Increment);
        json.Key("associate").String(c.Associate);
        json.Key("circle").Bool(c.Shape == ShapeKind::Circle);
        json.Key("penColor");
        c.PenColor ? json.Colour(*c.PenColor) : json.Null();
        json.Key("flat").Bool(c.Flat);
        json.EndObject();
    }
    json.EndArray();
}

void WriteOrder(JsonWriter& json, std::span<const char* const> names) {
    json.BeginArray();
    for (const char* name : names)
        json.String(name);
    json.EndArray();
}

void WriteWindow(JsonWriter& json, const char* key, int width, int height, std::uint32_t colour,
                 const char* title) {
    json.Key(key).BeginObject();
    json.Key("width").Number(width);
    json.Key("height").Number(height);
    json.Key("color").Colour(colour);
    json.Key("title").String(title);
    json.Key("fontFamily").String(CssFamily(DefaultFontFamily));
    json.Key("fontPixels").Number(FontPixels(DefaultFontPointSize));
}

std::string DesignsJson() {
    JsonWriter json;
    json.BeginObject();

    WriteWindow(json, "main", MainDesign::StartWidth, MainDesign::StartHeight,
                MainDesign::ClientColor, MainDesign::DesignTitle);
    json.Key("controls");
    WriteControls(json, MainDesign::Controls(), MainDesign::WindowChildShift);
    json.Key("order");
    WriteOrder(json, MainDesign::KeyboardOrder());
    // The menu: the items and the catalogue texts that caption them.
    json.Key("menu").BeginObject();
    json.Key("end").BeginObject().Key("design").String(MainDesign::EndItemText);
    json.Key("text").Number(5).EndObject();
    json.Key("help").BeginObject().Key("design").String(MainDesign::HelpMenuText);
    json.Key("text").Number(4).EndObject();
    json.Key("about").BeginObject().Key("design").String(MainDesign::AboutItemText);
    json.Key("text").Number(401).EndObject();
    json.Key("guide").BeginObject().Key("design").String(MainDesign::DescriptionItemText);
    json.Key("text").Number(17).EndObject();
    json.Key("language").BeginObject().Key("design").String(MainDesign::LanguageItemText);
    json.Key("text").Number(18).EndObject();
    json.EndObject();
    // The catalogue texts of the controls, as the desktop applies them at activation. A caption
    // of a button keeps its "&" mnemonic; End's button shows the End item's text without one.
    json.Key("captions").BeginObject();
    json.Key("BitBtn1").Number(11);
    json.Key("BitBtn2").Number(12);
    json.Key("BitBtn3").Number(13);
    json.Key("Label3").Number(14);
    json.Key("Label4").Number(15);
    json.Key("Label7").Number(16);
    json.Key("BitBtn6").Number(5);
    json.EndObject();
    json.Key("noMnemonic").BeginArray().String("BitBtn6").EndArray();
    json.EndObject();

    WriteWindow(json, "prompt", IdentityPromptDesign::ClientWidth,
                IdentityPromptDesign::ClientHeight, IdentityPromptDesign::ClientColor,
                IdentityPromptDesign::DesignTitle);
    json.Key("controls");
    WriteControls(json, IdentityPromptDesign::Controls(), 0);
    json.Key("order");
    WriteOrder(json, IdentityPromptDesign::KeyboardOrder());
    json.Key("captions").BeginObject();
    json.Key("title").Number(256);
    json.Key("Label1").Number(257);
    json.Key("OKBtn").Number(1);
    json.Key("CancelBtn").Number(2);
    json.EndObject();
    json.EndObject();

    WriteWindow(json, "about", AboutDesign::ClientWidth, AboutDesign::ClientHeight,
                AboutDesign::ClientColor, "");
    json.Key("controls");
    WriteControls(json, AboutDesign::Controls(), 0);
    json.Key("order").BeginArray().String("OKBtn").EndArray();
    json.Key("captions").BeginObject();
    json.Key("title").Number(401);
    json.Key("Label1").Number(402);
    json.Key("Label2").Number(406);
    json.Key("Label3").Number(403);
    json.Key("Label4").Number(404);
    json.Key("Label5").Number(405);
    json.Key("OKBtn").Number(1);
    json.EndObject();
    json.EndObject();

    WriteWindow(json, "language", LanguageDesign::ClientWidth, LanguageDesign::ClientHeight,
                LanguageDesign::ClientColor, LanguageDesign::DesignTitle);
    json.Key("left").Number(LanguageDesign::DesignLeft);
    json.Key("top").Number(LanguageDesign::DesignTop);
    json.Key("controls");
    WriteControls(json, LanguageDesign::Controls(), 0);
    json.Key("order");
    WriteOrder(json, LanguageDesign::KeyboardOrder());
    json.Key("captions").BeginObject().EndObject();
    json.EndObject();

    json.EndObject();
    return json.Text();
}

} // namespace

extern "C" const char* tess_designs_json() {
    static const std::string json = DesignsJson();
    return json.c_str();
}
