// Catalogue texts to UTF-8: UTF-8 kept, Windows-1250 converted, and the cut at the length limit.
#include "catalogue/TextEncoding.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace Data;

TEST(TextEncoding, WellFormedUtf8IsKeptAsItIs) {
    const std::string texts[] = {
        "",         "Befecskendezés", "Hőmérséklet", "ŐŰőű", "€ 100", "\xF0\x9F\x94\xAC micro",
        "\x7F\x01", // control characters are still well-formed
    };
    for (const std::string& text : texts) {
        EXPECT_TRUE(IsValidUtf8(text)) << text;
        EXPECT_EQ(CatalogueTextToUtf8(text, 2047), text);
    }
}

TEST(TextEncoding, IllFormedUtf8IsRecognised) {
    struct Case {
        std::string bytes;
        std::size_t validPrefix;
    };
    const Case cases[] = {
        {"ab\x80", 2},           // stray continuation byte
        {"\xC0\xAF", 0},         // overlong '/'
        {"\xE0\x80\xAF", 0},     // overlong three-byte form
        {"\xED\xA0\x80", 0},     // surrogate
        {"\xF4\x90\x80\x80", 0}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", 0}, // no such lead byte
        {"x\xC5", 1},            // sequence cut off at the end
        {"\xC5\x91\xC5 ", 2},    // second byte missing inside the text
        {"ok\xE2\x82", 2},       // three-byte sequence missing its last byte
        {"H\xF5m\xE9rs\xE9klet", 1},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(IsValidUtf8(c.bytes)) << c.bytes;
        EXPECT_EQ(ValidUtf8PrefixLength(c.bytes), c.validPrefix) << c.bytes;
    }
}

TEST(TextEncoding, HungarianEightBitTextBecomesUtf8) {
    struct Case {
        const char* bytes;
        const char* utf8;
    };
    const Case cases[] = {
        {"\xF5", "ő"},
        {"\xFB", "ű"},
        {"\xD5", "Ő"},
        {"\xDB", "Ű"},
        {"\xE1\xE9\xED\xF3\xF6\xFA\xFC", "áéíóöúü"},
        {"\xC1\xC9\xCD\xD3\xD6\xDA\xDC", "ÁÉÍÓÖÚÜ"},
        {"H\xF5m\xE9rs\xE9klet", "Hőmérséklet"},
        {"\x80 \x8A\x8E \x9A\x9E", "€ ŠŽ šž"},
        {"\x84\x94\x96\x85", "„”–…"},
        {"\xA0\xA7\xB0\xFF", "\u00A0§°˙"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1250ToUtf8(c.bytes), c.utf8) << c.utf8;
        EXPECT_EQ(CatalogueTextToUtf8(c.bytes, 2047), c.utf8) << c.utf8;
    }
}

TEST(TextEncoding, MixedTextIsReadWhollyAsEightBit) {
    // One byte that is not UTF-8 makes the whole value 8-bit, including bytes that looked like
    // UTF-8 ("\xC5\x91" is "ő" in UTF-8 but "Ĺ‘" in Windows-1250).
    EXPECT_EQ(CatalogueTextToUtf8("\xC5\x91 \xF5", 2047), "Ĺ‘ ő");
}

TEST(TextEncoding, EveryByteHasItsOwnCharacterExceptTheUnassignedFive) {
    std::set<std::string> seen;
    int replaced = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = Windows1250ToUtf8(std::string(1, static_cast<char>(b)));
        ASSERT_TRUE(IsValidUtf8(utf8)) << b;
        if (b < 0x80) {
            EXPECT_EQ(utf8, std::string(1, static_cast<char>(b)));
        }
        if (utf8 == "\uFFFD") {
            ++replaced;
        } else {
            EXPECT_TRUE(seen.insert(utf8).second) << "byte " << b << " repeats " << utf8;
        }
    }
    EXPECT_EQ(replaced, 5);
    for (const char* unassigned : {"\x81", "\x83", "\x88", "\x90", "\x98"})
        EXPECT_EQ(Windows1250ToUtf8(unassigned), "\uFFFD");
}

TEST(TextEncoding, CutDropsAUtf8CharacterItSplits) {
    struct Case {
        std::string bytes;
        std::size_t limit;
        std::string expected;
    };
    const Case cases[] = {
        {"abcdef", 4, "abcd"},               // plain cut
        {"ab\xC5\x91", 4, "ab\xC5\x91"},     // no cut needed
        {"abc\xC5\x91", 4, "abc"},           // two-byte character split
        {"ab\xE2\x82\xAC", 4, "ab"},         // euro sign split after two bytes
        {"a\xF0\x9F\x94\xAC", 4, "a"},       // four-byte character split
        {"abc\xF5\xFB", 4, "abc\u0151"},     // 8-bit text: the cut splits nothing
        {"\xE9\xC5\x91", 2, "\u00E9\u0139"}, // 8-bit before the cut decides
        {"ab\xC5", 3, "ab\u0139"},           // a lone lead byte at the end is 8-bit
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueTextToUtf8(c.bytes, c.limit), c.expected);
}
