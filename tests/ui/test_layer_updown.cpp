// Spin buttons attached to an edit field: positions written into the field (running its change
// handler once), clamping, stepping from a typed value, and the Up and Down keys in the field.
#include "ui/layer/UpDown.h"

#include <QLineEdit>
#include <QString>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

/// A field with spin buttons attached, recording every run of the field's change handler.
struct SpinField {
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    TUpDown* spin = new TUpDown(&window);
    std::vector<QString> handled;

    SpinField(int min, int max, int increment) {
        field->setGeometry(0, 0, 60, 21);
        spin->setGeometry(60, 0, 15, 22);
        spin->SetRange(min, max);
        spin->SetIncrement(increment);
        spin->SetAssociate(field);
        spin->SetFieldReader([](const QString& text) -> std::optional<long long> {
            bool ok = false;
            const int n = text.toInt(&ok);
            return ok ? std::optional<long long>(n) : std::nullopt;
        });
        QObject::connect(field, &QLineEdit::textChanged,
                         [this](const QString& text) { handled.push_back(text); });
    }
    /// Puts a text into the field, as typing it would, and forgets the handler runs that caused.
    void Type(const QString& text) {
        field->setText(text);
        handled.clear();
    }
};

} // namespace

TEST(UpDown, SetPositionWritesTheNumberAndRunsTheFieldHandlerOnce) {
    SpinField s(0, 995, 2);
    s.spin->SetPosition(500);
    EXPECT_EQ(s.spin->Position(), 500);
    EXPECT_EQ(s.field->text(), "500");
    EXPECT_EQ(s.handled, std::vector<QString>{"500"});

    s.Type("35.00");
    s.spin->SetPosition(500);
    EXPECT_EQ(s.field->text(), "35.00") << "the same position writes nothing";
    EXPECT_TRUE(s.handled.empty());

    s.spin->SetPosition(7);
    EXPECT_EQ(s.handled, std::vector<QString>{"7"});
}

TEST(UpDown, SetPositionClampsToTheRange) {
    struct Case {
        int min, max, asked, expected;
    };
    for (const Case& c : {Case{0, 995, 2000, 995}, Case{0, 995, -5, 0}, Case{-10, 10, -11, -10},
                          Case{0, 100, INT_MAX, 100}, Case{0, 100, INT_MIN, 0}}) {
        SCOPED_TRACE(c.asked);
        SpinField s(c.min, c.max, 1);
        s.spin->SetPosition(1); // inside every range, away from the ends
        s.spin->SetPosition(c.asked);
        EXPECT_EQ(s.spin->Position(), c.expected);
        EXPECT_EQ(s.field->text(), QString::number(c.expected));
    }
}

TEST(UpDown, StepsFromTheTypedNumberOrElseFromItsOwnPosition) {
    struct Case {
        const char* name;
        int min, max, increment, position;
        const char* typed;
        int direction, expected;
    };
    const Case cases[] = {
        {"typed value up", 0, 995, 2, 0, "500", 1, 502},
        {"typed value down", 0, 995, 2, 0, "500", -1, 498},
        {"not an integer: own position", 0, 995, 2, 30, "35.00", 1, 32},
        {"not a number: own position", 0, 995, 2, 30, "abc", -1, 28},
        {"stops at the top", 0, 995, 2, 0, "994", 1, 995},
        {"stops at the bottom", 0, 995, 2, 10, "1", -1, 0},
        {"negative range", -10, 10, 3, 0, "-4", 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpinField s(c.min, c.max, c.increment);
        s.spin->SetPosition(c.position);
        s.Type(c.typed);
        s.spin->Step(c.direction);
        EXPECT_EQ(s.spin->Position(), c.expected);
        EXPECT_EQ(s.field->text(), QString::number(c.expected));
        EXPECT_EQ(s.handled, std::vector<QString>{QString::number(c.expected)});
    }
}

TEST(UpDown, StepAtTheEndOfTheRangeChangesNothing) {
    SpinField s(0, 995, 2);
    s.spin->SetPosition(994);
    s.spin->Step(1);
    s.spin->Step(1);
    EXPECT_EQ(s.spin->Position(), 995);
    EXPECT_EQ(s.handled, (std::vector<QString>{"994", "995"}));
}

TEST(UpDown, UpAndDownKeysInTheFieldStep) {
    SpinField s(0, 995, 2);
    s.spin->SetPosition(500);
    s.handled.clear();
    QTest::keyClick(s.field, Qt::Key_Up);
    EXPECT_EQ(s.field->text(), "502");
    QTest::keyClick(s.field, Qt::Key_Down);
    QTest::keyClick(s.field, Qt::Key_Down);
    EXPECT_EQ(s.field->text(), "498");
    EXPECT_EQ(s.handled, (std::vector<QString>{"502", "500", "498"}));
    // Other keys still reach the field.
    QTest::keyClick(s.field, Qt::Key_1);
    EXPECT_EQ(s.field->text(), "4981");
}

TEST(UpDown, ClickOnTheUpperOrLowerHalfSteps) {
    SpinField s(0, 995, 2);
    s.spin->SetPosition(100);
    QTest::mouseClick(s.spin, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_EQ(s.spin->Position(), 102);
    QTest::mouseClick(s.spin, Qt::LeftButton, {}, QPoint(7, 18));
    QTest::mouseClick(s.spin, Qt::LeftButton, {}, QPoint(7, 18));
    EXPECT_EQ(s.spin->Position(), 98);
    EXPECT_EQ(s.field->text(), "98");
}

TEST(UpDown, DetachedSpinButtonsKeepTheirPositionOnly) {
    SpinField s(0, 995, 2);
    s.spin->SetAssociate(nullptr);
    s.spin->SetPosition(40);
    EXPECT_EQ(s.spin->Position(), 40);
    EXPECT_TRUE(s.handled.empty());
    QTest::keyClick(s.field, Qt::Key_Up);
    EXPECT_EQ(s.spin->Position(), 40) << "the field's keys no longer reach the spin buttons";
}
