// The temperature field's real-number parser: every accepted text follows the grammar and gives
// a finite value equal to the C library's correctly rounded reading, and the field's rewrite of
// the clamped value reads back as that value.
#include "model/FieldParsing.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Blanks, an optional sign, digits with an optional point (at least one digit in all), an
/// optional exponent with at least one digit, and nothing after.
bool MatchesGrammar(std::string_view text) {
    std::size_t i = std::min(text.find_first_not_of(' '), text.size());
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == start) return false;
    }
    return i == text.size();
}

/// Within half a unit of the last decimal written, allowing for the rounding of the difference.
bool WithinHalfHundredth(double a, double b) {
    const double scale = std::max(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= 0.005 * (1 + 1e-9) + scale * 4 * DBL_EPSILON;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = Data::ParseReal(text);
    const bool grammatical = MatchesGrammar(text);
    if (value) {
        FUZZ_CHECK(std::isfinite(*value), "a value that is not finite");
        FUZZ_CHECK(text.find_first_not_of(" +-.0123456789eE") == std::string_view::npos,
                   "an accepted text holds a character outside \" +-.0123456789eE\"");
        FUZZ_CHECK(grammatical, "an accepted text does not follow the grammar");
    }
    if (grammatical) {
        // The C library reads the same grammar (and more); in the "C" locale its point is '.'.
        const std::string copy(text);
        char* end = nullptr;
        errno = 0;
        const double reference = std::strtod(copy.c_str(), &end);
        FUZZ_CHECK(end == copy.c_str() + copy.size(), "the C library stops early");
        if (std::isinf(reference)) {
            FUZZ_CHECK(!value, "a number beyond the largest double was accepted");
        } else {
            FUZZ_CHECK(value.has_value(), "a valid number in range was refused");
            FUZZ_CHECK(std::signbit(*value) == std::signbit(reference), "the sign differs");
            if (std::fabs(reference) >= DBL_MIN)
                FUZZ_CHECK(*value == reference, "the value is not the correctly rounded one");
            else // below the normal range a reading may flush to zero
                FUZZ_CHECK(*value == reference || *value == 0, "a tiny value read as garbage");
        }
    }
    if (!value) return 0;

    // The field clamps to 0..100 °C and writes "%5.2F"; that text must read back as the value.
    Data::DecimalSeparator = '.';
    const double celsius = std::clamp(*value, 0.0, 100.0) + 0.0;
    const std::string shown = Data::FormatFixed(celsius, 5, 2);
    FUZZ_CHECK(shown.size() == 5 || shown == "100.00", "the rewritten field has the wrong width");
    const std::optional<double> back = Data::ParseReal(shown);
    FUZZ_CHECK(back && WithinHalfHundredth(*back, celsius), "the rewritten field reads otherwise");
    FUZZ_CHECK(!std::signbit(*back), "the rewritten field carries a sign");
    FUZZ_CHECK(static_cast<int>(celsius) >= 0 && static_cast<int>(celsius) <= 100,
               "the spin position is out of range");
    // Any accepted value, clamped or not, survives being written with two decimals.
    const std::string full = Data::FormatFixed(*value, 5, 2);
    const std::optional<double> fullBack = Data::ParseReal(full);
    FUZZ_CHECK(fullBack && WithinHalfHundredth(*fullBack, *value),
               "the value written with two decimals reads otherwise");
    FUZZ_CHECK(full.find('-') == std::string::npos || *value < 0, "a sign on a positive value");
    return 0;
}
