// The catalogues shipped with the program: every text present, and mnemonics that work.
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace Data;

namespace {

/// Every text the program names (catalogue/TextNumbers.h, read as the page's generator reads it):
/// the number on each line "inline constexpr int Name = number;".
std::vector<int> NamedNumbers() {
    std::ifstream header(TESSILAR_SOURCE_DIR "/catalogue/TextNumbers.h");
    std::vector<int> numbers;
    const std::string declaration = "inline constexpr int ";
    for (std::string line; std::getline(header, line);) {
        const std::size_t at = line.find(declaration), equals = line.find(" = ");
        if (at != 0 || equals == std::string::npos) continue;
        numbers.push_back(std::stoi(line.substr(equals + 3)));
    }
    return numbers;
}

std::map<int, std::string> ReadCatalogue(const std::string& relative) {
    OpenTextCatalogue(std::string(TESSILAR_DIST_DIR) + "/" + relative);
    std::map<int, std::string> texts;
    for (int n : NamedNumbers())
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
    ASSERT_GT(texts.size(), 100u) << "the named texts were not found";
    for (const auto& [n, text] : texts) {
        EXPECT_NE(text, "None") << n;
        EXPECT_FALSE(text.empty()) << n;
    }
    // The main window's menu bar and buttons share one set of keys; the help menu has its own.
    using namespace Texts;
    const std::set<int> withMnemonic = {HelpMenu,
                                        End,
                                        InjectButton,
                                        ReverseButton,
                                        SupplyButton,
                                        DescriptionItem,
                                        LanguageItem,
                                        MeasurementMenu,
                                        NotebookItem,
                                        IoniseItem,
                                        BrownianItem,
                                        RealAirItem,
                                        TeacherSettingsItem,
                                        CalculationsBox,
                                        BrownianBox,
                                        RealAirBox,
                                        CopyAddress,
                                        SavePage,
                                        SaveScorm};
    const std::set<int> windowKeys[] = {
        {HelpMenu, End, InjectButton, ReverseButton, SupplyButton, MeasurementMenu},
        {DescriptionItem, LanguageItem, TeacherSettingsItem},
        {CalculationsBox, BrownianBox, RealAirBox, CopyAddress, SavePage, SaveScorm},
        {NotebookItem, IoniseItem, BrownianItem, RealAirItem}};
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
    EXPECT_LE(Characters(texts.at(AboutHeading)), 25u);
    for (int n : {AboutLine2, AboutLine3, AboutLine4, AboutLine5})
        EXPECT_LE(Characters(texts.at(n)), 50u) << n;
    EXPECT_NE(texts.at(AboutLine3).find("1.0.0"), std::string::npos);
    EXPECT_EQ(texts.at(AboutLine4), "MIT License");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedCatalogue,
                         ::testing::Values("Tessilar.ini", "Magyar/Tessilar.ini",
                                           "English/Tessilar.ini", "Deutsch/Tessilar.ini",
                                           "Français/Tessilar.ini", "Español/Tessilar.ini"));

TEST(ShippedCatalogues, HungarianTextsAreTheDefaultAndTheMagyarFolders) {
    const std::map<int, std::string> program = ReadCatalogue("Tessilar.ini");
    EXPECT_EQ(ReadCatalogue("Magyar/Tessilar.ini"), program);
    EXPECT_EQ(program.at(Texts::TemperaturePanel), "Hőmérséklet");
    EXPECT_EQ(program.at(Texts::MainTitle), "Tessilar-kísérlet");
    EXPECT_EQ(program.at(Texts::About), "Névjegy");
    EXPECT_EQ(program.at(Texts::LanguageItem), "&Nyelv…");
    const std::map<int, std::string> english = ReadCatalogue("English/Tessilar.ini");
    EXPECT_EQ(english.at(Texts::MainTitle), "Tessilar experiment");
    EXPECT_EQ(english.at(Texts::About), "About");
    EXPECT_EQ(english.at(Texts::LanguageItem), "&Language…");
}
