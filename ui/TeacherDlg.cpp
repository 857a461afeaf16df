#include "ui/TeacherDlg.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "design/DialogDesigns.h"
#include "lab/ClassCode.h"
#include "model/Data.h"
#include "ui/QrCode.h"
#include "ui/Warning.h"
#include "ui/ZipFile.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"
#include "ui/layer/Picture.h"
#include "ui/layer/UpDown.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QUrl>

namespace {

QString Text(int n, std::initializer_list<std::string_view> places = {}) {
    return QString::fromStdString(Data::GetText(n, places));
}

/// The QR code's modules, pixels: the code of a long address still fits the picture.
int ModuleSizeFor(const QImage& oneToOne, int side) {
    return std::max(1, side / std::max(1, oneToOne.width()));
}

} // namespace

TTeacherDlg::TTeacherDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("TeacherDlg");
    setFont(DefaultFont());
    SetClientSize(TeacherDesign::ClientWidth, TeacherDesign::ClientHeight);
    SetBackgroundColor(this, TeacherDesign::ClientColor);

    controls_ = BuildControls(this, TeacherDesign::Controls());
    ComboBox1 = controls_.Bind<QComboBox>("ComboBox1");
    CheckBox1 = controls_.Bind<QCheckBox>("CheckBox1");
    CheckBox2 = controls_.Bind<QCheckBox>("CheckBox2");
    CheckBox3 = controls_.Bind<QCheckBox>("CheckBox3");
    Edit1 = controls_.Bind<QLineEdit>("Edit1");
    Edit2 = controls_.Bind<QLineEdit>("Edit2");
    UpDown1 = controls_.Bind<TUpDown>("UpDown1");
    Edit3 = controls_.Bind<QLineEdit>("Edit3");
    Edit4 = controls_.Bind<QLineEdit>("Edit4");
    Button1 = controls_.Bind<QPushButton>("Button1");
    Image1 = controls_.Bind<TImage>("Image1");
    Memo1 = controls_.Bind<QPlainTextEdit>("Memo1");
    Button2 = controls_.Bind<QPushButton>("Button2");
    Button3 = controls_.Bind<QPushButton>("Button3");
    OKBtn = controls_.Bind<QPushButton>("OKBtn");
    Label7 = controls_.Bind<QLabel>("Label7");
    for (const Lab::LessonLanguage& language : Lab::LessonLanguages())
        ComboBox1->addItem(QString::fromUtf8(language.Name), QString::fromUtf8(language.Code));

    const auto refresh = [this] {
        if (!filling_) Refresh();
    };
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, refresh);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
        connect(box, &QCheckBox::toggled, this, refresh);
    for (QLineEdit* field : {Edit1, Edit2, Edit3})
        connect(field, &QLineEdit::textChanged, this, refresh);
    connect(Button1, &QPushButton::clicked, this, &TTeacherDlg::CopyAddress);
    connect(Button2, &QPushButton::clicked, this, &TTeacherDlg::SavePage);
    connect(Button3, &QPushButton::clicked, this, &TTeacherDlg::SaveScorm);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    SetTabOrder(controls_, TeacherDesign::KeyboardOrder());
    new FocusRing(this);
}

void TTeacherDlg::FormActivate() {
    setWindowTitle(Text(TeacherDesign::TitleCaption));
    ApplyDesignCaptions(controls_, TeacherDesign::Controls());
    Image1->setAccessibleName(Text(Texts::QrCodeName));
    Edit1->setAccessibleName(Text(Texts::ClassCodeLabel));
    Edit2->setAccessibleName(Text(Texts::DropletsLabel));
    Edit3->setAccessibleName(Text(Texts::PageAddressLabel));
    Edit4->setAccessibleName(Text(Texts::AddressLabel));
    Memo1->setAccessibleName(Text(Texts::IniLabel));
    // What the program folder gives already is where a teacher starts from.
    const Lab::LessonSettings given = Lab::SettingsOfProgramFolder();
    filling_ = true;
    const int language =
        ComboBox1->findData(QString::fromStdString(given.Language.value_or(Lab::DefaultLanguage)));
    ComboBox1->setCurrentIndex(std::max(language, 0));
    CheckBox1->setChecked(given.Calculations.value_or(true));
    CheckBox2->setChecked(given.Brownian.value_or(false));
    CheckBox3->setChecked(given.RealAir.value_or(false));
    Edit1->setText(QString::fromStdString(given.ClassCode.value_or("")));
    UpDown1->SetPosition(given.Droplets.value_or(Lab::DefaultDroplets));
    Edit3->setText(QUrl::fromLocalFile(PagePath()).toString());
    Label7->clear();
    filling_ = false;
    Refresh();
    CentreOnScreen();
    ComboBox1->setFocus();
}

