#include "ui/DescriptionOpener.h"

#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "ui/GuideWindow.h"
#include "ui/Warning.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

/// With the English catalogue chosen the guide opens at its English half; otherwise at the top,
/// which has the contents of both halves and then the Hungarian half.
bool EnglishCatalogueInUse() {
    const QString folder = QFileInfo(QString::fromStdString(Data::LangDir)).fileName();
    return folder.compare("English", Qt::CaseInsensitive) == 0;
}

QString ProgramFolder() {
    return QDir::toNativeSeparators(QString::fromStdString(Data::ExeDir));
}

/// The guide's file: the chosen language folder's own guide where it has one, else the program
/// folder's (Hungarian and English in one document).
std::string GuideFile(const char* name) {
    if (!Data::LangDir.empty()) {
        const std::string own = Data::FindFileIgnoringCase(Data::LangDir + Data::PathDelim, name);
        if (!own.empty()) return own;
    }
    return Data::FindFileIgnoringCase(Data::ExeDir, name);
}

} // namespace

DescriptionOpener::DescriptionOpener(QWidget* owner) : QObject(owner), owner_(owner) {}

DescriptionOpener::~DescriptionOpener() {
    // An opener still running (xdg-open waits for some viewers to close) is left to the system
    // quietly: the viewer it started stays open.
    for (QProcess* process : findChildren<QProcess*>()) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
    }
}

GuideWindow* DescriptionOpener::Window() const {
    return window_;
}

void DescriptionOpener::Open() {
    const std::string document = GuideFile(DocumentName);
    if (document.empty()) return ShowOwnWindow(false);
    auto* process = new QProcess(this);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        // Only a failed start ends without finished(); a crash reports both.
        if (error == QProcess::FailedToStart) Answered(process, false);
    });
    connect(process, &QProcess::finished, this,
            [this, process](int code, QProcess::ExitStatus status) {
                Answered(process, status == QProcess::NormalExit && code == 0);
            });
    ++waiting_;
    process->start(SystemOpener, {QString::fromStdString(document)});
}

void DescriptionOpener::Answered(QProcess* process, bool opened) {
    --waiting_;
    process->disconnect(this);
    process->deleteLater();
    if (!opened) ShowOwnWindow(true);
}

void DescriptionOpener::ShowOwnWindow(bool documentFound) {
    const std::string page = GuideFile(PageName);
    // A window of another language's guide gives way to this one's.
    if (window_ && window_->property("guide").toString().toStdString() != page) {
        window_->deleteLater();
        window_ = nullptr;
    }
    // The window's title in the catalogue's language, as the page's guide has it.
    const QString title = QString::fromStdString(Data::GetText(Texts::GuideTitle));
    if (window_) {
        window_->setWindowTitle(title);
        window_->show();
        window_->raise();
        window_->activateWindow();
        return;
    }
    if (page.empty()) {
        ShowMessage(documentFound
                        ? QString::fromUtf8("A rendszer nem tudta megnyitni a leírást (%1), és a "
                                            "program mappájában (%3) nincs %2.\n\nThe system could "
                                            "not open the guide (%1), and the program folder (%3) "
                                            "holds no %2.")
                              .arg(DocumentName, PageName, ProgramFolder())
                        : QString::fromUtf8("Nem található a leírás: a program mappájában (%3) "
                                            "nincs sem %1, sem %2.\n\nThe guide was not found: the "
                                            "program folder (%3) holds neither %1 nor %2.")
                              .arg(DocumentName, PageName, ProgramFolder()));
        return;
    }
    const QString path = QString::fromStdString(page);
    auto* window = new GuideWindow(owner_);
    window->setWindowTitle(title);
    window->setProperty("guide", path);
    if (!window->Load(path)) {
        delete window;
        ShowMessage(QString::fromUtf8("A leírás nem olvasható: %1\n\nThe guide cannot be read: %1")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (EnglishCatalogueInUse()) window->ShowLanguage("en");
    window->show();
    window_ = window;
}

void DescriptionOpener::ShowMessage(const QString& text) {
    QMessageBox* box = NewWarning(owner_, QString::fromUtf8(GuideWindow::Title), text);
    box->setObjectName("GuideMessage");
    // Shown without a loop of its own, so the simulation runs on behind it.
    box->open();
}
