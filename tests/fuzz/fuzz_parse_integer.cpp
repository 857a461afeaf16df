// The voltage field's integer parser against a plain second reading of the same grammar, with the
// properties every accepted text must have.
#include "model/FieldParsing.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/// The grammar read the simplest way: leading zeros dropped, then at most ten significant digits
/// in 64-bit arithmetic, which cannot overflow.
std::optional<std::int32_t> Reference(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    } else {
        std::size_t prefix = 0;
        if (text.starts_with("0x") || text.starts_with("0X"))
            prefix = 2;
        else if (text[0] == '$' || text[0] == 'x' || text[0] == 'X')
            prefix = 1;
        if (prefix > 0) {
            const std::string_view digits = text.substr(prefix);
            if (digits.empty() || digits.size() > 8) return std::nullopt;
            std::uint32_t value = 0;
            for (char c : digits) {
                if (HexValue(c) < 0) return std::nullopt;
                value = value * 16 + static_cast<std::uint32_t>(HexValue(c));
            }
            return static_cast<std::int32_t>(value);
        }
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
    const std::string_view significant =
        text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (significant.size() > 10) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : significant)
        magnitude = magnitude * 10 + (c - '0');
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = Data::ParseInteger(text);
    FUZZ_CHECK(value == Reference(text), "the parser and the reference reading disagree");
    if (!value) return 0;

    FUZZ_CHECK(text.find_first_not_of(" +-0123456789abcdefABCDEF$xX") == std::string_view::npos,
               "an accepted text holds a character the grammar has no place for");
    // Leading blanks are skipped, trailing blanks are never allowed.
    FUZZ_CHECK(Data::ParseInteger(" " + std::string(text)) == value, "a leading blank mattered");
    FUZZ_CHECK(!Data::ParseInteger(std::string(text) + " "), "a trailing blank was accepted");
    // The field writes the clamped value back in decimal; that text must give the same value.
    const std::int32_t volts = std::clamp<std::int32_t>(*value, 0, 1000);
    FUZZ_CHECK(Data::ParseInteger(std::to_string(volts)) == volts,
               "the rewritten field reads differently");
    FUZZ_CHECK(Data::ParseInteger(std::to_string(*value)) == value,
               "the decimal form of the value reads differently");
    return 0;
}
