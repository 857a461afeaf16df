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
    // The teacher's settings in force, when there are any: the box grows to hold them.
    {.Name = "Label6", .Kind = K::Label,  .Left = 8, .Top = 136, .FontColor = Colors::White, .Hidden = true},
};

const ControlSpec Language[] = {
    {.Name = "Label1",    .Kind = K::Label,        .Left =   8, .Top =  8, .Text = "Please select a language ! ", .FontSize = -16, .Style = FontStyle::Bold},
    {.Name = "ComboBox1", .Kind = K::ComboBox,     .Left =  32, .Top = 40, .Width = 145, .Height = 21},
    {.Name = "BitBtn1",   .Kind = K::OkButton,     .Left = 224, .Top = 48, .Width =  75, .Height = 25, .Text = "OK"},
    {.Name = "BitBtn2",   .Kind = K::CancelButton, .Left = 224, .Top = 80, .Width =  75, .Height = 25, .Text = "Cancel"},
};
constexpr const char* LanguageOrder[] = {"ComboBox1", "BitBtn1", "BitBtn2"};

// The settings on the left and above, what they give below: the address with its QR code, the
// program folder's lines and the files to save.
const ControlSpec Teacher[] = {
    {.Name = "Label1",    .Kind = K::Label,    .Left =   8, .Top =  12, .Text = "Nyelv", .Caption = Texts::LanguageLabel},
    {.Name = "ComboBox1", .Kind = K::ComboBox, .Left = 150, .Top =   8, .Width = 140, .Height = 21},
    {.Name = "CheckBox1", .Kind = K::CheckBox, .Left =   8, .Top =  36, .Width = 444, .Height = 19, .Caption = Texts::CalculationsBox},
    {.Name = "CheckBox2", .Kind = K::CheckBox, .Left =   8, .Top =  58, .Width = 444, .Height = 19, .Caption = Texts::BrownianBox},
    {.Name = "CheckBox3", .Kind = K::CheckBox, .Left =   8, .Top =  80, .Width = 444, .Height = 19, .Caption = Texts::RealAirBox},
    {.Name = "Label2",    .Kind = K::Label,    .Left =   8, .Top = 110, .Text = "Osztálykód", .Caption = Texts::ClassCodeLabel},
    {.Name = "Edit1",     .Kind = K::Edit,     .Left = 150, .Top = 106, .Width = 200, .Height = 21},
    {.Name = "Label3",    .Kind = K::Label,    .Left =   8, .Top = 138, .Text = "Mérendő cseppek", .Caption = Texts::DropletsLabel},
    {.Name = "Edit2",     .Kind = K::Edit,     .Left = 150, .Top = 134, .Width =  49, .Height = 21, .Text = "8"},
    {.Name = "UpDown1",   .Kind = K::UpDown,   .Left = 199, .Top = 134, .Width =  16, .Height = 21, .Min = 1, .Max = 100, .Position = 8, .Associate = "Edit2"},
    {.Name = "Label4",    .Kind = K::Label,    .Left =   8, .Top = 166, .Text = "Az oldal címe", .Caption = Texts::PageAddressLabel},
    {.Name = "Edit3",     .Kind = K::Edit,     .Left = 150, .Top = 162, .Width = 302, .Height = 21},
    {.Name = "Label5",    .Kind = K::Label,    .Left =   8, .Top = 194, .Text = "Cím a beállításokkal", .Caption = Texts::AddressLabel},
    {.Name = "Edit4",     .Kind = K::Edit,     .Left = 150, .Top = 190, .Width = 302, .Height = 21, .ReadOnly = true},
    {.Name = "Button1",   .Kind = K::Button,   .Left = 150, .Top = 218, .Width = 140, .Height = 25, .Text = "Cím másolása", .Caption = Texts::CopyAddress},
    {.Name = "Image1",    .Kind = K::Picture,  .Left =   8, .Top = 252, .Width = 140, .Height = 140},
    {.Name = "Label6",    .Kind = K::Label,    .Left = 160, .Top = 252, .Text = "Sorok a Tessilar.ini fájlba", .Caption = Texts::IniLabel},
    {.Name = "Memo1",     .Kind = K::Memo,     .Left = 160, .Top = 270, .Width = 292, .Height =  90},
    {.Name = "Button2",   .Kind = K::Button,   .Left = 160, .Top = 367, .Width = 120, .Height = 25, .Text = "Oldal mentése…", .Caption = Texts::SavePage},
    {.Name = "Button3",   .Kind = K::Button,   .Left = 286, .Top = 367, .Width = 166, .Height = 25, .Text = "SCORM-csomag mentése…", .Caption = Texts::SaveScorm},
    {.Name = "Label7",    .Kind = K::Label,    .Left =   8, .Top = 406},
    {.Name = "OKBtn",     .Kind = K::OkButton, .Left = 377, .Top = 401, .Width =  75, .Height = 25, .Text = "OK", .Caption = Texts::Ok},
};
constexpr const char* TeacherOrder[] = {"ComboBox1", "CheckBox1", "CheckBox2", "CheckBox3", "Edit1",
                                        "Edit2", "UpDown1", "Edit3", "Edit4", "Button1", "Memo1",
                                        "Button2", "Button3", "OKBtn"};
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
std::span<const ControlSpec> TeacherDesign::Controls() {
    return Teacher;
}
std::span<const char* const> TeacherDesign::KeyboardOrder() {
    return TeacherOrder;
}
std::span<const ControlSpec> LanguageDesign::Controls() {
    return Language;
}
std::span<const char* const> LanguageDesign::KeyboardOrder() {
    return LanguageOrder;
}
