// The catalogue reader. Each input is written to a catalogue file and read back through GetText
// and ReadIniValue; both must agree with a second reading of the same conventions that works on
// the whole file in memory, line by line. The streaming reader's chunks, caps and early stops
// are what this looks at: binary bytes, NUL, missing line ends, long lines, many sections.
#include "catalogue/IniFile.h"
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextEncoding.h"
#include "model/Data.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

/// The file split into lines at CR or LF, after a UTF-8 byte-order mark.
std::vector<std::string_view> Lines(std::string_view file) {
    if (file.starts_with("\xEF\xBB\xBF")) file.remove_prefix(3);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r' || file[i] == '\n') {
            lines.push_back(file.substr(start, i - start));
            start = i + 1;
        }
    }
    lines.push_back(file.substr(start));
    return lines;
}

/// A header line's section name, or nothing when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (!line.starts_with('[')) return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

/// The documented conventions, read from the whole file at once.
std::optional<std::string> Reference(const std::vector<std::string_view>& lines,
                                     std::string_view section, std::string_view key,
                                     std::size_t maxBytes) {
    bool inSection = false;
    for (std::string_view line : lines) {
        const std::string_view trimmed = Trim(line);
        if (trimmed.starts_with('[')) {
            const auto name = HeaderName(trimmed);
            if (!name) continue; // an unclosed header changes nothing
            if (inSection) return std::nullopt;
            inSection = SameIgnoringCase(*name, section);
            continue;
        }
        if (!inSection || trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') continue;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) continue;
        if (!SameIgnoringCase(Trim(trimmed.substr(0, equals)), key)) continue;
        std::string_view value = trimmed.substr(equals + 1);
        value = Trim(value.substr(0, value.find('\0')));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, std::min(value.size(), maxBytes)));
    }
    return std::nullopt;
}

/// The first section name and the first key name in the file, so that mutated names are looked
/// up too, not only the catalogue's own.
void FirstNames(const std::vector<std::string_view>& lines, std::string& section,
                std::string& key) {
    for (std::string_view line : lines) {
        const auto name = HeaderName(line);
        if (name && section.empty()) section = *name;
        const std::string_view trimmed = Trim(line);
        const std::size_t equals = trimmed.find('=');
        if (!name && key.empty() && equals != std::string_view::npos && !trimmed.starts_with('['))
            key = Trim(trimmed.substr(0, equals));
        if (!section.empty() && !key.empty()) return;
    }
}

const fs::path& Folder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "tessilar-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code error;
            fs::remove_all(Folder(), error);
        });
        return fs::path(pattern);
    }();
    return folder;
}

/// Writes the bytes to the file at `path`, replacing it.
void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good(), "cannot write the test file");
}

/// Reads every combination of section, key and cap directly and compares with the reference.
void CheckDirectReads(const std::string& path, const std::vector<std::string_view>& lines,
                      const std::vector<std::string>& sections,
                      const std::vector<std::string>& keys, const std::vector<std::size_t>& caps) {
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            for (std::size_t cap : caps) {
                const auto value = Data::ReadIniValue(path, section, key, cap);
                FUZZ_CHECK(value == Reference(lines, section, key, cap),
                           "ReadIniValue disagrees with the reference reading");
                if (!value) continue;
                FUZZ_CHECK(value->size() <= cap, "a value longer than asked for");
                FUZZ_CHECK(value->find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                           "a value holding a line end or NUL");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::string path = (Folder() / Data::CatalogueFileName).string();
    WriteFile(path, file);
    Data::ExeDir = Folder().string() + Data::PathDelim;
    Data::LangDir.clear();
    Data::CloseTextCatalogue();

    const std::vector<std::string_view> lines = Lines(file);
    for (int n : {0, 1, 5, 17, 200, 401, 9999, -1}) {
        const std::string text = Data::GetText(n);
        const auto raw =
            Reference(lines, Data::CatalogueSection, Data::CatalogueKey(n), Data::MaxTextBytes + 3);
        const std::string expected =
            raw ? Data::CatalogueTextToUtf8(*raw, Data::MaxTextBytes) : std::string("None");
        FUZZ_CHECK(text == expected, "GetText disagrees with the reference reading");
        FUZZ_CHECK(Data::IsValidUtf8(text), "a text that is not UTF-8");
        // Each of the 2,047 bytes becomes at most three bytes of UTF-8.
        FUZZ_CHECK(text.size() <= 3 * Data::MaxTextBytes, "a text longer than the limit allows");
    }

    std::string firstSection, firstKey;
    FirstNames(lines, firstSection, firstKey);
    const std::vector<std::string> sections = {Data::CatalogueSection, firstSection};
    const std::vector<std::string> keys = {"S0001", firstKey};
    CheckDirectReads(path, lines, sections, keys, {size % 5, Data::MaxTextBytes, SIZE_MAX});

    // The reader takes the file in chunks of 64 KiB. Behind a comment line that fills the first
    // chunk but for a few bytes, the input straddles the chunk boundary at a point that varies
    // from input to input. Scanning the padding costs far more than the input itself, so only
    // the first key of the first section is read, which is what a mutated file most often has.
    constexpr std::size_t Chunk = 64 * 1024;
    std::string padded = ";" + std::string(Chunk - 2 - size % 61, 'p') + "\n";
    padded.append(file);
    WriteFile(path, padded);
    CheckDirectReads(path, Lines(padded), {firstSection}, {firstKey}, {Data::MaxTextBytes});
    return 0;
}
