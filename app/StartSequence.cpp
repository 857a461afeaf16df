#include "app/StartSequence.h"

#include "catalogue/TextCatalogue.h"
#include "lab/Lesson.h"
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "ui/AbtDlg.h"
#include "ui/Language.h"
#include "ui/Main.h"
#include "ui/PswdDlg.h"
#include "ui/layer/Fonts.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace {
// The system's decimal separator, as number formatting starts with it.
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}
/// The window changes a few pixels up to 91 times a second. Qt's own event dispatcher costs less
/// per pass than GLib's, and sending those few pixels through the X connection costs less than
/// shared memory, whose every frame waits for the server to release the image (a round trip).
/// A setting the user made in the environment stands.
void UseLightDrawingPath() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}
} // namespace

int RunProgram(int& argc, char** argv, const StartHooks& hooks) {
    // The Data module's program folder is known from static initialisation on.
    UseLightDrawingPath();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessilar");
    QApplication::setApplicationVersion(TESSILAR_VERSION);
    QApplication::setDesktopFileName("tessilar");
    if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
    QApplication::setFont(DefaultFont());
    Data::StartProgram(SystemDecimalSeparator());
    // A teacher's language for the lesson, from the program folder's catalogue.
    Lab::ChooseLanguageOfProgramFolder();

    TForm1 form1;
    TAboutDlg aboutDlg;
    TLanguageDlg languageDlg;
    TPasswordDlg passwordDlg;
    form1.SetDialogs(&aboutDlg, &languageDlg, &passwordDlg);

    if (hooks.BeforePrompt) hooks.BeforePrompt(form1, passwordDlg);
    if (passwordDlg.ShowModal() != mrOk) return 0;
    if (hooks.BeforeMainWindow) hooks.BeforeMainWindow(form1);
    form1.show();
    app.exec();
    return 0;
}
