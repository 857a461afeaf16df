// The Description command where the system cannot open the RTF document: the program shows the
// guide in a window of its own, raises that same window when asked again, and names the files
// it looked for when the guide is missing.
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
