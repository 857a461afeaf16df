// Finding files regardless of letter case, and listing the language folders.
#include "catalogue/FolderEntries.h"
#include "tests/catalogue/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using Data::FindFileIgnoringCase;
using Data::LanguageFolders;
namespace fs = std::filesystem;

TEST(FindFileIgnoringCase, PrefersTheExactNameThenAnyLetterCase) {
    TempFolder folder;
    const std::string dir = folder.Dir();
    folder.Write("TESSILAR.rtf", "");
    folder.Write("tessilar.ini", "");
    folder.Write("Tessilar.INI", "");
    fs::create_directory(folder.Path() / "english");
    struct Case {
        std::string name;
        std::string found; // file name in the folder, or empty
    };
    const Case cases[] = {
        {"TESSILAR.rtf", "TESSILAR.rtf"},
        {"Tessilar.rtf", "TESSILAR.rtf"},
        {"tessilar.ini", "tessilar.ini"},
        {"Tessilar.INI", "Tessilar.INI"},
        // No exact match: the first in byte order ('T' before 't').
        {"TESSILAR.INI", "Tessilar.INI"},
        {"Tessilar.ini", "Tessilar.INI"},
        {"tessilar", ""},
        {"Tessilar.ini ", ""},
        {"ENGLISH", ""}, // folders are not files
        {"", ""},
    };
    for (const Case& c : cases) {
        const std::string expected = c.found.empty() ? "" : dir + c.found;
        EXPECT_EQ(FindFileIgnoringCase(dir, c.name), expected) << c.name;
        // The same without the trailing separator.
        EXPECT_EQ(FindFileIgnoringCase(folder.Path().string(), c.name), expected) << c.name;
    }
    EXPECT_EQ(FindFileIgnoringCase(dir + "missing", "tessilar.ini"), "");
}

TEST(LanguageFolders, ListsFoldersAndLinksToFoldersSortedIgnoringCase) {
    TempFolder folder;
    TempFolder elsewhere;
    const fs::path& root = folder.Path();
    for (const char* name : {"Magyar", "english", "English", "deutsch", ".git", ".hidden", "B"})
        fs::create_directory(root / name);
    folder.Write("notes.txt", "");
    folder.Write("Tessilar.ini", "");
    fs::create_directory_symlink(elsewhere.Path(), root / "Linked");
    fs::create_symlink(root / "notes.txt", root / "FileLink");
    fs::create_symlink(root / "nowhere", root / "Broken");
    fs::create_symlink(root / "Loop", root / "Loop");
    const std::vector<std::string> expected = {"B",       "deutsch", "English",
                                               "english", "Linked",  "Magyar"};
    EXPECT_EQ(LanguageFolders(folder.Dir()), expected);
    EXPECT_EQ(LanguageFolders(root.string()), expected);
}

TEST(LanguageFolders, EmptyMissingOrNotAFolderGivesNone) {
    TempFolder folder;
    EXPECT_TRUE(LanguageFolders(folder.Dir()).empty());
    EXPECT_TRUE(LanguageFolders(folder.Dir() + "missing").empty());
    EXPECT_TRUE(LanguageFolders(folder.Write("file", "x")).empty());
}
