// The program's entry: the start sequence. The windows are created in order, the identity
// prompt gates the program, and the main window's activation runs the simulation until the main
// window closes.
#include "Main.h"

#include "AbtDlg.h"
#include "Data.h"
#include "FieldParsing.h"
#include "Fonts.h"
#include "Language.h"
#include "PswdDlg.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace {
// The system's decimal separator, as the number formatting starts with it.
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}
} // namespace

int main(int argc, char** argv) {
    // The Data module's program folder is known from static initialisation on.
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessilar");
    QApplication::setApplicationVersion(TESSILAR_VERSION);
    QApplication::setDesktopFileName("tessilar");
    if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
    QApplication::setFont(DefaultFont());
    Data::DecimalSeparator = SystemDecimalSeparator();

    TForm1 form1;
    TAboutDlg aboutDlg;
    TLanguageDlg languageDlg;
    TPasswordDlg passwordDlg;
    form1.SetDialogs(&aboutDlg, &languageDlg, &passwordDlg);

    if (passwordDlg.ShowModal() != mrOk) return 0;
    form1.show();
    app.exec();
    return 0;
}
