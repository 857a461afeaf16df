// The three dialogs: the identity prompt (texts, look and results), the About box (texts and
// centred lines) and the language dialog (folder list, OK and Cancel). Each modal dialog is
// driven from a timer that fires inside its own message loop.
#include "catalogue/TextCatalogue.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/PixelChecks.h"
#include "ui/TeacherDlg.h"
#include "ui/layer/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace {

constexpr int Stuck = 99; // the result of a dialog that the test failed to close
constexpr QRgb MoneyGreen = 0xffc0dcc0;

/// Shows the dialog modally, runs `action` once it is up, and returns its result.
int ShowAnd(TModalDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        action();
    });
    QTimer guard; // ends a loop the action failed to end, so the test fails instead of hanging
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(Stuck); });
    guard.start(5000);
    return dialog.ShowModal();
}

/// Expects the ink of one line of the About box centred between the panel's inner edges (its
/// border and bevel take two columns on each side), give or take the glyphs' side bearings and
/// the heading's slant.
void ExpectCentred(const TAboutDlg& about, const QLabel* line) {
    const QImage panel = about.Panel1->grab().toImage();
    int left = panel.width(), right = panel.width(); // blank columns beside the ink
    for (int y = line->y(); y < line->y() + line->height(); ++y)
        for (int x = 2; x < panel.width() - 2; ++x)
            if (panel.pixel(x, y) != PixelChecks::White) {
                left = std::min(left, x - 2);
                right = std::min(right, panel.width() - 3 - x);
            }
    EXPECT_NEAR(left, right, 2) << line->objectName().toStdString();
}

using DialogTest = MainWindowTest;

} // namespace

// --- Identity prompt ------------------------------------------------------------------------

TEST_F(DialogTest, PromptTakesItsTextsFromTheCatalogueEachTimeItIsShown) {
    WriteCatalogue("S0256=Azonosító beadása\nS0257=Add meg az azonosítódat\nS0001=&Rendben\n"
                   "S0002=&Mégse\n");
    QString title, label, ok, cancel;
    EXPECT_EQ(ShowAnd(*password,
                      [&] {
                          title = password->windowTitle();
                          label = password->Label1->text();
                          ok = password->OKBtn->text();
                          cancel = password->CancelBtn->text();
                          password->OKBtn->click();
                      }),
              mrOk);
    EXPECT_EQ(title, QString::fromUtf8("Azonosító beadása"));
    EXPECT_EQ(label, QString::fromUtf8("Add meg az azonosítódat"));
    EXPECT_EQ(ok, "&Rendben");
    EXPECT_EQ(cancel, QString::fromUtf8("&Mégse"));

    WriteCatalogue("S0256=Identify\nS0257=Your identifier\nS0001=OK\nS0002=Cancel\n");
    EXPECT_EQ(ShowAnd(*password, [&] { password->CancelBtn->click(); }), mrCancel);
    EXPECT_EQ(password->windowTitle(), "Identify");
    EXPECT_EQ(password->Label1->text(), "Your identifier");
    EXPECT_EQ(password->OKBtn->text(), "OK");
}

TEST_F(DialogTest, PromptShowsNoneWithoutACatalogue) {
    EXPECT_EQ(ShowAnd(*password, [&] { password->OKBtn->click(); }), mrOk);
    EXPECT_EQ(password->windowTitle(), "None");
    EXPECT_EQ(password->Label1->text(), "None");
    EXPECT_EQ(password->OKBtn->text(), "None");
    EXPECT_EQ(password->CancelBtn->text(), "None");
}

