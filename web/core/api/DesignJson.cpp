// The window designs as the page reads them: the same tables the desktop builds its widgets from,
// with positions made final (the main window's stored shift applied) and font sizes in pixels;
// the commands with their menus, keys and bench buttons, the palette and the microscope's sizes.
#include "assets/Colors.h"
#include "design/Commands.h"
#include "design/CompactDesign.h"
#include "design/ControlSpec.h"
#include "design/DialogDesigns.h"
#include "design/MainDesign.h"
#include "model/Data.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"

#include <cmath>
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
    case ControlKind::CheckBox:
        return "checkBox";
    case ControlKind::Memo:
        return "memo";
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
        json.Key("caption").Number(c.Caption);
        json.Key("keylessCaption").Bool(c.KeylessCaption);
        json.Key("hidden").Bool(c.Hidden);
        json.Key("readOnly").Bool(c.ReadOnly);
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

constexpr const char* AboutOrder[] = {"OKBtn"};

/// One window's design: size, ground, title, controls and keyboard order; the object is left
/// open for members of the window's own.
void WriteWindow(JsonWriter& json, const char* key, int width, int height, std::uint32_t colour,
                 const char* title, int titleCaption, std::span<const ControlSpec> controls,
                 int windowChildShift, std::span<const char* const> order) {
    json.Key(key).BeginObject();
    json.Key("width").Number(width);
    json.Key("height").Number(height);
    json.Key("color").Colour(colour);
    json.Key("title").String(title);
    json.Key("titleCaption").Number(titleCaption);
    json.Key("fontFamily").String(CssFamily(DefaultFontFamily));
    json.Key("fontPixels").Number(FontPixels(DefaultFontPointSize));
    json.Key("controls");
    WriteControls(json, controls, windowChildShift);
    json.Key("order");
    WriteOrder(json, order);
}

/// The commands, the page's menus of them and its bench buttons.
void WriteCommands(JsonWriter& json) {
    json.Key("commands").BeginArray();
    for (const CommandSpec& c : MainCommands::All()) {
        json.BeginObject().Key("name").String(c.Name).Key("key").String(c.Key);
        json.Key("caption").Number(c.Caption).Key("checkable").Bool(c.Checkable).EndObject();
    }
    json.EndArray();
    json.Key("barCommand").String(MainCommands::Of(MainCommands::BarCommand).Name);
    json.Key("menus").BeginArray();
    for (const MenuSpec& menu : MainCommands::Menus()) {
        json.BeginObject().Key("id").String(menu.PageId).Key("caption").Number(menu.Caption);
        json.Key("entries").BeginArray();
        for (const MenuEntry& entry : menu.Entries) {
            if (entry.Where == Edition::Desktop) continue;
            // A separator has no command.
            json.String(entry.Id ? MainCommands::Of(*entry.Id).Name : "");
        }
        json.EndArray().EndObject();
    }
    json.EndArray();
    json.Key("bench").BeginArray();
    for (const BenchButton& button : MainCommands::BenchButtons()) {
        json.BeginObject().Key("name").String(button.Name);
        json.Key("command").String(MainCommands::Of(button.Id).Name);
        json.Key("caption").Number(button.Caption).EndObject();
    }
    json.EndArray();
}

void WritePalette(JsonWriter& json) {
    json.Key("palette").BeginObject();
    json.Key("marker").Colour(Palette::Marker).Key("followed").Colour(Palette::Followed);
    json.Key("lampOn").Colour(Palette::LampOn).Key("lampOff").Colour(Palette::LampOff);
    json.Key("bars").Colour(Palette::Bars).Key("multiples").Colour(Palette::Multiples);
    json.Key("histogramGround").Colour(Palette::HistogramGround).Key("ink").Colour(Palette::Ink);
    json.Key("plotPoints")
        .Colour(Palette::PlotPoints)
        .Key("fittedLine")
        .Colour(Palette::FittedLine);
    json.EndObject();
}

