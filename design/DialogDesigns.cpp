#include "design/DialogDesigns.h"

#include "catalogue/TextNumbers.h"

namespace {
using K = ControlKind;
// clang-format off
const ControlSpec IdentityPrompt[] = {
    {.Name = "Label1",    .Kind = K::Label,  .Left =  50, .Top =  9, .Text = "Add meg az azonosítódat", .Caption = Texts::PromptInstruction},
    {.Name = "Password",  .Kind = K::Edit,   .Left =   8, .Top = 27, .Width = 217, .Height = 21},
    {.Name = "OKBtn",     .Kind = K::Button, .Left =  70, .Top = 59, .Width =  75, .Height = 25, .Text = "OK", .Caption = Texts::Ok},
    {.Name = "CancelBtn", .Kind = K::Button, .Left = 150, .Top = 59, .Width =  75, .Height = 25, .Text = "Cancel", .Caption = Texts::Cancel},
};
constexpr const char* IdentityPromptOrder[] = {"Password", "OKBtn", "CancelBtn"};

const ControlSpec About[] = {
    {.Name = "OKBtn",  .Kind = K::Button, .Left = 132, .Top = 144, .Width =  75, .Height =  25, .Text = "OK", .Caption = Texts::Ok},
    {.Name = "Panel1", .Kind = K::Panel,  .Left =   8, .Top =   8, .Width = 313, .Height = 121, .Color = Colors::White},
    {.Name = "Label1", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top =  4, .FontColor = Colors::Blue, .FontFamily = "Arial", .FontSize = -19, .Style = FontStyle::BoldItalic, .Caption = Texts::AboutHeading},
    {.Name = "Label3", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 32, .Caption = Texts::AboutLine2},
    {.Name = "Label4", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 48, .Caption = Texts::AboutLine3},
    {.Name = "Label5", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 72, .Caption = Texts::AboutLine4},
    {.Name = "Label2", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 96, .Caption = Texts::AboutLine5},
};

const ControlSpec Language[] = {
    {.Name = "Label1",    .Kind = K::Label,        .Left =   8, .Top =  8, .Text = "Please select a language ! ", .FontSize = -16, .Style = FontStyle::Bold},
    {.Name = "ComboBox1", .Kind = K::ComboBox,     .Left =  32, .Top = 40, .Width = 145, .Height = 21},
    {.Name = "BitBtn1",   .Kind = K::OkButton,     .Left = 224, .Top = 48, .Width =  75, .Height = 25, .Text = "OK"},
    {.Name = "BitBtn2",   .Kind = K::CancelButton, .Left = 224, .Top = 80, .Width =  75, .Height = 25, .Text = "Cancel"},
};
constexpr const char* LanguageOrder[] = {"ComboBox1", "BitBtn1", "BitBtn2"};
// clang-format on
} // namespace

std::span<const ControlSpec> IdentityPromptDesign::Controls() {
    return IdentityPrompt;
}
std::span<const char* const> IdentityPromptDesign::KeyboardOrder() {
    return IdentityPromptOrder;
}
std::span<const ControlSpec> AboutDesign::Controls() {
    return About;
}
std::span<const ControlSpec> LanguageDesign::Controls() {
    return Language;
}
std::span<const char* const> LanguageDesign::KeyboardOrder() {
    return LanguageOrder;
}