TEST_F(DialogTest, PromptLayoutAndBackground) {
    QImage shown;
    QWidget* focused = nullptr;
    ShowAnd(*password, [&] {
        shown = password->grab().toImage();
        focused = password->focusWidget();
        password->close();
    });
    EXPECT_EQ(password->size(), QSize(233, 93));
    EXPECT_EQ(shown.size(), QSize(233, 93));
    EXPECT_EQ(shown.pixel(2, 2), MoneyGreen);
    EXPECT_EQ(shown.pixel(230, 90), MoneyGreen);
    EXPECT_EQ(password->Label1->pos(), QPoint(50, 9));
    EXPECT_EQ(password->Password->geometry(), QRect(8, 27, 217, 21));
    EXPECT_EQ(password->OKBtn->geometry(), QRect(70, 59, 75, 25));
    EXPECT_EQ(password->CancelBtn->geometry(), QRect(150, 59, 75, 25));
    EXPECT_EQ(password->Password->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(focused, password->Password);
}

TEST_F(DialogTest, PromptResultsOfEveryWayToCloseIt) {
    struct Case {
        const char* name;
        std::function<void(TPasswordDlg&)> action;
        int result;
    };
    const Case cases[] = {
        {"OK button", [](TPasswordDlg& d) { QTest::mouseClick(d.OKBtn, Qt::LeftButton); }, mrOk},
        {"Cancel button", [](TPasswordDlg& d) { QTest::mouseClick(d.CancelBtn, Qt::LeftButton); },
         mrCancel},
        {"Enter in the field", [](TPasswordDlg& d) { QTest::keyClick(d.Password, Qt::Key_Return); },
         mrOk},
        {"Esc in the field", [](TPasswordDlg& d) { QTest::keyClick(d.Password, Qt::Key_Escape); },
         mrCancel},
        {"close box", [](TPasswordDlg& d) { d.close(); }, mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        password->Password->setText("anna");
        EXPECT_EQ(ShowAnd(*password, [&] { c.action(*password); }), c.result);
        EXPECT_FALSE(password->isVisible());
        EXPECT_EQ(password->Identifier(), "anna"); // the identifier is left as typed
    }
}

TEST_F(DialogTest, PromptAcceptsAnEmptyIdentifierAndKeepsWhatWasTyped) {
    password->Password->clear();
    EXPECT_EQ(ShowAnd(*password, [&] { QTest::mouseClick(password->OKBtn, Qt::LeftButton); }),
              mrOk);
    EXPECT_TRUE(password->Identifier().isEmpty());

    EXPECT_EQ(ShowAnd(*password,
                      [&] {
                          QTest::keyClicks(password->Password, "Kovacs Anna");
                          QTest::keyClick(password->Password, Qt::Key_Return);
                      }),
              mrOk);
    EXPECT_EQ(password->Identifier(), "Kovacs Anna");
}

// --- About box ------------------------------------------------------------------------------

TEST_F(DialogTest, AboutBoxShowsNoneOnEveryLineCentredInThePanel) {
    EXPECT_EQ(ShowAnd(*about, [&] { QTest::mouseClick(about->OKBtn, Qt::LeftButton); }), mrOk);
    EXPECT_EQ(about->windowTitle(), "None");
    EXPECT_EQ(about->OKBtn->text(), "None");
    ASSERT_EQ(about->Panel1->width(), 313);
    const std::pair<QLabel*, int> lines[] = {{about->Label1, 4},
                                             {about->Label3, 32},
                                             {about->Label4, 48},
                                             {about->Label5, 72},
                                             {about->Label2, 96}};
    for (const auto& [label, top] : lines) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->text(), "None");
        EXPECT_EQ(label->parentWidget(), about->Panel1);
        ExpectCentred(*about, label);
        EXPECT_EQ(label->y(), top);
    }
    // The bold heading is wider than the same word in the default font, so it sits further left.
    EXPECT_LT(about->Label1->x(), about->Label2->x());
}

TEST_F(DialogTest, AboutBoxLinesComeFromTheCatalogueAndWideTextsGoNegative) {
    const std::string wide(80, 'W');
    WriteCatalogue("S0401=Névjegy\nS0402=Tessilar\nS0403=Line two\nS0404=Line three\n"
                   "S0405=Line four, somewhat longer than the others\nS0406=" +
                   wide + "\nS0001=&Rendben\n");
    EXPECT_EQ(ShowAnd(*about, [&] { about->OKBtn->click(); }), mrOk);
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8("Névjegy"));
    EXPECT_EQ(about->Label1->text(), "Tessilar");
    EXPECT_EQ(about->Label3->text(), "Line two");
    EXPECT_EQ(about->Label4->text(), "Line three");
    EXPECT_EQ(about->Label5->text(), "Line four, somewhat longer than the others");
    EXPECT_EQ(about->Label2->text(), QString::fromStdString(wide));
    EXPECT_EQ(about->OKBtn->text(), "&Rendben");
    for (QLabel* label : {about->Label1, about->Label3, about->Label4, about->Label5})
        ExpectCentred(*about, label);
    EXPECT_LT(about->Label2->x(), 0);
    EXPECT_GT(about->Label3->x(), about->Label5->x());

    // A later showing centres the new texts again.
    WriteCatalogue("S0403=A much longer second line of the About box\n");
    EXPECT_EQ(ShowAnd(*about, [&] { about->OKBtn->click(); }), mrOk);
    ExpectCentred(*about, about->Label3);
    EXPECT_EQ(about->Label2->text(), "None");
}

