// Field parsing and fixed-point formatting, free of the C library's locale.
#include "model/FieldParsing.h"

#include "model/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace Data {

char DecimalSeparator = '.';

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The value of a hexadecimal digit, or -1.
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

/// The length of a hexadecimal prefix at the start of text (0 when there is none).
std::size_t HexPrefixLength(std::string_view text) {
    if (text.empty()) return 0;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 2;
    return 0;
}

std::optional<std::int32_t> ParseHexadecimal(std::string_view digits) {
    // Every digit counts towards the limit of eight, leading zeros included.
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    // Eight digits wrap to signed 32-bit (modular since C++20).
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) return std::nullopt;
    // The magnitude may reach 2^31 for a negative value; stop as soon as it passes that, so any
    // number of digits is read without overflow.
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (!IsDecimalDigit(c)) return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > Limit) return std::nullopt;
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    if (magnitude == Limit) return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    text = SkipLeadingBlanks(text);
    if (text.empty()) return std::nullopt;
    if (text[0] == '+' || text[0] == '-') return ParseDecimal(text.substr(1), text[0] == '-');
    if (const std::size_t prefix = HexPrefixLength(text); prefix > 0)
        return ParseHexadecimal(text.substr(prefix));
    return ParseDecimal(text, false);
}

std::optional<double> ParseReal(std::string_view text) {
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // One sign only; the rest is a plain decimal number (never "inf", "nan" or a hexadecimal
    // float), with nothing trailing.
    if (text.empty() || !(IsDecimalDigit(text[0]) || text[0] == '.')) return std::nullopt;
    const auto reading = ScanDecimal(text);
    if (!reading || reading->Fit == DecimalReading::Range::TooLarge) return std::nullopt;
    // Values too small for a double round to zero.
    return negative ? -reading->Value : reading->Value;
}

std::string FormatFixed(double value, int width, int decimals) {
    return FormatFixed(value, width, decimals, DecimalSeparator);
}

std::string FormatFixed(double value, int width, int decimals, char separator) {
    constexpr int MaxWidth = 1024;
    constexpr int MaxDecimals = 400;
    width = std::clamp(width, 0, MaxWidth);
    decimals = std::clamp(decimals, 0, MaxDecimals);
    const auto padded = [width](std::string text) {
        const auto w = static_cast<std::size_t>(width);
        if (text.size() < w) text.insert(0, w - text.size(), ' ');
        return text;
    };
    if (std::isnan(value)) return padded("NAN");
    if (std::isinf(value)) return padded(value < 0 ? "-INF" : "INF");

    // The shortest decimal form that reads back as the same double, in plain fixed notation (whole
    // numbers beyond 2^53 get their exact digits).
    const std::string shortestText = ShortestFixed(std::fabs(value));
    const std::string_view shortest = shortestText;
    const std::size_t point = shortest.find('.');
    std::string digits(shortest.substr(0, point)); // integer digits, then the kept decimals
    const std::size_t integerDigits = digits.size();
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : shortest.substr(point + 1);
    const auto kept = static_cast<std::size_t>(decimals);
    digits.append(fraction.substr(0, std::min(kept, fraction.size())));
    digits.append(kept - std::min(kept, fraction.size()), '0');

    // Round half away from zero, taking the shortest form as the value, so that 2.675 gives 2.68
    // as typed rather than 2.67 from the binary 2.67499...; the first dropped digit decides.
    std::size_t carryDigits = 0;
    if (fraction.size() > kept && fraction[kept] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(0, 1, '1');
            carryDigits = 1;
        }
    }

    const bool readsAsZero = digits.find_first_not_of('0') == std::string::npos;
    std::string text;
    if (value < 0 && !readsAsZero) text.push_back('-');
    text.append(digits, 0, integerDigits + carryDigits);
    if (decimals > 0) {
        text.push_back(separator);
        text.append(digits, integerDigits + carryDigits);
    }
    return padded(std::move(text));
}

} // namespace Data