Lab::LessonSettings TTeacherDlg::Settings() const {
    Lab::LessonSettings s;
    const std::string language = ComboBox1->currentData().toString().toStdString();
    if (!language.empty() && language != Lab::DefaultLanguage) s.Language = language;
    if (!CheckBox1->isChecked()) s.Calculations = false;
    if (CheckBox2->isChecked()) s.Brownian = true;
    if (CheckBox3->isChecked()) s.RealAir = true;
    const std::string code = Edit1->text().toStdString();
    if (!code.empty() && !Lab::ClassCodeFaultOf(code)) s.ClassCode = code;
    bool whole = false;
    const int droplets = Edit2->text().trimmed().toInt(&whole);
    if (whole && droplets >= 1 && droplets <= Lab::MostDroplets && droplets != Lab::DefaultDroplets)
        s.Droplets = droplets;
    return s;
}

QString TTeacherDlg::Address() const {
    // The page's own address without a query or a fragment, then the settings'.
    QUrl page(Edit3->text().trimmed());
    page.setQuery(QString());
    page.setFragment(QString());
    const std::string query = Lab::SettingsQuery(Settings());
    QString address = page.toString();
    if (!query.empty()) address += "?" + QString::fromStdString(query);
    return address;
}

void TTeacherDlg::Refresh() {
    Edit4->setText(Address());
    Edit4->setCursorPosition(0);
    const QImage unscaled = QrCodeImage(Edit4->text(), 1);
    Image1->SetPicture(unscaled.isNull()
                           ? QImage()
                           : QrCodeImage(Edit4->text(), ModuleSizeFor(unscaled, Image1->width())));
    Memo1->setPlainText(QString::fromStdString(Lab::IniLines(Settings())));
    // A class code that cannot be used is said where the student would meet it.
    const std::string code = Edit1->text().toStdString();
    if (const auto fault = Lab::ClassCodeFaultOf(code); fault && !code.empty())
        Label7->setText(Text(Texts::ClassCodeUnusable, {code, Lab::Describe(*fault)}));
    else
        Label7->clear();
}

QString TTeacherDlg::PagePath() {
    const QString folder = QString::fromStdString(Data::ExeDir);
    const QString beside = folder + "web/" + Lab::ScormPageName;
    if (QFileInfo::exists(beside)) return beside;
    // Installed: the program in <prefix>/lib/tessilar, the page in <prefix>/share/tessilar/web.
    return QFileInfo(folder + "../../share/tessilar/web/" + Lab::ScormPageName).absoluteFilePath();
}

std::optional<std::string> TTeacherDlg::PageWithSettings() {
    const QString path = PagePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Warn(Text(Texts::NoPageToSave, {path.toStdString(), file.errorString().toStdString()}));
        return std::nullopt;
    }
    const QByteArray page = file.readAll();
    auto withSettings =
        Lab::PageWithSettings(std::string_view(page.constData(), page.size()), Settings());
    if (!withSettings)
        Warn(
            Text(Texts::NoPageToSave, {path.toStdString(), Data::GetText(Texts::NoSettingsPlace)}));
    return withSettings;
}

bool TTeacherDlg::SavePageTo(const QString& path) {
    const auto page = PageWithSettings();
    if (!page) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(page->data(), static_cast<qint64>(page->size())) !=
            static_cast<qint64>(page->size()) ||
        !file.commit()) {
        Warn(Text(Texts::FileNotWritten, {path.toStdString(), file.errorString().toStdString()}));
        return false;
    }
    Label7->setText(Text(Texts::FileWritten, {QFileInfo(path).fileName().toStdString()}));
    return true;
}

bool TTeacherDlg::SaveScormTo(const QString& path) {
    const auto page = PageWithSettings();
    if (!page) return false;
    QString problem;
    const std::string manifest = Lab::ScormManifest();
    if (!WriteZip(path, {{Lab::ScormManifestName, manifest}, {Lab::ScormPageName, *page}},
                  &problem)) {
        Warn(Text(Texts::FileNotWritten, {path.toStdString(), problem.toStdString()}));
        return false;
    }
    Label7->setText(Text(Texts::FileWritten, {QFileInfo(path).fileName().toStdString()}));
    return true;
}

void TTeacherDlg::CopyAddress() {
    QGuiApplication::clipboard()->setText(Edit4->text());
    Label7->setText(Text(Texts::AddressCopied));
}

void TTeacherDlg::SavePage() {
    const QString path = QFileDialog::getSaveFileName(this, Text(Texts::SavePage).remove('&'),
                                                      Lab::ScormPageName, Text(Texts::HtmlFiles));
    if (!path.isEmpty()) SavePageTo(path);
}

void TTeacherDlg::SaveScorm() {
    const QString path = QFileDialog::getSaveFileName(
        this, Text(Texts::SaveScorm).remove('&'), "tessilar-scorm12.zip", Text(Texts::ZipFiles));
    if (!path.isEmpty()) SaveScormTo(path);
}

void TTeacherDlg::Warn(const QString& text) {
    NewWarning(this, windowTitle(), text)->open();
}
