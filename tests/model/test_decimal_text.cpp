// Decimal text of doubles without the floating-point std::to_chars and std::from_chars: on this
// build they are there, and the portable conversions must give exactly what they give.
#include "model/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string LibraryShortestFixed(double value) {
    char buffer[800];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return {buffer, result.ptr};
}

std::string LibraryFixed(double value, int decimals) {
    char buffer[800];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return {buffer, result.ptr};
}

std::optional<double> LibraryRead(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::uint64_t Bits(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    return bits;
}

/// Values where shortest forms, rounding and range are hard: powers of two (whose neighbours
/// are not equally far), the ends of the range, halves, and the figures the program shows.
std::vector<double> HardValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1,
                                  0.2,
                                  0.3,
                                  2.675,
                                  1.005,
                                  0.125,
                                  0.375,
                                  2.5,
                                  1e21,
                                  1e22,
                                  1e23,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  1.7976931348623157e308,
                                  9007199254740993.0,
                                  123456789012345678.0,
                                  0x1p53,
                                  0x1p-1022,
                                  4.35,
                                  99.999,
                                  0.004 * 37,
                                  20.0,
                                  -1.5e-7,
                                  1.0 / 3,
                                  2.0 / 3,
                                  1e-5,
                                  6.02214076e23};
    for (int e = -1074; e <= 1023; e += 7)
        values.push_back(std::ldexp(1.0, e));
    return values;
}

} // namespace

TEST(DecimalText, ShortestAndFixedFormsAgreeWithTheLibrary) {
    std::vector<double> values = HardValues();
    std::mt19937_64 random(20240607);
    for (int i = 0; i < 20000; ++i) {
        double v = 0;
        const std::uint64_t bits = random();
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
        // Numbers of everyday size as well, whose fixed forms are short.
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * 2000 - 1000);
    }
    for (const double v : values) {
        SCOPED_TRACE(testing::Message() << std::hexfloat << v);
        ASSERT_EQ(Data::ShortestFixed(v), LibraryShortestFixed(v));
        for (int decimals : {0, 1, 2, 4, 17})
            ASSERT_EQ(Data::FixedDecimals(v, decimals), LibraryFixed(v, decimals)) << decimals;
        // Every shortest form reads back as the same bits.
        const auto back = Data::ReadDecimal(Data::ShortestFixed(v));
        ASSERT_TRUE(back.has_value());
        ASSERT_EQ(Bits(*back), Bits(v));
    }
}

TEST(DecimalText, ReadingAgreesWithTheLibrary) {
    const char* const texts[] = {
        "0", "-0", "1", "-1", ".5", "5.", "0.1", "00012.50", "1e5", "1E-5", "1e+5", "2.675",
        "1.7976931348623157e308", "1.7976931348623159e308", "1e309", "-1e400", "4.9e-324",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "1e-400", "0e999999999999",
        "0.000000000000000000000000000000001e-300", "123456789012345678901234567890",
        "9007199254740993", "9007199254740993.0000000000000000000001", "1e99999999999999999999",
        // Not numbers.
        "", "-", "+1", " 1", "1 ", ".", "e5", "1e", "1e+", "1.2.3", "0x10", "inf", "nan", "1,5",
        "--1", "1e5.5"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const auto expected = LibraryRead(text);
        const auto got = Data::ReadDecimal(text);
        ASSERT_EQ(got.has_value(), expected.has_value());
        if (expected) {
            EXPECT_EQ(Bits(*got), Bits(*expected));
        }
    }
    // A long run of digits is read to its last one.
    const std::string longHalf = "0." + std::string(700, '0') + "1";
    EXPECT_EQ(Data::ReadDecimal("1" + std::string(1000, '0') + "e-1000"), 1.0);
    EXPECT_FALSE(Data::ReadDecimal(longHalf).has_value());
}
