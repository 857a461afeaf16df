// GetText, the open catalogue, the language choice and the program folder.
#include "catalogue/ProgramFolder.h"
#include "catalogue/TextCatalogue.h"
#include "tests/catalogue/TempFolder.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using namespace Data;
namespace fs = std::filesystem;

namespace {

/// Each test gets an empty program folder of its own; the program's folder state is restored.
class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedExeDir_ = ExeDir;
        savedLangDir_ = LangDir;
        ExeDir = program.Dir();
        LangDir.clear();
        CloseTextCatalogue();
    }
    void TearDown() override {
        CloseTextCatalogue();
        ExeDir = savedExeDir_;
        LangDir = savedLangDir_;
    }

    /// A catalogue whose only text is number 401.
    void WriteAbout(const std::string& relative, const std::string& text) {
        program.Write(relative, "[General]\r\nS0401=" + text + "\r\n");
    }

    TempFolder program;

private:
    std::string savedExeDir_;
    std::string savedLangDir_;
};

} // namespace

TEST(CatalogueKey, IsSAndFourDigitsForTheUsedNumbers) {
    struct Case {
        int n;
        const char* key;
    };
    const Case cases[] = {
        {1, "S0001"},
        {5, "S0005"},
        {17, "S0017"},
        {200, "S0200"},
        {401, "S0401"},
        {9999, "S9999"},
        {0, "S0000"},
        {10000, "S0000"},
        {12345, "S2345"},
        {-1, "S999"},
        {-10000, "S"},
        {-10001, "S1"},
        {INT_MAX, "S147493647"},
        {INT_MIN, "S2147473648"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueKey(c.n), c.key) << c.n;
}

TEST_F(CatalogueTest, WithoutACatalogueEveryTextIsNone) {
    for (int n : {1, 2, 4, 5, 11, 12, 13, 14, 15, 16, 17, 18, 200, 256, 257, 401, 402, 406})
        EXPECT_EQ(GetText(n), "None") << n;
}

TEST_F(CatalogueTest, ReadsTheProgramFoldersCatalogue) {
    program.Write("Tessilar.ini", "[Other]\nS0004=x\n[General]\nS0005=V\xC3\xA9ge\nS0017=\n"
                                  "S0016=H\xF5m\xE9rs\xE9klet\n");
    EXPECT_EQ(GetText(5), "Vége");
    EXPECT_EQ(GetText(16), "Hőmérséklet"); // saved in the 8-bit code page
    EXPECT_EQ(GetText(17), "");
    EXPECT_EQ(GetText(4), "None");
    EXPECT_EQ(GetText(10005), "Vége"); // same key "S0005"
}

TEST_F(CatalogueTest, FindsTheCatalogueWhateverItsLetterCase) {
    WriteAbout("TESSILAR.INI", "upper");
    EXPECT_EQ(GetText(401), "upper");
    WriteAbout("Tessilar.ini", "exact");
    EXPECT_EQ(GetText(401), "exact");
    // A folder of the exact name is no catalogue; the other spelling is used.
    fs::remove(program.Path() / "Tessilar.ini");
    fs::create_directory(program.Path() / "Tessilar.ini");
    EXPECT_EQ(GetText(401), "upper");
}

TEST_F(CatalogueTest, CutsTextsAt2047Bytes) {
    struct Case {
        std::string value;
        std::string text;
    };
    const Case cases[] = {
        {std::string(2047, 'a'), std::string(2047, 'a')},
        {std::string(2048, 'b'), std::string(2047, 'b')},
        {std::string(2046, 'c') + "ő", std::string(2046, 'c')}, // "ő" split: dropped whole
        {std::string(2045, 'd') + "ő", std::string(2045, 'd') + "ő"},
        {std::string(2048, '\xF5'),
         [] {
             std::string s;
             for (int i = 0; i < 2047; ++i)
                 s += "ő";
             return s;
         }()},
    };
    for (const Case& c : cases) {
        program.Write("Tessilar.ini", "[General]\nS0402=" + c.value + "\n");
        EXPECT_EQ(GetText(402), c.text) << c.value.size();
    }
}

TEST_F(CatalogueTest, ReadsTheFilesCurrentContentAtEachLookup) {
    EXPECT_EQ(GetText(401), "None");
    WriteAbout("Tessilar.ini", "About");
    EXPECT_EQ(GetText(401), "About");
    WriteAbout("Tessilar.ini", "Névjegy");
    EXPECT_EQ(GetText(401), "Névjegy");
}

TEST_F(CatalogueTest, StaysOnTheOpenCatalogueUntilClosed) {
    TempFolder other;
    WriteAbout("Tessilar.ini", "first");
    other.Write("Tessilar.ini", "[General]\nS0401=second\n");
    EXPECT_EQ(GetText(401), "first");
    ExeDir = other.Dir();
    EXPECT_EQ(GetText(401), "first");
    CloseTextCatalogue();
    EXPECT_EQ(GetText(401), "second");
    OpenTextCatalogue(program.Dir() + "Tessilar.ini");
    EXPECT_EQ(GetText(401), "first");
    ExeDir = program.Dir();
    // A catalogue held in memory, as the browser has them: read as a file would be (its
    // Windows-1250 text converted), until closed.
    OpenTextCatalogueText("\xEF\xBB\xBF[General]\r\nS0401=in memory\r\nS0402=\xE1rv\xEDz\r\n");
    EXPECT_EQ(GetText(401), "in memory");
    EXPECT_EQ(GetText(402), "árvíz");
    EXPECT_EQ(GetText(403), "None");
    CloseTextCatalogue();
    EXPECT_EQ(GetText(401), "first");
}

TEST_F(CatalogueTest, ALanguageFolderTakesThePlaceOfTheProgramFolder) {
    WriteAbout("Tessilar.ini", "Névjegy");
    WriteAbout("English/Tessilar.ini", "About");
    LangDir = ExeDir + "English";
    EXPECT_EQ(GetText(401), "About");
}

TEST_F(CatalogueTest, ChoosingALanguageSwitchesAtOnce) {
    WriteAbout("Tessilar.ini", "Névjegy");
    WriteAbout("English/Tessilar.ini", "About");
    WriteAbout("Deutsch/TESSILAR.INI", "Info");
    EXPECT_EQ(GetText(401), "Névjegy");

    ChooseLanguage("English");
    EXPECT_EQ(LangDir, program.Dir() + "English");
    EXPECT_EQ(GetText(401), "About");
    // Opened at once: later changes of the folders do not move it.
    LangDir = program.Dir() + "Deutsch";
    EXPECT_EQ(GetText(401), "About");

    ChooseLanguage("Deutsch");
    EXPECT_EQ(GetText(401), "Info");
    ChooseLanguage("Missing");
    EXPECT_EQ(GetText(401), "None");
}

TEST_F(CatalogueTest, ChoosingNoLanguageOnlyClosesTheCatalogue) {
    TempFolder other;
    WriteAbout("Tessilar.ini", "first");
    other.Write("Tessilar.ini", "[General]\nS0401=second\n");
    EXPECT_EQ(GetText(401), "first");
    ExeDir = other.Dir();
    ChooseLanguage("");
    EXPECT_TRUE(LangDir.empty());
    EXPECT_EQ(GetText(401), "second");
    ExeDir = program.Dir();
}

TEST(ProgramFolder, ExeDirIsTheFolderOfTheTestProgram) {
    ASSERT_FALSE(ExeDir.empty());
    EXPECT_EQ(ExeDir.back(), '/');
    EXPECT_TRUE(fs::equivalent(ExeDir, TESSILAR_TEST_PROGRAM_DIR)) << ExeDir;
    EXPECT_EQ(ExeDir, fs::canonical(ExeDir).string() + "/"); // links resolved
}

TEST(ProgramFolder, ResolvesSymbolicLinksToTheRealFolder) {
    TempFolder folder;
    const fs::path real = folder.Path() / "real";
    folder.Write("real/program", "");
    fs::create_directory(folder.Path() / "links");
    fs::create_symlink("../real/program", folder.Path() / "links" / "program");
    fs::create_directory_symlink(real, folder.Path() / "linked");
    const std::string expected = fs::canonical(real).string() + "/";
    EXPECT_EQ(ProgramFolderOf((real / "program").string()), expected);
    EXPECT_EQ(ProgramFolderOf((folder.Path() / "links" / "program").string()), expected);
    EXPECT_EQ(ProgramFolderOf((folder.Path() / "linked" / "program").string()), expected);
    EXPECT_EQ(ProgramFolderOf((folder.Path() / "missing").string()), "");
    fs::create_symlink("nowhere", folder.Path() / "broken");
    EXPECT_EQ(ProgramFolderOf((folder.Path() / "broken").string()), "");
}
