#include "design/MainDesign.h"

#include "assets/Colors.h"
#include "catalogue/TextNumbers.h"

#include <stdexcept>
#include <string>

namespace MainDesign {

namespace {
using K = ControlKind;
using Colors::Black;
using Colors::Blue;
using Colors::Navy;
using Colors::Silver;
using Colors::Teal;
using Colors::White;
constexpr FontStyle Bold = FontStyle::Bold;
constexpr ShapeKind Rectangle = ShapeKind::Rectangle;
constexpr ShapeKind Circle = ShapeKind::Circle;

// Tops of the window's direct children as stored (see WindowChildShift).
// clang-format off
const ControlSpec Table[] = {
    {.Name = "Image3",     .Kind = K::Picture,    .Left =   8, .Top =  13, .Width = 450, .Height = 450},
    {.Name = "ScrollBar1", .Kind = K::HScrollBar, .Left =  28, .Top = 475, .Width = 420, .Height =  12, .Min = 0, .Max = 100, .Position = 50},
    {.Name = "ScrollBar2", .Kind = K::VScrollBar, .Left = 472, .Top =  37, .Width =  12, .Height = 420, .Min = 0, .Max = 100, .Position = 50},
    {.Name = "Label1",     .Kind = K::Label,      .Left = 224, .Top = 493, .Text = " 0,200 mm", .FontColor = White, .Style = Bold},
    {.Name = "Label2",     .Kind = K::Label,      .Left = 460, .Top =  -3, .Text = " 0,200 mm", .FontColor = White, .Style = Bold},

    // Temperature column.
    {.Name = "Panel5",  .Kind = K::Panel,   .Left = 505, .Top =  13, .Width = 89, .Height = 481, .Color = Silver},
    {.Name = "Label7",  .Kind = K::Label,   .Parent = "Panel5", .Left =  8, .Top =  16, .Text = "Homérséklet", .Style = Bold, .Caption = Texts::TemperaturePanel},
    {.Name = "Edit2",   .Kind = K::Edit,    .Parent = "Panel5", .Left = 16, .Top =  32, .Width = 49, .Height =  21, .Text = "20", .Flat = true},
    {.Name = "UpDown2", .Kind = K::UpDown,  .Parent = "Panel5", .Left = 65, .Top =  32, .Width = 16, .Height =  21, .Min = 0, .Max = 100, .Position = 20, .Associate = "Edit2"},
    {.Name = "Image1",  .Kind = K::Picture, .Parent = "Panel5", .Left = 16, .Top =  64, .Width = 57, .Height = 393},
    {.Name = "Shape2",  .Kind = K::Shape,   .Parent = "Panel5", .Left = 30, .Top = 318, .Width =  5, .Height =  65, .Color = Blue, .Shape = Rectangle, .PenColor = Blue},

    // Injection.
    {.Name = "Panel1",  .Kind = K::Panel,  .Left = 601, .Top = 13, .Width = 161, .Height = 57, .Color = Silver},
    {.Name = "BitBtn1", .Kind = K::Button, .Parent = "Panel1", .Left = 24, .Top = 16, .Width = 121, .Height = 25, .Text = "Befecskendezés", .Caption = Texts::InjectButton},

    // Stopwatch.
    {.Name = "Panel3",  .Kind = K::Panel,  .Left = 602, .Top = 77, .Width = 161, .Height = 145, .Color = Silver},
    {.Name = "Label4",  .Kind = K::Label,  .Parent = "Panel3", .Left = 48, .Top =   8, .Text = "Stopperóra", .Style = Bold, .Caption = Texts::StopwatchPanel},
    {.Name = "Edit1",   .Kind = K::Edit,   .Parent = "Panel3", .Left = 32, .Top =  40, .Width = 105, .Height = 37, .Text = "00:00,0", .Color = Navy, .FontColor = White, .FontFamily = "MS Sans Serif", .FontSize = -24, .Style = Bold, .Flat = true},
    {.Name = "Label6",  .Kind = K::Label,  .Parent = "Panel3", .Left = 40, .Top =  80, .Text = "min."},
    {.Name = "Label5",  .Kind = K::Label,  .Parent = "Panel3", .Left = 80, .Top =  80, .Text = "sec."},
    {.Name = "BitBtn4", .Kind = K::Button, .Parent = "Panel3", .Left = 12, .Top = 104, .Width = 75, .Height = 25, .Text = "Start/Reset"},
    {.Name = "BitBtn5", .Kind = K::Button, .Parent = "Panel3", .Left = 92, .Top = 104, .Width = 61, .Height = 25, .Text = "Stop"},

    // Voltage supply.
    {.Name = "Panel2",  .Kind = K::Panel,   .Left = 602, .Top = 229, .Width = 161, .Height = 193, .Color = Silver},
    {.Name = "Label3",  .Kind = K::Label,   .Parent = "Panel2", .Left =  16, .Top =   8, .Text = "Feszültség", .Caption = Texts::VoltagePanel},
    {.Name = "Edit7",   .Kind = K::Edit,    .Parent = "Panel2", .Left =  72, .Top =   8, .Width =  65, .Height =  21, .Text = "0"},
    {.Name = "UpDown1", .Kind = K::UpDown,  .Parent = "Panel2", .Left = 137, .Top =   8, .Width =  16, .Height =  21, .Min = 0, .Max = 995, .Position = 0, .Increment = 2, .Associate = "Edit7"},
    {.Name = "Image2",  .Kind = K::Picture, .Parent = "Panel2", .Left =   8, .Top =  32, .Width = 145, .Height = 105},
    {.Name = "Shape1",  .Kind = K::Shape,   .Parent = "Panel2", .Left = 120, .Top = 136, .Width =  10, .Height =  10, .Color = Teal, .Shape = Circle, .PenColor = Black},
    {.Name = "BitBtn2", .Kind = K::Button,  .Parent = "Panel2", .Left =   8, .Top = 152, .Width =  89, .Height =  25, .Text = "Polaritás váltás", .Caption = Texts::ReverseButton},
    {.Name = "BitBtn3", .Kind = K::Button,  .Parent = "Panel2", .Left = 104, .Top = 152, .Width =  49, .Height =  25, .Text = "Be/Ki", .Caption = Texts::SupplyButton},

    // Exit.
    {.Name = "Panel4",  .Kind = K::Panel,       .Left = 602, .Top = 429, .Width = 161, .Height = 65, .Color = Silver},
    {.Name = "BitBtn6", .Kind = K::CloseButton, .Parent = "Panel4", .Left = 24, .Top = 16, .Width = 121, .Height = 25, .Text = "Vége, kilépés", .Caption = Texts::End, .KeylessCaption = true},

    // The real air's pressure, under the microscope beside its readout; shown only with real air.
    {.Name = "Panel6",  .Kind = K::Panel,  .Left =   8, .Top = 491, .Width = 200, .Height = 35, .Color = Silver, .Hidden = true},
    {.Name = "Label8",  .Kind = K::Label,  .Parent = "Panel6", .Left =   8, .Top = 11, .Text = "Nyomás", .Style = Bold, .Caption = Texts::PressurePanel},
    {.Name = "Edit3",   .Kind = K::Edit,   .Parent = "Panel6", .Left =  96, .Top =  7, .Width = 49, .Height = 21, .Text = "101.3", .Flat = true},
    {.Name = "UpDown3", .Kind = K::UpDown, .Parent = "Panel6", .Left = 145, .Top =  7, .Width = 16, .Height = 21, .Min = 1, .Max = 110, .Position = 101, .Associate = "Edit3"},
    {.Name = "Label9",  .Kind = K::Label,  .Parent = "Panel6", .Left = 166, .Top = 11, .Text = "kPa", .Style = Bold},
};
// clang-format on
} // namespace

std::span<const ControlSpec> Controls() {
    return Table;
}

std::span<const char* const> KeyboardOrder() {
    return TabOrder;
}

const ControlSpec& Control(std::string_view name) {
    for (const ControlSpec& spec : Table)
        if (name == spec.Name) return spec;
    throw std::logic_error("no control in the main window's design: " + std::string(name));
}

} // namespace MainDesign
