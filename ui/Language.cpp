#include "ui/Language.h"

#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "design/DialogDesigns.h"
#include "model/Data.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"

TLanguageDlg::TLanguageDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("LanguageDlg");
    setFont(DefaultFont());
    setWindowTitle(LanguageDesign::DesignTitle);
    SetClientSize(LanguageDesign::ClientWidth, LanguageDesign::ClientHeight);
    move(LanguageDesign::DesignLeft, LanguageDesign::DesignTop); // not centred
    SetBackgroundColor(this, LanguageDesign::ClientColor);

    controls_ = BuildControls(this, LanguageDesign::Controls());
    Label1 = controls_.Bind<QLabel>("Label1");
    ComboBox1 = controls_.Bind<QComboBox>("ComboBox1");
    BitBtn1 = controls_.Bind<QPushButton>("BitBtn1");
    BitBtn2 = controls_.Bind<QPushButton>("BitBtn2");
    connect(BitBtn1, &QPushButton::clicked, this, &TLanguageDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetTabOrder(controls_, LanguageDesign::KeyboardOrder());
    new FocusRing(this);
}

void TLanguageDlg::FormActivate() {
    ComboBox1->clear();
    // Each entry keeps the folder's name as the file system has it, which need not be UTF-8.
    for (const std::string& name : Data::LanguageFolders(Data::ExeDir))
        ComboBox1->addItem(QString::fromStdString(name), QByteArray::fromStdString(name));
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    else
        BitBtn1->setEnabled(false); // and nothing enables it again
    ComboBox1->setFocus();
}

void TLanguageDlg::BitBtn1Click() {
    const QVariant folder = ComboBox1->currentData();
    Data::ChooseLanguage(folder.isValid() ? folder.toByteArray().toStdString()
                                          : ComboBox1->currentText().toStdString());
    done(mrOk);
}
