// The INI reader: the Windows private-profile conventions, odd files and large files.
#include "catalogue/IniFile.h"
#include "tests/catalogue/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using Data::ReadIniValue;

namespace {
const std::optional<std::string> Missing = std::nullopt;

/// A string literal with its NUL bytes.
template <std::size_t N> std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::optional<std::string> Read(const TempFolder& folder, const std::string& content,
                                const char* section = "General", const char* key = "S0001",
                                std::size_t maxBytes = 2047) {
    const auto fromFile = ReadIniValue(folder.Write("t.ini", content), section, key, maxBytes);
    // The catalogue held in memory reads alike.
    EXPECT_EQ(Data::FindIniValue(content, section, key, maxBytes), fromFile) << "from memory";
    return fromFile;
}
} // namespace

TEST(IniReader, FollowsTheWindowsConventions) {
    struct Case {
        const char* what;
        std::string content;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"plain", "[General]\nS0001=OK\n", "OK"},
        {"section and key case", "[gEnErAl]\ns0001=OK\n", "OK"},
        {"blanks around names and value", " \t[ General\t]\n\t S0001 \t=  OK then \t\n", "OK then"},
        {"empty value", "[General]\nS0001=\n", ""},
        {"blank value", "[General]\nS0001=  \t \n", ""},
        {"missing key", "[General]\nS0002=x\n", Missing},
        {"missing section", "[Other]\nS0001=x\n", Missing},
        {"empty file", "", Missing},
        {"key in another section", "[Other]\nS0001=x\n[General]\nS0002=y\n", Missing},
        {"key before any section", "S0001=x\n[General]\n", Missing},
        {"first key wins", "[General]\nS0001=first\nS0001=second\n", "first"},
        {"first section wins", "[General]\nS0002=a\n[General]\nS0001=b\n", Missing},
        {"later section ignored", "[General]\nS0001=a\n[general]\nS0001=b\n", "a"},
        {"equals sign in value", "[General]\nS0001=a=b\n", "a=b"},
        {"comment lines", "[General]\n;S0001=c\n  #S0001=d\nS0001=e\n", "e"},
        {"line without equals sign", "[General]\nS0001\nS0001=x\n", "x"},
        {"text after the header", "[General] ; the texts\nS0001=x\n", "x"},
        {"unclosed header is no section", "[Other]\n[General\nS0001=x\n", Missing},
        {"CRLF", "[General]\r\nS0000=a\r\nS0001=OK\r\n", "OK"},
        {"CR only", "[General]\rS0000=a\rS0001=OK\rS0002=b", "OK"},
        {"no final line end", "[General]\nS0001=last", "last"},
        {"byte-order mark", "\xEF\xBB\xBF[General]\nS0001=x\n", "x"},
        {"double quotes", "[General]\nS0001=\"  padded  \"\n", "  padded  "},
        {"single quotes", "[General]\nS0001= 'x' \n", "x"},
        {"empty quotes", "[General]\nS0001=\"\"\n", ""},
        {"unmatched quotes", "[General]\nS0001=\"x'\n", "\"x'"},
        {"lone quote", "[General]\nS0001=\"\n", "\""},
        {"inner quotes only", "[General]\nS0001=a\"b\"\n", "a\"b\""},
        {"NUL ends a value", Bytes("[General]\nS0001=ab\0cd\n"), "ab"},
        {"NUL and binary lines", Bytes("\0\x01\xFF\x80=\x02\n[General]\n\xFE\0\nS0001=x"), "x"},
        {"8-bit bytes pass through", "[General]\nS0001=H\xF5m\xE9rs\xE9klet\n",
         "H\xF5m\xE9rs\xE9klet"},
    };
    TempFolder folder;
    for (const Case& c : cases)
        EXPECT_EQ(Read(folder, c.content), c.expected) << c.what;
}

TEST(IniReader, CutsValuesAtTheByteLimit) {
    TempFolder folder;
    const std::string fits(2047, 'x');
    const std::string over(2048, 'y');
    EXPECT_EQ(Read(folder, "[General]\nS0001=" + fits + "\n"), fits);
    EXPECT_EQ(Read(folder, "[General]\nS0001=" + over + "\n"), over.substr(0, 2047));
    // Trailing blanks are dropped before the cut, quotes are removed before it too.
    EXPECT_EQ(Read(folder, "[General]\nS0001=" + fits + "      \n"), fits);
    EXPECT_EQ(Read(folder, "[General]\nS0001=\"" + fits + "\"\n"), fits);
    EXPECT_EQ(Read(folder, "[General]\nS0001=\"" + over + "\"\n"), over.substr(0, 2047));
    EXPECT_EQ(Read(folder, "[General]\nS0001=abcdef\n", "General", "S0001", 3), "abc");
    EXPECT_EQ(Read(folder, "[General]\nS0001='abcdef'\n", "General", "S0001", 3), "abc");
}

TEST(IniReader, ReadsTheFileAsItIsAtEachLookup) {
    TempFolder folder;
    const std::string path = folder.Write("t.ini", "[General]\nS0001=before\n");
    EXPECT_EQ(ReadIniValue(path, "General", "S0001", 2047), "before");
    folder.Write("t.ini", "[General]\nS0001=after\n");
    EXPECT_EQ(ReadIniValue(path, "General", "S0001", 2047), "after");
    std::filesystem::remove(path);
    EXPECT_EQ(ReadIniValue(path, "General", "S0001", 2047), Missing);
}

TEST(IniReader, MissingFilesAndFoldersGiveNothing) {
    TempFolder folder;
    EXPECT_EQ(ReadIniValue(folder.Dir() + "none.ini", "General", "S0001", 2047), Missing);
    std::filesystem::create_directory(folder.Path() / "dir.ini");
    EXPECT_EQ(ReadIniValue(folder.Dir() + "dir.ini", "General", "S0001", 2047), Missing);
}

TEST(IniReader, UnreadableFileGivesNothing) {
    TempFolder folder;
    const std::string locked = folder.Write("locked.ini", "[General]\nS0001=x\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (std::ifstream(locked)) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_EQ(ReadIniValue(locked, "General", "S0001", 2047), Missing);
}

TEST(IniReader, CopesWithHugeLinesAndManySections) {
    TempFolder folder;
    const std::string huge(10 * 1024 * 1024, 'z');
    std::string content = "[General]\nS0000=" + huge + "\n" + huge + "\nS0001= " + huge + "\n";
    content += "[" + huge + "]\nS0002=x\n";
    for (int i = 0; i < 5000; ++i)
        content += "[Section" + std::to_string(i) + "]\nS0003=no\n";
    content += "[General]\nS0003=no\n";
    const std::string path = folder.Write("big.ini", content);
    EXPECT_EQ(ReadIniValue(path, "General", "S0001", 2047), huge.substr(0, 2047));
    EXPECT_EQ(ReadIniValue(path, "General", "S0003", 2047), Missing);
    EXPECT_EQ(ReadIniValue(path, "Section4999", "S0003", 2047), "no");
    EXPECT_EQ(ReadIniValue(path, huge.substr(0, 100), "S0002", 2047), Missing);
}
