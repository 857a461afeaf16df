// The Description command where the system cannot open the RTF document: the program shows the
// guide in a window of its own, raises that same window when asked again, and names the files
// it looked for when the guide is missing; a language folder with a guide of its own has its own
// opened, and the window follows a change of language.
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/SystemOpenerStandIn.h"
#include "ui/DescriptionOpener.h"
#include "ui/GuideWindow.h"

#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>

namespace {
constexpr int Patience = 20000; // ms: a loaded machine may be slow to start a process
} // namespace

class GuideWindowTest : public MainWindowTest {
protected:
    void ShipGuide() {
        for (const char* name : {"TESSILAR.rtf", "TESSILAR.html"})
            std::filesystem::copy_file(std::filesystem::path(TESSILAR_DIST_DIR) / name,
                                       folder_ / name);
    }
    DescriptionOpener* Opener() const { return form->findChild<DescriptionOpener*>(); }
};

TEST_F(GuideWindowTest, ShownByTheProgramWhenTheSystemCannotOpenTheDocument) {
    ShipGuide();
    struct Case {
        const char* what;
        std::optional<int> exitStatus;
    };
    GuideWindow* first = nullptr;
    for (const Case c : {Case{"no xdg-open at all", std::nullopt}, Case{"xdg-open fails", 3}}) {
        SCOPED_TRACE(c.what);
        SystemOpenerStandIn opener(c.exitStatus);
        form->Sg1Click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Opener()->Window() && Opener()->Window()->isVisible(); }, Patience));
        GuideWindow* window = Opener()->Window();
        const QString text = window->Browser()->toPlainText();
        EXPECT_TRUE(text.contains(QString::fromUtf8("Kidolgozott példa")))
            << text.left(200).toStdString();
        EXPECT_TRUE(text.contains("Worked example"));
        EXPECT_TRUE(window->Browser()->isReadOnly());
        if (c.exitStatus) {
            EXPECT_EQ(opener.Opened(),
                      QStringList{QString::fromStdString((folder_ / "TESSILAR.rtf").string())});
        }
        // Asked again, the program raises the window it has rather than making another.
        if (first) {
            EXPECT_EQ(window, first);
        }
        first = window;
        EXPECT_EQ(form->findChildren<GuideWindow*>().size(), 1);
        window->close();
    }
}

TEST_F(GuideWindowTest, MissingGuideIsReportedWithTheFilesLookedFor) {
    SystemOpenerStandIn opener(0);
    form->Sg1Click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form->findChild<QMessageBox*>("GuideMessage"); }, Patience));
    const QString text = form->findChild<QMessageBox*>("GuideMessage")->text();
    EXPECT_TRUE(text.contains("TESSILAR.rtf"));
    EXPECT_TRUE(text.contains("TESSILAR.html"));
    EXPECT_TRUE(text.contains(QString::fromStdString(Data::ExeDir)));
    EXPECT_TRUE(opener.Opened().isEmpty()); // nothing to hand to the system
    EXPECT_EQ(Opener()->Window(), nullptr);
}

TEST_F(GuideWindowTest, ALanguageWithAGuideOfItsOwnOpensItsOwnAndTheWindowFollowsTheLanguage) {
    ShipGuide();
    const std::filesystem::path dist(TESSILAR_DIST_DIR);
    for (const char* folder : {"Deutsch", "English", "Español"}) {
        std::filesystem::create_directories(folder_ / folder);
        for (const char* name : {"Tessilar.ini", "TESSILAR.rtf", "TESSILAR.html"})
            if (std::filesystem::exists(dist / folder / name))
                std::filesystem::copy_file(dist / folder / name, folder_ / folder / name);
    }
    // The language chosen, the document handed to the system, and the title and a heading of
    // the window shown.
    struct Case {
        const char* folder;
        std::filesystem::path document;
        const char* title;
        const char* heading;
    };
    const Case cases[] = {
        {"Deutsch", folder_ / "Deutsch" / "TESSILAR.rtf", "Tessilar – Laboranleitung",
         "1. Ziel des Versuchs"},
        {"English", folder_ / "TESSILAR.rtf", "Tessilar – laboratory guide",
         "Worked example"}, // the bilingual guide
        {"Español", folder_ / "Español" / "TESSILAR.rtf", "Tessilar – guía de laboratorio",
         "1. Objetivo del experimento"},
    };
    SystemOpenerStandIn opener(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        Data::ChooseLanguage(c.folder);
        form->Sg1Click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return Opener()->Window() && Opener()->Window()->isVisible() &&
                       Opener()->Window()->Browser()->toPlainText().contains(
                           QString::fromUtf8(c.heading));
            },
            Patience));
        EXPECT_EQ(opener.Opened().back(), QString::fromStdString(c.document.string()));
        EXPECT_EQ(Opener()->Window()->windowTitle(), QString::fromUtf8(c.title));
        // The previous language's window has given way to this one.
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->findChildren<GuideWindow*>().size() == 1; },
                                    Patience));
    }
}