void WriteMicroscope(JsonWriter& json) {
    namespace M = MainDesign::Microscope;
    json.Key("microscope").BeginObject();
    json.Key("markerSize").Number(M::MarkerSize).Key("ringMargin").Number(M::RingMargin);
    json.Key("ringWidth").Number(M::RingWidth).Key("clickReach").Number(M::ClickReach);
    json.Key("tapReach").Number(M::TapReach);
    // Whole nanometres, as the writer takes whole numbers.
    json.Key("nanometresPerPixel").Number(std::llround(Data::PixelSize * 1e9));
    json.EndObject();
}

/// The compact layout for phones: its tabs with what stands on each, and its sizes.
void WriteCompact(JsonWriter& json) {
    namespace C = CompactDesign;
    json.Key("compact").BeginObject();
    json.Key("microscope").String(C::Microscope);
    json.Key("wideViewport").Number(C::WideViewport).Key("highViewport").Number(C::HighViewport);
    json.Key("targetSize").Number(C::TargetSize).Key("smallestText").Number(C::SmallestText);
    json.Key("barHeight").Number(C::BarHeight).Key("tabStripHeight").Number(C::TabStripHeight);
    json.Key("pageMargin").Number(C::PageMargin);
    json.Key("leastPageHeight").Number(C::LeastPageHeight);
    json.Key("roomyPageHeight").Number(C::RoomyPageHeight);
    json.Key("leastPageWidth").Number(C::LeastPageWidth);
    json.Key("roomyPageWidth").Number(C::RoomyPageWidth);
    json.Key("phoneWidth").Number(C::PhoneWidth);
    json.Key("largestScalePercent").Number(C::LargestScalePercent);
    json.Key("largestZoom").Number(C::LargestZoom);
    json.Key("tabs").BeginArray();
    for (const C::Tab& tab : C::Tabs()) {
        json.BeginObject().Key("id").String(tab.Id).Key("caption").Number(tab.Caption);
        json.Key("width").Number(tab.Width).Key("height").Number(tab.Height);
        json.Key("places").BeginArray();
        for (const C::Placement& place : tab.Places) {
            json.BeginObject().Key("name").String(place.Name);
            json.Key("left").Number(place.Left).Key("top").Number(place.Top);
            json.Key("width").Number(place.Width).Key("height").Number(place.Height).EndObject();
        }
        json.EndArray().EndObject();
    }
    json.EndArray();
    json.EndObject();
}

std::string DesignsJson() {
    JsonWriter json;
    json.BeginObject();

    WriteWindow(json, "main", MainDesign::StartWidth, MainDesign::StartHeight,
                MainDesign::ClientColor, MainDesign::DesignTitle, MainDesign::TitleCaption,
                MainDesign::Controls(), MainDesign::WindowChildShift, MainDesign::KeyboardOrder());
    WriteCommands(json);
    WritePalette(json);
    WriteMicroscope(json);
    WriteCompact(json);
    json.EndObject();

    WriteWindow(json, "prompt", IdentityPromptDesign::ClientWidth,
                IdentityPromptDesign::ClientHeight, IdentityPromptDesign::ClientColor,
                IdentityPromptDesign::DesignTitle, IdentityPromptDesign::TitleCaption,
                IdentityPromptDesign::Controls(), 0, IdentityPromptDesign::KeyboardOrder());
    json.EndObject();

    WriteWindow(json, "about", AboutDesign::ClientWidth, AboutDesign::ClientHeight,
                AboutDesign::ClientColor, "", AboutDesign::TitleCaption, AboutDesign::Controls(), 0,
                AboutOrder);
    json.EndObject();

    WriteWindow(json, "teacher", TeacherDesign::ClientWidth, TeacherDesign::ClientHeight,
                TeacherDesign::ClientColor, "", TeacherDesign::TitleCaption,
                TeacherDesign::Controls(), 0, TeacherDesign::KeyboardOrder());
    json.EndObject();

    // The language dialog keeps its design texts, as the desktop's does.
    WriteWindow(json, "language", LanguageDesign::ClientWidth, LanguageDesign::ClientHeight,
                LanguageDesign::ClientColor, LanguageDesign::DesignTitle, 0,
                LanguageDesign::Controls(), 0, LanguageDesign::KeyboardOrder());
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
