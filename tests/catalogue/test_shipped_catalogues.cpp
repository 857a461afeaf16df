// The catalogues shipped with the program: every text present, and mnemonics that work.
#include "catalogue/TextCatalogue.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

using namespace Data;

namespace {

const int UsedNumbers[] = {
    1,   2,   4,   5,   11,  12,  13,  14,  15,  16,  17,  18,  20,  21,  22,  23,  200, 256, 257,
    401, 402, 403, 404, 405, 406, 500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512,
    513, 514, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 600,
    601, 602, 603, 604, 605, 606, 607, 608, 609, 610, 611, 612, 613, 614, 615, 616, 617, 618, 619,
    620, 621, 622, 623, 624, 625, 650, 651, 652, 653, 654, 655, 656, 657, 658, 659, 660, 661, 662,
    663, 664, 665, 666, 667, 668, 669, 670, 671, 672, 700, 701, 702, 703, 704, 705, 706, 707, 708,
    709, 710, 711, 712, 713, 714, 715, 716, 720, 721, 722, 723, 724, 725, 726, 727, 728, 729, 730};

std::map<int, std::string> ReadCatalogue(const std::string& relative) {
    OpenTextCatalogue(std::string(TESSILAR_DIST_DIR) + "/" + relative);
    std::map<int, std::string> texts;
    for (int n : UsedNumbers)
        texts[n] = GetText(n);
    CloseTextCatalogue();
    return texts;
}

std::size_t Characters(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

/// The mnemonic character of a text (the UTF-8 character after a single "&", ASCII letters in
/// lower case); empty when the text has none. Counts mnemonics into `marks`.
std::string Mnemonic(const std::string& text, int& marks) {
    std::string found;
    marks = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i; // "&&" shows an ampersand
            continue;
        }
        ++marks;
        std::size_t end = i + 2;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        found = text.substr(i + 1, end - i - 1);
        if (found.size() == 1 && found[0] >= 'A' && found[0] <= 'Z') found[0] += 'a' - 'A';
    }
    return found;
}

class ShippedCatalogue : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(ShippedCatalogue, HasEveryTextWithUsableMnemonics) {
    const std::map<int, std::string> texts = ReadCatalogue(GetParam());
    for (const auto& [n, text] : texts) {
        EXPECT_NE(text, "None") << n;
        EXPECT_FALSE(text.empty()) << n;
    }
    // The main window's menu bar and buttons share one set of keys; the help menu has its own.
    const std::set<int> withMnemonic = {4, 5, 11, 12, 13, 17, 18, 20, 21, 22, 23};
    const std::set<int> windowKeys[] = {{4, 5, 11, 12, 13, 20}, {17, 18}, {21, 22, 23}};
    for (const auto& [n, text] : texts) {
        int marks = 0;
        const std::string key = Mnemonic(text, marks);
        EXPECT_EQ(marks, withMnemonic.count(n) ? 1 : 0) << n << " " << text;
        if (withMnemonic.count(n)) {
            EXPECT_NE(key, " ") << n;
        }
    }
    for (const std::set<int>& group : windowKeys) {
        std::set<std::string> keys;
        for (int n : group) {
            int marks = 0;
            EXPECT_TRUE(keys.insert(Mnemonic(texts.at(n), marks)).second) << n;
        }
    }
    // The About box panel is 313 pixels wide.
    EXPECT_LE(Characters(texts.at(402)), 25u);
    for (int n : {403, 404, 405, 406})
        EXPECT_LE(Characters(texts.at(n)), 50u) << n;
    EXPECT_NE(texts.at(404).find("1.0.0"), std::string::npos);
    EXPECT_EQ(texts.at(405), "MIT License");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedCatalogue,
                         ::testing::Values("Tessilar.ini", "Magyar/Tessilar.ini",
                                           "English/Tessilar.ini"));

TEST(ShippedCatalogues, HungarianTextsAreTheDefaultAndTheMagyarFolders) {
    const std::map<int, std::string> program = ReadCatalogue("Tessilar.ini");
    EXPECT_EQ(ReadCatalogue("Magyar/Tessilar.ini"), program);
    EXPECT_EQ(program.at(16), "Hőmérséklet");
    EXPECT_EQ(program.at(200), "Tessilar-kísérlet");
    EXPECT_EQ(program.at(401), "Névjegy");
    EXPECT_EQ(program.at(18), "&Nyelv…");
    const std::map<int, std::string> english = ReadCatalogue("English/Tessilar.ini");
    EXPECT_EQ(english.at(200), "Tessilar experiment");
    EXPECT_EQ(english.at(401), "About");
    EXPECT_EQ(english.at(18), "&Language…");
}
