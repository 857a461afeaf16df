// Captions with keyboard mnemonics, as labels show them.
#include "ui/layer/Captions.h"

#include <QString>
#include <gtest/gtest.h>

TEST(Captions, WithoutMnemonicsRemovesMarksAndKeepsDoubledAmpersands) {
    struct Case {
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {"&Vége", "Vége"},
        {"A&&B", "A&B"},
        {"x&", "x"},
        {"", ""},
        {"&", ""},
        {"&&", "&"},
        {"&&&F", "&F"},
        {"Be&állítás", "Beállítás"},
        {"no marks", "no marks"},
        {"&a&b", "ab"},
        {"&&x&", "&x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithoutMnemonics(QString::fromUtf8(c.caption)), QString::fromUtf8(c.shown))
            << c.caption;
}

TEST(Captions, EscapedTextShowsAsItStands) {
    for (const char* text : {"", "Vége", "A&B", "&&", "x&", "R&D & Co"}) {
        const QString shown = QString::fromUtf8(text);
        EXPECT_EQ(WithoutMnemonics(EscapeMnemonics(shown)), shown) << text;
    }
    EXPECT_EQ(EscapeMnemonics("A&B"), "A&&B");
}
