// Modal dialogs: the results of OK, Enter, Esc and the close box, and one activation step per
// showing. Each test drives the dialog's own message loop from a timer started before it runs.
#include "ui/layer/ModalDialog.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ProbeDialog : public TModalDialog {
public:
    int activations = 0;
    QPushButton* ok = new QPushButton("OK", this);

    ProbeDialog() {
        SetClientSize(200, 100);
        ok->setGeometry(60, 60, 75, 25);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { done(mrOk); });
    }

protected:
    void FormActivate() override { ++activations; }
};

constexpr int Stuck = 99; // what a dialog that never got its result returns

/// Shows the dialog modally and runs `action` from inside its loop once it is up.
int ShowAnd(ProbeDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        action();
    });
    QTimer guard; // ends a loop that the action failed to end, so the test fails and goes on
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(Stuck); });
    guard.start(5000);
    return dialog.ShowModal();
}

} // namespace

TEST(ModalDialog, ResultsOfTheWaysToCloseIt) {
    struct Case {
        const char* name;
        std::function<void(ProbeDialog&)> action;
        int result;
    };
    const Case cases[] = {
        {"OK button", [](ProbeDialog& d) { QTest::mouseClick(d.ok, Qt::LeftButton); }, mrOk},
        {"Enter answers the default button",
         [](ProbeDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, mrOk},
        {"accept", [](ProbeDialog& d) { d.accept(); }, mrOk},
        {"Esc", [](ProbeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, mrCancel},
        {"reject", [](ProbeDialog& d) { d.reject(); }, mrCancel},
        {"close box", [](ProbeDialog& d) { d.close(); }, mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeDialog dialog;
        EXPECT_EQ(ShowAnd(dialog, [&] { c.action(dialog); }), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(ModalDialog, ActivationRunsOncePerShowingBeforeTheLoopStarts) {
    ProbeDialog dialog;
    int seenInside = -1;
    EXPECT_EQ(ShowAnd(dialog,
                      [&] {
                          seenInside = dialog.activations;
                          dialog.close();
                      }),
              mrCancel);
    EXPECT_EQ(seenInside, 1);
    EXPECT_EQ(ShowAnd(dialog,
                      [&] {
                          seenInside = dialog.activations;
                          QTest::keyClick(&dialog, Qt::Key_Return);
                      }),
              mrOk);
    EXPECT_EQ(seenInside, 2);
    EXPECT_EQ(dialog.activations, 2);
}

TEST(ModalDialog, ADialogOverItDoesNotActivateItAgain) {
    ProbeDialog outer;
    int innerResult = -1;
    const int outerResult = ShowAnd(outer, [&] {
        ProbeDialog inner;
        innerResult = ShowAnd(inner, [&] { QTest::keyClick(&inner, Qt::Key_Escape); });
        EXPECT_EQ(inner.activations, 1);
        outer.accept();
    });
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(outerResult, mrOk);
    EXPECT_EQ(outer.activations, 1);
}

TEST(ModalDialog, MinimisingAndRestoringIsStillTheSameShowing) {
    ProbeDialog dialog;
    const int result = ShowAnd(dialog, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.setWindowState(Qt::WindowMinimized);
        QTest::qWait(20);
        dialog.setWindowState(Qt::WindowNoState);
        QTest::qWait(20);
        dialog.accept();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.activations, 1);
}
