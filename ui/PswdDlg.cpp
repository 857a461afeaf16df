#include "PswdDlg.h"

#include "Colors.h"
#include "Data.h"
#include "Fonts.h"

#include <limits>

namespace {
using K = ControlKind;
const ControlSpec Design[] = {
    {.Name = "Label1", .Kind = K::Label, .Left = 50, .Top = 9, .Text = "Add meg az azonosítódat"},
    {.Name = "Password", .Kind = K::Edit, .Left = 8, .Top = 27, .Width = 217, .Height = 21},
    {.Name = "OKBtn",
     .Kind = K::Button,
     .Left = 70,
     .Top = 59,
     .Width = 75,
     .Height = 25,
     .Text = "OK"},
    {.Name = "CancelBtn",
     .Kind = K::Button,
     .Left = 150,
     .Top = 59,
     .Width = 75,
     .Height = 25,
     .Text = "Cancel"},
};
} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("PasswordDlg");
    setFont(DefaultFont());
    setWindowTitle(QString::fromUtf8("Azonosító beadása"));
    SetClientSize(233, 93);
    SetBackgroundColor(this, Colors::MoneyGreen);

    controls_ = BuildControls(this, Design);
    Label1 = controls_.Get<QLabel>("Label1");
    Password = controls_.Get<QLineEdit>("Password");
    OKBtn = controls_.Get<QPushButton>("OKBtn");
    CancelBtn = controls_.Get<QPushButton>("CancelBtn");
    // The identifier has no length limit (the field's own default stops at 32,767).
    Password->setMaxLength(std::numeric_limits<int>::max());
    OKBtn->setDefault(true); // Enter
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetTabOrder(controls_, {"Password", "OKBtn", "CancelBtn"});
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