TEST_F(DialogTest, AboutBoxLookAndHeadingFont) {
    QImage shown;
    ShowAnd(*about, [&] {
        shown = about->grab().toImage();
        about->close();
    });
    EXPECT_EQ(about->size(), QSize(330, 180));
    EXPECT_EQ(about->Panel1->geometry(), QRect(8, 8, 313, 121));
    EXPECT_EQ(about->OKBtn->geometry(), QRect(132, 144, 75, 25));
    EXPECT_EQ(shown.pixel(3, 3), PixelChecks::Teal);
    EXPECT_EQ(shown.pixel(8 + 20, 8 + 115), PixelChecks::White);
    const QFont heading = about->Label1->font();
    EXPECT_TRUE(heading.bold());
    EXPECT_TRUE(heading.italic());
    EXPECT_EQ(heading.pixelSize(), 19);
    EXPECT_EQ(heading.family(), DesignFont("Arial", -19).family()); // Arial or its stand-in
    EXPECT_EQ(about->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(about->Label3->font().bold());
}

TEST_F(DialogTest, AboutBoxIsCentredOnTheScreenItFirstAppearsOn) {
    // The test screens: 800 x 800 at the origin and 1024 x 768 below it; the box is 330 x 180.
    const std::pair<QPoint, QPoint> placedAndCentred[] = {
        {{0, 0}, {235, 310}},      // (800 - 330) div 2, (800 - 180) div 2
        {{100, 900}, {347, 1094}}, // (1024 - 330) div 2, 800 + (768 - 180) div 2
    };
    for (const auto& [placed, centred] : placedAndCentred) {
        TAboutDlg box;
        box.move(placed);
        EXPECT_EQ(ShowAnd(box, [&] { box.OKBtn->click(); }), mrOk);
        EXPECT_EQ(box.pos(), centred);
    }
}

// --- Language dialog ------------------------------------------------------------------------

TEST_F(DialogTest, LanguageListHoldsTheProgramFoldersSubfoldersSorted) {
    for (const char* name : {"Magyar", "english", "Deutsch", ".git", ".Hidden"})
        std::filesystem::create_directories(folder_ / name);
    std::ofstream(folder_ / "notes.txt") << "not a folder\n";
    WriteCatalogue("S0001=OK\n");
    QStringList items;
    int selected = -1;
    bool okEnabled = false;
    EXPECT_EQ(ShowAnd(*language,
                      [&] {
                          for (int i = 0; i < language->ComboBox1->count(); ++i)
                              items << language->ComboBox1->itemText(i);
                          selected = language->ComboBox1->currentIndex();
                          okEnabled = language->BitBtn1->isEnabled();
                          language->BitBtn2->click();
                      }),
              mrCancel);
    EXPECT_EQ(items, QStringList({"Deutsch", "english", "Magyar"}));
    EXPECT_EQ(selected, 0);
    EXPECT_TRUE(okEnabled);
    EXPECT_FALSE(language->ComboBox1->isEditable());
    EXPECT_EQ(language->windowTitle(), "Select language");
    EXPECT_EQ(language->size(), QSize(324, 184));

    // The list is filled afresh at every showing.
    std::filesystem::remove(folder_ / "Magyar");
    EXPECT_EQ(ShowAnd(*language, [&] { language->close(); }), mrCancel);
    EXPECT_EQ(language->ComboBox1->count(), 2);
}

TEST_F(DialogTest, LanguageOkStaysDisabledOnceNoFolderWasFound) {
    std::ofstream(folder_ / "Tessilar.ini") << "[General]\n"; // a file, not a language
    bool enabledFirst = true, enabledLater = true;
    int countLater = 0;
    EXPECT_EQ(ShowAnd(*language,
                      [&] {
                          enabledFirst = language->BitBtn1->isEnabled();
                          EXPECT_EQ(language->ComboBox1->count(), 0);
                          QTest::keyClick(language.get(), Qt::Key_Escape);
                      }),
              mrCancel);
    EXPECT_FALSE(enabledFirst);

    std::filesystem::create_directories(folder_ / "English");
    EXPECT_EQ(ShowAnd(*language,
                      [&] {
                          enabledLater = language->BitBtn1->isEnabled();
                          countLater = language->ComboBox1->count();
                          language->BitBtn2->click();
                      }),
              mrCancel);
    EXPECT_EQ(countLater, 1);
    EXPECT_FALSE(enabledLater);
}

TEST_F(DialogTest, LanguageOkSwitchesTheCatalogueAtOnce) {
    WriteCatalogue("S0001=Rendben\n");
    WriteCatalogue("S0001=Gut\n", "Deutsch");
    WriteCatalogue("S0001=Fine\n", "English");
    ASSERT_EQ(Data::GetText(1), "Rendben");
    EXPECT_EQ(ShowAnd(*language,
                      [&] {
                          EXPECT_EQ(language->ComboBox1->currentText(), "Deutsch");
                          language->ComboBox1->setCurrentText("English");
                          QTest::mouseClick(language->BitBtn1, Qt::LeftButton);
                      }),
              mrOk);
    EXPECT_EQ(Data::LangDir, Data::ExeDir + "English");
    EXPECT_EQ(Data::GetText(1), "Fine");
    // The prompt shown next reads the chosen language.
    EXPECT_EQ(ShowAnd(*password, [&] { password->OKBtn->click(); }), mrOk);
    EXPECT_EQ(password->OKBtn->text(), "Fine");
}

TEST_F(DialogTest, LanguageCancelChangesNothing) {
    WriteCatalogue("S0001=Rendben\n");
    WriteCatalogue("S0001=Fine\n", "English");
    ASSERT_EQ(Data::GetText(1), "Rendben");
    EXPECT_EQ(ShowAnd(*language,
                      [&] {
                          language->ComboBox1->setCurrentText("English");
                          QTest::mouseClick(language->BitBtn2, Qt::LeftButton);
                      }),
              mrCancel);
    EXPECT_TRUE(Data::LangDir.empty());
    EXPECT_EQ(Data::GetText(1), "Rendben");
}

// --- The teacher's settings -----------------------------------------------------------------

TEST_F(DialogTest, TheTeachersSettingsComeOutAsAnAddressItsQrCodeIniLinesAPageAndAPackage) {
    WriteCatalogue("S0770=Teacher's settings\n[Settings]\nDroplets=5\nRealAir=1\n");
    std::filesystem::create_directories(folder_ / "web");
    const std::string page = "<html><head><title>x</title>" + std::string(Lab::SettingsBlockStart) +
                             std::string(Lab::SettingsBlockEnd) + "</head></html>";
    std::ofstream(folder_ / "web" / "tessilar.html") << page;
    TTeacherDlg dialog;
    ShowAnd(dialog, [&] {
        // What the program folder gives is where the teacher starts from.
        EXPECT_TRUE(dialog.CheckBox3->isChecked());
        EXPECT_EQ(dialog.Edit2->text(), "5");
        dialog.ComboBox1->setCurrentIndex(dialog.ComboBox1->findData("en"));
        dialog.CheckBox1->setChecked(false);
        dialog.Edit1->setText("11.B fizika");
        dialog.done(mrOk);
    });
    const QString base =
        QUrl::fromLocalFile((folder_ / "web" / "tessilar.html").c_str()).toString();
    const QString query = "lang=en&calculations=0&realair=1&class=11.B%20fizika&droplets=5";
    EXPECT_EQ(dialog.Edit4->text(), base + "?" + query);
    EXPECT_EQ(dialog.Memo1->toPlainText(),
              "[Settings]\nLanguage=English\nRealAir=1\nDroplets=5\n[Notebook]\nCalculations=0\n"
              "[Assessment]\nClassCode=11.B fizika\n");

    // A phone's camera reads the QR code as the address (zbarimg reads it here).
    const QString picture = QString::fromStdString((folder_ / "qr.png").string());
    ASSERT_TRUE(dialog.Image1->Bitmap().save(picture));
    QProcess reader;
    reader.start("zbarimg", {"--raw", "-q", picture});
    ASSERT_TRUE(reader.waitForFinished(30000)) << "zbarimg (zbar-tools) is needed";
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(), dialog.Edit4->text());

    // The page with the settings inside, and the SCORM package of it.
    const QString copy = QString::fromStdString((folder_ / "copy.html").string());
    ASSERT_TRUE(dialog.SavePageTo(copy));
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(Lab::SettingsOfPage(saved.readAll().toStdString()), query.toStdString());
    const QString package = QString::fromStdString((folder_ / "lesson.zip").string());
    ASSERT_TRUE(dialog.SaveScormTo(package));
    QProcess list;
    list.start(
        "python3",
        {"-c", "import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist())", package});
    ASSERT_TRUE(list.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(list.readAllStandardOutput()).trimmed(),
              "imsmanifest.xml tessilar.html");

    // Without the browser edition's page there is nothing to copy, and nothing is written.
    std::filesystem::remove_all(folder_ / "web");
    const QString none = QString::fromStdString((folder_ / "none.html").string());
    EXPECT_FALSE(dialog.SavePageTo(none));
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST_F(DialogTest, AboutBoxSaysTheTeachersSettingsInForce) {
    WriteCatalogue("S0763=In force:\nS0767=real air\nS0769=droplets: %1\n[Settings]\nRealAir=1\n"
                   "Droplets=3\n");
    int plainHeight = 0;
    EXPECT_EQ(ShowAnd(*about, [&] { about->done(mrOk); }), mrOk);
    EXPECT_TRUE(about->Label6->isVisibleTo(about.get()));
    EXPECT_EQ(about->Label6->text(), "In force:\nreal air\ndroplets: 3");
    EXPECT_GT(about->OKBtn->y(), about->Label6->y() + about->Label6->height());
    plainHeight = about->height();
    WriteCatalogue("");
    EXPECT_EQ(ShowAnd(*about, [&] { about->done(mrOk); }), mrOk);
    EXPECT_FALSE(about->Label6->isVisibleTo(about.get()));
    EXPECT_LT(about->height(), plainHeight);
}
