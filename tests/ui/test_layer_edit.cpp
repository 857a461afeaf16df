// The edit field behaviour the windows rely on: the change handler runs synchronously on every
// change of the text, typed or set, nested when the handler itself changes the text, and not at
// all when the text set is the one already there.
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

TEST(EditField, ChangeHandlerRunsSynchronouslyOnEachNewText) {
    QLineEdit field;
    std::vector<QString> seen;
    QObject::connect(&field, &QLineEdit::textChanged, [&](const QString& text) {
        seen.push_back(text);
        EXPECT_EQ(field.text(), text) << "the field already holds the new text";
    });

    field.setText("500");
    EXPECT_EQ(seen, std::vector<QString>{"500"}) << "ran before setText returned";
    field.setText("500");
    EXPECT_EQ(seen.size(), 1u) << "the same text again runs nothing";
    field.setText("");
    field.setText("12");
    EXPECT_EQ(seen, (std::vector<QString>{"500", "", "12"}));
}

TEST(EditField, TypingRunsTheHandlerForEveryKeystroke) {
    QLineEdit field;
    std::vector<QString> seen;
    QObject::connect(&field, &QLineEdit::textChanged,
                     [&](const QString& text) { seen.push_back(text); });
    QTest::keyClicks(&field, "25");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(seen, (std::vector<QString>{"2", "25", "2"}));
}

TEST(EditField, SettingTheTextInsideTheHandlerRunsItAgainNested) {
    QLineEdit field;
    std::vector<QString> trace;
    int depth = 0;
    QObject::connect(&field, &QLineEdit::textChanged, [&](const QString& text) {
        ++depth;
        trace.push_back(QString("enter %1 at %2").arg(text).arg(depth));
        if (text == "abc") field.setText("ABC"); // a handler correcting its own field
        trace.push_back(QString("leave %1").arg(text));
        --depth;
    });
    field.setText("abc");
    EXPECT_EQ(trace,
              (std::vector<QString>{"enter abc at 1", "enter ABC at 2", "leave ABC", "leave abc"}));
    EXPECT_EQ(field.text(), "ABC");
}
