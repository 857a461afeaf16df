#include "ui/PswdDlg.h"

#include "assets/Colors.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"

#include <limits>

namespace {
using K = ControlKind;
// clang-format off
const ControlSpec Design[] = {
    {.Name = "Label1",    .Kind = K::Label,  .Left =  50, .Top =  9, .Text = "Add meg az azonosítódat"},
    {.Name = "Password",  .Kind = K::Edit,   .Left =   8, .Top = 27, .Width = 217, .Height = 21},
    {.Name = "OKBtn",     .Kind = K::Button, .Left =  70, .Top = 59, .Width =  75, .Height = 25, .Text = "OK"},
    {.Name = "CancelBtn", .Kind = K::Button, .Left = 150, .Top = 59, .Width =  75, .Height = 25, .Text = "Cancel"},
};
// clang-format on
} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("PasswordDlg");
    setFont(DefaultFont());
    setWindowTitle(QString::fromUtf8("Azonosító beadása"));
    SetClientSize(233, 93);
    SetBackgroundColor(this, Colors::MoneyGreen);

    controls_ = BuildControls(this, Design);
    Label1 = controls_.Bind<QLabel>("Label1");
    Password = controls_.Bind<QLineEdit>("Password");
    OKBtn = controls_.Bind<QPushButton>("OKBtn");
    CancelBtn = controls_.Bind<QPushButton>("CancelBtn");
    // The identifier has no length limit (the field's own default stops at 32,767).
    Password->setMaxLength(std::numeric_limits<int>::max());
    OKBtn->setDefault(true); // Enter
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetTabOrder(controls_, {"Password", "OKBtn", "CancelBtn"});
    new FocusRing(this);
    Password->setFocus();
}

void TPasswordDlg::FormActivate() {
    const auto text = [](int n) { return QString::fromStdString(Data::GetText(n)); };
    setWindowTitle(text(256));
    SetLabelCaption(Label1, text(257));
    OKBtn->setText(text(1));
    CancelBtn->setText(text(2));
    CentreOnScreen();
    Password->setFocus();
}
