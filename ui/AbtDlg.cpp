#include "ui/AbtDlg.h"

#include "assets/Colors.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "ui/layer/Fonts.h"

#include <QFontMetrics>

namespace {
using K = ControlKind;
// clang-format off
const ControlSpec Design[] = {
    {.Name = "OKBtn",  .Kind = K::Button, .Left = 132, .Top = 144, .Width =  75, .Height =  25, .Text = "OK"},
    {.Name = "Panel1", .Kind = K::Panel,  .Left =   8, .Top =   8, .Width = 313, .Height = 121, .Color = Colors::White},
    {.Name = "Label1", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top =  4, .FontColor = Colors::Blue, .FontFamily = "Arial", .FontSize = -19, .Style = FontStyle::BoldItalic},
    {.Name = "Label3", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 32},
    {.Name = "Label4", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 48},
    {.Name = "Label5", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 72},
    {.Name = "Label2", .Kind = K::Label,  .Parent = "Panel1", .Left = 8, .Top = 96},
};
// clang-format on
} // namespace

TAboutDlg::TAboutDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("AboutDlg");
    setFont(DefaultFont());
    SetClientSize(330, 180);
    SetBackgroundColor(this, Colors::Teal);

    controls_ = BuildControls(this, Design);
    OKBtn = controls_.Bind<QPushButton>("OKBtn");
    Panel1 = controls_.Bind<TPanel>("Panel1");
    Panel1->SetSingleBorder(true);
    Panel1->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 1);
    Label1 = controls_.Bind<QLabel>("Label1");
    Label2 = controls_.Bind<QLabel>("Label2");
    Label3 = controls_.Bind<QLabel>("Label3");
    Label4 = controls_.Bind<QLabel>("Label4");
    Label5 = controls_.Bind<QLabel>("Label5");
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TAboutDlg::FormActivate() {
    const auto text = [](int n) { return QString::fromStdString(Data::GetText(n)); };
    setWindowTitle(text(401));
    SetLabelCaption(Label1, text(402));
    SetLabelCaption(Label2, text(406));
    SetLabelCaption(Label3, text(403));
    SetLabelCaption(Label4, text(404));
    SetLabelCaption(Label5, text(405));
    OKBtn->setText(text(1));
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5}) {
        // Centred by the width of its text in its own font; a text wider than the panel gets a
        // negative left and is cut at both sides.
        const int textWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
        label->move((Panel1->width() - textWidth) / 2, label->y());
    }
    if (!shownBefore_) {
        shownBefore_ = true;
        CentreOnScreen(); // later showings keep the last position
    }
}
