// The text catalogue against hostile files and folders: catalogues that are folders, pipes,
// devices, loops, unreadable, empty or cut off anywhere; program and language folders with odd
// names or hundreds of siblings. Every lookup must return at once, and a text that cannot be read
// is "None".
#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextEncoding.h"
#include "tests/catalogue/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace Data;
namespace fs = std::filesystem;

namespace {

/// Each test gets an empty program folder of its own; the program's folder state is restored.
class HostileCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedExeDir_ = ExeDir;
        savedLangDir_ = LangDir;
        UseProgramFolder(program.Dir());
    }
    void TearDown() override {
        CloseTextCatalogue();
        ExeDir = savedExeDir_;
        LangDir = savedLangDir_;
    }

    static void UseProgramFolder(const std::string& dir) {
        ExeDir = dir;
        LangDir.clear();
        CloseTextCatalogue();
    }

    /// The texts the windows use, all of which must be "None".
    static void ExpectAllNone(const std::string& what) {
        for (int n : {1, 2, 4, 5, 11, 17, 200, 256, 401, 406})
            EXPECT_EQ(GetText(n), "None") << what << ", text " << n;
    }

    TempFolder program;

private:
    std::string savedExeDir_;
    std::string savedLangDir_;
};

const std::string FullCatalogue =
    "[General]\r\nS0001=OK\r\nS0005= V\xC3\xA9ge, kil\xC3\xA9p\xC3\xA9s "
    "\r\nS0401=\"About\"\r\n";

} // namespace

// --- Catalogues that are no plain readable file ---------------------------------------------

TEST_F(HostileCatalogueTest, ACatalogueThatIsAFolderGivesNone) {
    fs::create_directories(program.Path() / "Tessilar.ini" / "General");
    program.Write("Tessilar.ini/S0001", "not a catalogue");
    ExpectAllNone("folder in the program folder");
    // The same in a language folder.
    fs::create_directories(program.Path() / "English" / "TESSILAR.INI");
    ChooseLanguage("English");
    ExpectAllNone("folder in the language folder");
}

TEST_F(HostileCatalogueTest, AnUnreadableCatalogueGivesNone) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    const std::string path = program.Write("Tessilar.ini", FullCatalogue);
    fs::permissions(path, fs::perms::none);
    ExpectAllNone("mode 000");
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(GetText(1), "OK"); // read afresh once it is readable again
}

TEST_F(HostileCatalogueTest, AnUnreadableProgramFolderGivesNone) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every folder";
    program.Write("Locked/Tessilar.ini", FullCatalogue);
    fs::permissions(program.Path() / "Locked", fs::perms::none);
    UseProgramFolder(program.Dir() + "Locked/");
    ExpectAllNone("folder of mode 000");
    fs::permissions(program.Path() / "Locked", fs::perms::owner_all);
}

TEST_F(HostileCatalogueTest, PipesDevicesAndBrokenLinksGiveNoneWithoutWaiting) {
    // A pipe with no writer would block a reader for ever; a device may never end.
    struct Case {
        const char* what;
        std::string target; // what the catalogue's name points to; empty for a pipe
    };
    const Case cases[] = {
        {"pipe", ""},
        {"link to an endless device", "/dev/zero"},
        {"link to a random device", "/dev/urandom"},
        {"link to nothing", "missing.ini"},
        {"link to itself", "Tessilar.ini"},
        {"link to a folder", "/"},
    };
    for (const Case& c : cases) {
        const fs::path catalogue = program.Path() / "Tessilar.ini";
        fs::remove(catalogue);
        if (c.target.empty())
            ASSERT_EQ(::mkfifo(catalogue.c_str(), 0600), 0);
        else
            fs::create_symlink(c.target, catalogue);
        CloseTextCatalogue();
        ExpectAllNone(c.what);
    }
}

TEST_F(HostileCatalogueTest, ALinkToAPlainCatalogueIsFollowed) {
    TempFolder elsewhere;
    elsewhere.Write("real.ini", FullCatalogue);
    fs::create_symlink(elsewhere.Path() / "real.ini", program.Path() / "Tessilar.ini");
    EXPECT_EQ(GetText(1), "OK");
}

// --- Catalogues with little or broken content -----------------------------------------------

