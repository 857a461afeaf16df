// A streaming INI reader: one pass over the file, keeping only what the lookup needs.
#include "catalogue/IniFile.h"

#include "catalogue/AsciiCase.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace Data {

namespace {

constexpr std::size_t ChunkBytes = 64 * 1024;
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A name or value gathered byte by byte: blanks before it are skipped, at most `cap` bytes are
// kept, and the end of the last non-blank byte is remembered, so trailing blanks are dropped
// without having to keep them.
class TrimmedField {
public:
    explicit TrimmedField(std::size_t cap) : cap_(cap) {}

    void Clear() {
        kept_.clear();
        length_ = trimmedLength_ = 0;
        last_ = '\0';
    }

    void Add(char c) {
        if (length_ == 0 && IsBlank(c)) return;
        if (kept_.size() < cap_) kept_.push_back(c);
        ++length_;
        if (!IsBlank(c)) {
            trimmedLength_ = length_;
            last_ = c;
        }
    }

    /// Length without the blanks around it, counting bytes beyond the cap too.
    std::size_t TrimmedLength() const { return trimmedLength_; }
    /// The kept bytes; the first min(TrimmedLength(), cap) of them are the field's.
    const std::string& Kept() const { return kept_; }
    /// The last non-blank byte, even when it lies beyond the cap.
    char Last() const { return last_; }

    bool Is(std::string_view name) const {
        return trimmedLength_ == name.size() && kept_.size() >= name.size() &&
               EqualIgnoringAsciiCase(std::string_view(kept_).substr(0, name.size()), name);
    }

private:
    std::size_t cap_;
    std::string kept_;
    std::size_t length_ = 0;
    std::size_t trimmedLength_ = 0;
    char last_ = '\0';
};

class IniScanner {
public:
    IniScanner(std::string_view section, std::string_view key, std::size_t maxBytes)
        : section_(section), key_(key), maxBytes_(maxBytes), sectionName_(section.size() + 1),
          keyName_(key.size() + 1),
          // One byte more than the result may hold: an opening quote may still be removed.
          value_(maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes) {}

    /// Feeds the next bytes of the file; false once the answer is known.
    bool Feed(const char* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const char c = bytes[i];
            if (c == '\n' || c == '\r') {
                if (!EndLine()) return false;
            } else {
                Take(c);
            }
        }
        return true;
    }

    /// Ends the file (its last line may lack a line end) and gives the answer.
    std::optional<std::string> Finish() {
        if (!done_) EndLine();
        return std::move(result_);
    }

private:
    enum class Part { LineStart, SectionName, Key, Value, Ignored };

    void Take(char c) {
        switch (part_) {
        case Part::LineStart:
            if (IsBlank(c)) return;
            if (c == '[') {
                part_ = Part::SectionName;
                sectionName_.Clear();
            } else if (c == ';' || c == '#' || !inSection_) {
                // Comments, and every line outside the wanted section but a header.
                part_ = Part::Ignored;
            } else {
                part_ = Part::Key;
                keyName_.Clear();
                value_.Clear();
                Take(c);
            }
            return;
        case Part::SectionName:
            if (c == ']') {
                // Whatever follows the closing bracket on the line is ignored.
                part_ = Part::Ignored;
                StartSection();
            } else {
                sectionName_.Add(c);
            }
            return;
        case Part::Key:
            if (c == '=')
                part_ = Part::Value;
            else
                keyName_.Add(c);
            return;
        case Part::Value:
            if (c == '\0')
                valueEnded_ = true;
            else if (!valueEnded_)
                value_.Add(c);
            return;
        case Part::Ignored:
            return;
        }
    }

    void StartSection() {
        if (inSection_) {
            // Only the first section of the wanted name counts.
            done_ = true;
            return;
        }
        inSection_ = sectionName_.Is(section_);
    }

    bool EndLine() {
        if (done_) return false;
        if (part_ == Part::Value && keyName_.Is(key_)) {
            result_ = Value();
            done_ = true;
        }
        part_ = Part::LineStart;
        valueEnded_ = false;
        return !done_;
    }

    std::string Value() const {
        const std::string& kept = value_.Kept();
        std::size_t begin = 0;
        std::size_t end = value_.TrimmedLength();
        if (end >= 2 && (kept[0] == '"' || kept[0] == '\'') && value_.Last() == kept[0]) {
            begin = 1;
            --end;
        }
        return kept.substr(begin, std::min(end - begin, maxBytes_));
    }

    std::string_view section_;
    std::string_view key_;
    std::size_t maxBytes_;
    TrimmedField sectionName_;
    TrimmedField keyName_;
    TrimmedField value_;
    Part part_ = Part::LineStart;
    bool valueEnded_ = false;
    bool inSection_ = false;
    bool done_ = false;
    std::optional<std::string> result_;
};

} // namespace

std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key, std::size_t maxBytes) {
    // Only plain files: a folder reads as nothing, and a pipe or device could block for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;

    IniScanner scanner(section, key, maxBytes);
    std::vector<char> chunk(ChunkBytes);
    bool first = true;
    while (file) {
        file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
        if (got == 0) break;
        std::size_t skip = 0;
        if (first && std::string_view(chunk.data(), got).starts_with(Utf8ByteOrderMark))
            skip = Utf8ByteOrderMark.size();
        first = false;
        if (!scanner.Feed(chunk.data() + skip, got - skip)) break;
    }
    return scanner.Finish();
}

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key, std::size_t maxBytes) {
    if (text.starts_with(Utf8ByteOrderMark)) text.remove_prefix(Utf8ByteOrderMark.size());
    IniScanner scanner(section, key, maxBytes);
    scanner.Feed(text.data(), text.size());
    return scanner.Finish();
}

} // namespace Data
