#include "ui/Language.h"

#include "assets/Colors.h"
#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"

namespace {
using K = ControlKind;
// clang-format off
const ControlSpec Design[] = {
    {.Name = "Label1",    .Kind = K::Label,        .Left =   8, .Top =  8, .Text = "Please select a language ! ", .FontSize = -16, .Style = FontStyle::Bold},
    {.Name = "ComboBox1", .Kind = K::ComboBox,     .Left =  32, .Top = 40, .Width = 145, .Height = 21},
    {.Name = "BitBtn1",   .Kind = K::OkButton,     .Left = 224, .Top = 48, .Width =  75, .Height = 25, .Text = "OK"},
    {.Name = "BitBtn2",   .Kind = K::CancelButton, .Left = 224, .Top = 80, .Width =  75, .Height = 25, .Text = "Cancel"},
};
// clang-format on
constexpr int DesignLeft = 240;
constexpr int DesignTop = 180;
} // namespace

TLanguageDlg::TLanguageDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("LanguageDlg");
    setFont(DefaultFont());
    setWindowTitle("Select language");
    SetClientSize(324, 184);
    move(DesignLeft, DesignTop); // where it was designed, not centred
    SetBackgroundColor(this, Colors::MoneyGreen);

    controls_ = BuildControls(this, Design);
    Label1 = controls_.Bind<QLabel>("Label1");
    ComboBox1 = controls_.Bind<QComboBox>("ComboBox1");
    BitBtn1 = controls_.Bind<QPushButton>("BitBtn1");
    BitBtn2 = controls_.Bind<QPushButton>("BitBtn2");
    connect(BitBtn1, &QPushButton::clicked, this, &TLanguageDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetTabOrder(controls_, {"ComboBox1", "BitBtn1", "BitBtn2"});
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