TEST_F(HostileCatalogueTest, EmptyOrSectionOnlyCataloguesGiveNone) {
    const std::string contents[] = {
        "",
        "\n",
        "\r",
        "\r\n\r\n",
        "[General]",
        "[General]\n",
        "[General]\r",
        "[General]\r\n",
        "\xEF\xBB\xBF",
        "\xEF\xBB\xBF[General]",
        "[General]\n[General]\n",
        "[]\n=\n",
        "=\n",
        std::string(4, '\0'),
        "[Gen" + std::string(1, '\0') + "eral]\nS0001=x\n",
        "[General]\nS0001",
        "[General]\nS00",
        "[Gen",
        "[",
    };
    for (const std::string& content : contents) {
        program.Write("Tessilar.ini", content);
        ExpectAllNone("content \"" + content + "\"");
    }
}

TEST_F(HostileCatalogueTest, ACatalogueCutOffAnywhereGivesNoneOrTheTextSoFar) {
    // Cut after every byte: each text is missing or is what was written of its value before the
    // cut (a UTF-8 text whose last character lost its tail then reads as 8-bit text); once its
    // line end is there, the text is whole.
    struct Text {
        int n;
        std::string value; // as written after "=", blanks and quotes included
        std::string whole;
    };
    const Text texts[] = {
        {1, "OK", "OK"},
        {5, " V\xC3\xA9ge, kil\xC3\xA9p\xC3\xA9s ", "Vége, kilépés"},
        {401, "\"About\"", "About"},
    };
    for (std::size_t cut = 0; cut <= FullCatalogue.size(); ++cut) {
        const std::string content = FullCatalogue.substr(0, cut);
        program.Write("Tessilar.ini", content);
        for (const Text& t : texts) {
            SCOPED_TRACE("text " + std::to_string(t.n) + " cut after " + std::to_string(cut));
            const std::string text = GetText(t.n);
            if (content.find(t.value + "\r\n") != std::string::npos) {
                EXPECT_EQ(text, t.whole);
                continue;
            }
            std::vector<std::string> possible = {"None"};
            for (std::size_t k = 0; k <= t.value.size(); ++k) {
                std::string part = t.value.substr(0, k);
                part.erase(0, part.find_first_not_of(' '));
                part.erase(part.find_last_not_of(' ') + 1);
                if (part.size() >= 2 && part.front() == '"' && part.back() == '"')
                    part = part.substr(1, part.size() - 2);
                possible.push_back(CatalogueTextToUtf8(part, MaxTextBytes));
            }
            EXPECT_NE(std::find(possible.begin(), possible.end(), text), possible.end()) << text;
        }
    }
}

TEST_F(HostileCatalogueTest, CrOnlyLineEndsReadLikeAnyOther) {
    program.Write("Tessilar.ini",
                  "[Other]\rS0001=no\r[General]\rS0001=OK\rS0004=S\xFAg\xF3\rS0401=About");
    EXPECT_EQ(GetText(1), "OK");
    EXPECT_EQ(GetText(4), "Súgó"); // 8-bit code page
    EXPECT_EQ(GetText(401), "About");
    EXPECT_EQ(GetText(5), "None");
}

TEST_F(HostileCatalogueTest, ValuesAroundTheLimitAreCutToAtMost2047Bytes) {
    const std::string fits(2047, 'a');
    const std::string over(2048, 'b');
    struct Case {
        const char* what;
        std::string content;
        std::string text;
        std::string next; // text 2
    };
    const Case cases[] = {
        {"2,047 bytes, last line, no line end", "[General]\nS0001=" + fits, fits, "None"},
        {"2,048 bytes, last line, no line end", "[General]\nS0001=" + over, over.substr(0, 2047),
         "None"},
        {"2,047 bytes, CR only", "[General]\rS0001=" + fits + "\rS0002=x\r", fits, "x"},
        {"2,048 bytes, CR only", "[General]\rS0001=" + over + "\rS0002=x\r", over.substr(0, 2047),
         "x"},
        {"2,048 bytes in quotes", "[General]\nS0001='" + over + "'\n", over.substr(0, 2047),
         "None"},
        {"NUL after 2,047 bytes", "[General]\nS0001=" + fits + '\0' + "zz\nS0002=y\n", fits, "y"},
        {"unmatched quote and 2,047 bytes", "[General]\nS0001=\"" + fits + "\n",
         "\"" + fits.substr(0, 2046), "None"},
        {"4,096 bytes before the key", "[General]\nS0000=" + over + over + "\nS0001=after\n",
         "after", "None"},
    };
    for (const Case& c : cases) {
        program.Write("Tessilar.ini", c.content);
        EXPECT_EQ(GetText(1), c.text) << c.what;
        EXPECT_EQ(GetText(2), c.next) << c.what;
    }
}

// --- Odd program and language folders -------------------------------------------------------

