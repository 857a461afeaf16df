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

/// A control (or "title" for the window) and the catalogue text that captions it.
struct Caption {
    const char* Name;
    int Text;
};

/// A menu item's name in the page, its design text and the catalogue text that captions it.
struct MenuItem {
    const char* Name;
    const char* DesignText;
    int Text;
};

// The catalogue texts of each window, as the desktop applies them when the window is shown. A
// button's caption keeps its "&" mnemonic; End's button shows the End item's text without one.
constexpr Caption MainCaptions[] = {{"BitBtn1", 11}, {"BitBtn2", 12}, {"BitBtn3", 13},
                                    {"Label3", 14},  {"Label4", 15},  {"Label7", 16},
                                    {"BitBtn6", 5}};
constexpr Caption PromptCaptions[] = {
    {"title", 256}, {"Label1", 257}, {"OKBtn", 1}, {"CancelBtn", 2}};
constexpr Caption AboutCaptions[] = {{"title", 401},  {"Label1", 402}, {"Label2", 406},
                                     {"Label3", 403}, {"Label4", 404}, {"Label5", 405},
                                     {"OKBtn", 1}};
constexpr const char* AboutOrder[] = {"OKBtn"};
constexpr MenuItem MainMenu[] = {
    {"end", MainDesign::EndItemText, 5},
    {"help", MainDesign::HelpMenuText, 4},
    {"about", MainDesign::AboutItemText, 401},
    {"guide", MainDesign::DescriptionItemText, 17},
    {"language", MainDesign::LanguageItemText, 18},
};

/// One window's design: size, ground, title, controls, keyboard order and captions; the object
/// is left open for members of the window's own.
void WriteWindow(JsonWriter& json, const char* key, int width, int height, std::uint32_t colour,
                 const char* title, std::span<const ControlSpec> controls, int windowChildShift,
                 std::span<const char* const> order, std::span<const Caption> captions) {
    json.Key(key).BeginObject();
    json.Key("width").Number(width);
    json.Key("height").Number(height);
    json.Key("color").Colour(colour);
    json.Key("title").String(title);
    json.Key("fontFamily").String(CssFamily(DefaultFontFamily));
    json.Key("fontPixels").Number(FontPixels(DefaultFontPointSize));
    json.Key("controls");
    WriteControls(json, controls, windowChildShift);
    json.Key("order");
    WriteOrder(json, order);
    json.Key("captions").BeginObject();
    for (const Caption& caption : captions)
        json.Key(caption.Name).Number(caption.Text);
    json.EndObject();
}

std::string DesignsJson() {
    JsonWriter json;
    json.BeginObject();

    WriteWindow(json, "main", MainDesign::StartWidth, MainDesign::StartHeight,
                MainDesign::ClientColor, MainDesign::DesignTitle, MainDesign::Controls(),
                MainDesign::WindowChildShift, MainDesign::KeyboardOrder(), MainCaptions);
    json.Key("menu").BeginObject();
    for (const MenuItem& item : MainMenu) {
        json.Key(item.Name).BeginObject();
        json.Key("design").String(item.DesignText).Key("text").Number(item.Text);
        json.EndObject();
    }
    json.EndObject();
    json.Key("noMnemonic").BeginArray().String("BitBtn6").EndArray();
    json.EndObject();

    WriteWindow(json, "prompt", IdentityPromptDesign::ClientWidth,
                IdentityPromptDesign::ClientHeight, IdentityPromptDesign::ClientColor,
                IdentityPromptDesign::DesignTitle, IdentityPromptDesign::Controls(), 0,
                IdentityPromptDesign::KeyboardOrder(), PromptCaptions);
    json.EndObject();

    WriteWindow(json, "about", AboutDesign::ClientWidth, AboutDesign::ClientHeight,
                AboutDesign::ClientColor, "", AboutDesign::Controls(), 0, AboutOrder,
                AboutCaptions);
    json.EndObject();

    // The language dialog keeps its design texts, as the desktop's does.
    WriteWindow(json, "language", LanguageDesign::ClientWidth, LanguageDesign::ClientHeight,
                LanguageDesign::ClientColor, LanguageDesign::DesignTitle,
                LanguageDesign::Controls(), 0, LanguageDesign::KeyboardOrder(), {});
    json.Key("left").Number(LanguageDesign::DesignLeft);
    json.Key("top").Number(LanguageDesign::DesignTop);
    json.EndObject();

    json.EndObject();
    return json.Text();
}

} // namespace

extern "C" const char* tess_designs_json() {
    static const std::string json = DesignsJson();
    return json.c_str();
}
