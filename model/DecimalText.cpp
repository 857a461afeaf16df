// Decimal conversions through the C library's printf and strtod, kept clear of its locale: the
// text handed to strtod never holds a decimal point, and the point printf writes is replaced.
#include "model/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Data {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The double nearest to 0.digits × 10^exponent, for significant digits without leading zeros;
/// inf beyond the largest double.
double NearestDouble(std::string digits, long long exponent) {
    // 800 significant digits decide the rounding of any double; a nonzero digit beyond them only
    // has to be remembered as one.
    constexpr std::size_t KeptDigits = 800;
    if (digits.size() > KeptDigits) {
        const bool more = digits.find_first_not_of('0', KeptDigits) != std::string::npos;
        digits.resize(KeptDigits);
        if (more) digits.push_back('1');
    }
    const long long scale = exponent - static_cast<long long>(digits.size());
    const std::string text = digits + "e" + std::to_string(scale);
    return std::strtod(text.c_str(), nullptr);
}

/// The integer string one unit more or less in its last digit, or "" when it would change its
/// number of digits.
std::string Neighbour(std::string digits, int step) {
    std::size_t i = digits.size();
    const char wrap = step > 0 ? '9' : '0';
    while (i > 0 && digits[i - 1] == wrap)
        digits[--i] = step > 0 ? '0' : '9';
    if (i == 0) return {};
    digits[i - 1] = static_cast<char>(digits[i - 1] + step);
    if (digits[0] == '0') return {};
    return digits;
}

/// The printf output of a number with its locale's point (any bytes that are not digits between
/// the integer digits and the fraction) replaced by ".".
std::string WithDecimalPoint(const char* printed) {
    std::string text;
    const char* p = printed;
    if (*p == '-') text.push_back(*p++);
    while (IsDigit(*p))
        text.push_back(*p++);
    if (*p == '\0') return text;
    while (*p != '\0' && !IsDigit(*p))
        ++p;
    text.push_back('.');
    text.append(p);
    return text;
}

} // namespace

std::optional<DecimalReading> ScanDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++pos;
    std::string digits;    // significant digits, leading zeros dropped
    long long pointAt = 0; // digits before the point, counted from the first significant one
    bool anyDigit = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        anyDigit = true;
        if (digits.empty() && text[pos] == '0') continue;
        digits.push_back(text[pos]);
        ++pointAt;
    }
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            anyDigit = true;
            if (digits.empty() && text[pos] == '0') {
                --pointAt;
                continue;
            }
            digits.push_back(text[pos]);
        }
    }
    if (!anyDigit) return std::nullopt;
    // The exponent, saturated far beyond any double's range so that no digit count overflows it.
    constexpr long long ExponentCap = 1'000'000'000'000LL;
    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentStart = pos;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos)
            exponent = std::min(exponent * 10 + (text[pos] - '0'), ExponentCap);
        if (pos == exponentStart) return std::nullopt;
        if (exponentNegative) exponent = -exponent;
    }
    if (pos != text.size()) return std::nullopt;

    using Range = DecimalReading::Range;
    const double zero = negative ? -0.0 : 0.0;
    digits.erase(digits.find_last_not_of('0') + 1); // all zeros leave nothing
    if (digits.empty()) return DecimalReading{Range::Inside, zero};
    // The value is 0.digits × 10^magnitude; doubles lie within 10^-324 and 10^309.
    const long long magnitude = pointAt + exponent;
    if (magnitude > 310) return DecimalReading{Range::TooLarge, zero};
    if (magnitude < -330) return DecimalReading{Range::TooSmall, zero};
    const double value = NearestDouble(digits, magnitude);
    if (std::isinf(value)) return DecimalReading{Range::TooLarge, zero};
    if (value == 0) return DecimalReading{Range::TooSmall, zero};
    return DecimalReading{Range::Inside, negative ? -value : value};
}

std::optional<double> ReadDecimal(std::string_view text) {
    const auto reading = ScanDecimal(text);
    if (!reading || reading->Fit != DecimalReading::Range::Inside) return std::nullopt;
    return reading->Value;
}

ShortestDigits ShortestDigitsOf(double magnitude) {
    magnitude = std::fabs(magnitude);
    const auto readsBack = [magnitude](const std::string& digits, int exponent) {
        return NearestDouble(digits, exponent) == magnitude;
    };
    ShortestDigits last;
    for (int precision = 1; precision <= 17; ++precision) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
        // d.ddd…e±x, with the locale's point: the digits, then the exponent.
        std::string digits;
        const char* p = buffer;
        for (; *p != '\0' && *p != 'e'; ++p) {
            if (IsDigit(*p)) digits.push_back(*p);
        }
        const int exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
        last = {digits, exponent};
        // printf's digits are the nearest of their length; where the double's neighbours are not
        // equally far (at a power of two) the next digits up or down may read back when they do
        // not.
        for (const std::string& candidate : {digits, Neighbour(digits, -1), Neighbour(digits, 1)}) {
            if (!candidate.empty() && readsBack(candidate, exponent)) {
                std::string trimmed = candidate;
                trimmed.erase(trimmed.find_last_not_of('0') + 1);
                return {trimmed, exponent};
            }
        }
    }
    return last; // 17 digits always read back
}

std::string ShortestFixed(double value) {
    const double magnitude = std::fabs(value);
    std::string text;
    if (magnitude >= 0x1p53) {
        text = FixedDecimals(magnitude, 0); // a whole number: its exact digits
    } else if (magnitude == 0) {
        text = "0";
    } else {
        const ShortestDigits shortest = ShortestDigitsOf(magnitude);
        const int size = static_cast<int>(shortest.Digits.size());
        if (shortest.Exponent <= 0) {
            text = "0." + std::string(static_cast<std::size_t>(-shortest.Exponent), '0') +
                   shortest.Digits;
        } else if (shortest.Exponent >= size) {
            text = shortest.Digits +
                   std::string(static_cast<std::size_t>(shortest.Exponent - size), '0');
        } else {
            text = shortest.Digits;
            text.insert(static_cast<std::size_t>(shortest.Exponent), 1, '.');
        }
    }
    return std::signbit(value) ? "-" + text : text;
}

std::string FixedDecimals(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 400);
    // At most 309 integer digits, the point, the decimals and the sign.
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 320);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return WithDecimalPoint(buffer.data());
}

} // namespace Data