TEST_F(HostileCatalogueTest, ProgramFolderWithBlanksAccentsAndDotsIsRead) {
    for (const char* name : {"Program Files (x86)/Tessilar 1.0", "Tessilár ő ű", "a.b.c", "..x",
                             "with;semicolon=and[brackets]", "tab\there"}) {
        SCOPED_TRACE(name);
        program.Write(std::string(name) + "/Tessilar.ini",
                      "[General]\nS0001=\"" + std::string(name) + "\"");
        UseProgramFolder(program.Dir() + name + "/");
        EXPECT_EQ(GetText(1), name);
    }
}

TEST_F(HostileCatalogueTest, LanguageFoldersWithOddNamesAreListedAndRead) {
    const std::vector<std::string> names = {
        "English (UK)",   "Español",        "Magyar nyelv",    "v1.2", "русский", "日本語",
        "ends with dot.", " leading blank", "trailing blank ", "a\\b",
        "Espa\xF1ol", // Latin-1 bytes: a name that is no UTF-8
    };
    for (const std::string& name : names)
        program.Write(name + "/Tessilar.ini", "[General]\nS0001=\"" + name + "\"\n");
    std::vector<std::string> listed = LanguageFolders(ExeDir);
    std::vector<std::string> expected = names;
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    for (const std::string& name : names) {
        ChooseLanguage(name);
        // The Latin-1 name written into its catalogue reads as 8-bit text, like any catalogue.
        EXPECT_EQ(GetText(1), CatalogueTextToUtf8(name, MaxTextBytes)) << name;
    }
}

TEST_F(HostileCatalogueTest, FiveHundredLanguageFoldersAreAllListedInOrder) {
    constexpr int Count = 500;
    for (int i = 0; i < Count; ++i) {
        const std::string name = "Lang " + std::to_string(1000 + i).substr(1);
        // Every other folder holds a catalogue; plain files and hidden folders lie between them.
        if (i % 2 == 0)
            program.Write(name + "/Tessilar.ini", "[General]\nS0001=" + name + "\n");
        else
            fs::create_directory(program.Path() / name);
        program.Write(name + ".txt", "");
        fs::create_directory(program.Path() / ("." + name));
    }
    const std::vector<std::string> listed = LanguageFolders(ExeDir);
    ASSERT_EQ(listed.size(), static_cast<std::size_t>(Count));
    for (int i = 0; i < Count; ++i)
        EXPECT_EQ(listed[static_cast<std::size_t>(i)],
                  "Lang " + std::to_string(1000 + i).substr(1));
    ChooseLanguage("Lang 250");
    EXPECT_EQ(GetText(1), "Lang 250");
    ChooseLanguage("Lang 251");
    EXPECT_EQ(GetText(1), "None");
}

TEST_F(HostileCatalogueTest, ALinkedLanguageFolderIsReadAndALoopIsNotListed) {
    TempFolder elsewhere;
    elsewhere.Write("Tessilar.ini", "[General]\nS0001=linked\n");
    fs::create_directory_symlink(elsewhere.Path(), program.Path() / "Linked");
    fs::create_symlink("Loop B", program.Path() / "Loop A");
    fs::create_symlink("Loop A", program.Path() / "Loop B");
    EXPECT_EQ(LanguageFolders(ExeDir), std::vector<std::string>{"Linked"});
    ChooseLanguage("Linked");
    EXPECT_EQ(GetText(1), "linked");
    // Chosen by name all the same (the dialog never offers it): no catalogue, no hang.
    ChooseLanguage("Loop A");
    ExpectAllNone("link loop as the language folder");
}

TEST_F(HostileCatalogueTest, ALanguageFolderThatDisappearsGivesNoneUntilItComesBack) {
    program.Write("English/Tessilar.ini", "[General]\nS0001=OK\n");
    ChooseLanguage("English");
    ASSERT_EQ(GetText(1), "OK");
    fs::rename(program.Path() / "English", program.Path() / "Gone");
    ExpectAllNone("language folder renamed");
    fs::create_directory(program.Path() / "English");
    fs::create_directory(program.Path() / "English" / "Tessilar.ini");
    ExpectAllNone("catalogue replaced by a folder");
    fs::remove(program.Path() / "English" / "Tessilar.ini");
    fs::rename(program.Path() / "Gone" / "Tessilar.ini",
               program.Path() / "English" / "Tessilar.ini");
    EXPECT_EQ(GetText(1), "OK");
}

TEST_F(HostileCatalogueTest, AMissingProgramFolderGivesNone) {
    UseProgramFolder(program.Dir() + "does not exist/");
    ExpectAllNone("missing program folder");
    EXPECT_TRUE(LanguageFolders(ExeDir).empty());
}
