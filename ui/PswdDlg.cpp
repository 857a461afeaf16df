#include "ui/PswdDlg.h"

#include "catalogue/TextCatalogue.h"
#include "design/DialogDesigns.h"
#include "model/Data.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"

#include <limits>

TPasswordDlg::TPasswordDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("PasswordDlg");
    setFont(DefaultFont());
    setWindowTitle(QString::fromUtf8(IdentityPromptDesign::DesignTitle));
    SetClientSize(IdentityPromptDesign::ClientWidth, IdentityPromptDesign::ClientHeight);
    SetBackgroundColor(this, IdentityPromptDesign::ClientColor);

    controls_ = BuildControls(this, IdentityPromptDesign::Controls());
    Label1 = controls_.Bind<QLabel>("Label1");
    Password = controls_.Bind<QLineEdit>("Password");
    OKBtn = controls_.Bind<QPushButton>("OKBtn");
    CancelBtn = controls_.Bind<QPushButton>("CancelBtn");
    // The identifier has no length limit (the field's own default stops at 32,767).
    Password->setMaxLength(std::numeric_limits<int>::max());
    OKBtn->setDefault(true); // Enter
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetTabOrder(controls_, IdentityPromptDesign::KeyboardOrder());
    new FocusRing(this);
    Password->setFocus();
}

void TPasswordDlg::FormActivate() {
    setWindowTitle(QString::fromStdString(Data::GetText(IdentityPromptDesign::TitleCaption)));
    ApplyDesignCaptions(controls_, IdentityPromptDesign::Controls());
    CentreOnScreen();
    Password->setFocus();
}
