// The stopwatch text over any time up to a billion seconds: minutes, ":", two digits of seconds,
// ",", one digit of tenths and two blanks, reading back as the time truncated to tenths.
#include "model/Data.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr double Longest = 1e9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Eight bytes as a time in [0, 1e9]: in range as they stand, so that exact boundary values can
/// be reached; otherwise folded into the range.
double TimeFrom(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min<std::size_t>(size, sizeof bits));
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    if (x >= 0 && x <= Longest) return x;
    if (std::isfinite(x)) return std::fmod(std::fabs(x), Longest);
    return static_cast<double>(bits >> 11) * 0x1p-53 * Longest;
}

/// Checks the shape and returns the reading in tenths of a second.
long long ReadingInTenths(const std::string& text) {
    const std::size_t colon = text.find(':');
    FUZZ_CHECK(colon != std::string::npos && colon >= 2, "no minutes of two digits or more");
    for (std::size_t i = 0; i < colon; ++i)
        FUZZ_CHECK(IsDigit(text[i]), "the minutes are not all digits");
    FUZZ_CHECK(text.size() == colon + 7, "the text after the minutes has the wrong length");
    FUZZ_CHECK(IsDigit(text[colon + 1]) && IsDigit(text[colon + 2]), "seconds are not digits");
    FUZZ_CHECK(text[colon + 3] == ',', "no comma before the tenths");
    FUZZ_CHECK(IsDigit(text[colon + 4]), "the tenths are not a digit");
    FUZZ_CHECK(text.substr(colon + 5) == "  ", "no two blanks at the end");
    FUZZ_CHECK(colon <= 18, "more minute digits than a long long holds");
    const long long minutes = std::stoll(text.substr(0, colon));
    const int seconds = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    FUZZ_CHECK(seconds <= 59, "60 seconds or more");
    return (minutes * 60 + seconds) * 10 + (text[colon + 4] - '0');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double x = TimeFrom(data, size);
    const long long tenths = ReadingInTenths(Data::FormatStopwatch(x));
    // The reading is x truncated to tenths: reading <= x < reading + 0.1, give or take the
    // rounding of x itself and of the tenths computed from it.
    const long double reading = static_cast<long double>(tenths) / 10;
    const long double slack = 4 * static_cast<long double>(x) * DBL_EPSILON + 1e-12L;
    FUZZ_CHECK(reading <= x + slack, "the reading is later than the time");
    FUZZ_CHECK(x < reading + 0.1L + slack, "the reading is a tenth or more behind the time");

    // The raw bytes as they are (negative, NaN, infinite, huge): still a well-formed text.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        ReadingInTenths(Data::FormatStopwatch(raw));
    }
    return 0;
}
