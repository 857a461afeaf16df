// Reading the voltage and temperature fields, and fixed-point number text.
#include "model/FieldParsing.h"

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <optional>
#include <string>

using Data::FormatFixed;
using Data::ParseInteger;
using Data::ParseReal;

namespace {

struct IntegerCase {
    const char* text;
    std::int32_t value;
};

struct RealCase {
    const char* text;
    double value;
};

constexpr std::optional<std::int32_t> NoInt = std::nullopt;
constexpr std::optional<double> NoReal = std::nullopt;
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

} // namespace

// ---- The voltage field's integers ----

TEST(ParseInteger, ReadsDecimalNumbersWithOptionalSign) {
    const IntegerCase cases[] = {
        {"0", 0},     {"7", 7},      {"1500", 1500}, {"-5", -5},
        {"+5", 5},    {"-0", 0},     {"+0", 0},      {"007", 7},
        {"  42", 42}, {" -17", -17}, {"1000", 1000}, {"000000000000012", 12},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseInteger, ReadsHexadecimalAfterEachPrefix) {
    const IntegerCase cases[] = {
        {"$10", 16},    {"x10", 16},       {"X10", 16},   {"0x10", 16},
        {"0X10", 16},   {"$a", 10},        {"$A", 10},    {"0xFf", 255},
        {"$3E8", 1000}, {"$0000000A", 10}, {"  $1F", 31}, {"$12345678", 0x12345678},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseInteger, EightHexDigitsWrapToSigned32Bit) {
    const IntegerCase cases[] = {
        {"$FFFFFFFF", -1},       {"0xffffffff", -1},       {"$FFFFFFFE", -2},
        {"$80000000", Int32Min}, {"x80000001", -Int32Max}, {"$7FFFFFFF", Int32Max},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseInteger, DecimalValuesMustFitSigned32Bit) {
    EXPECT_EQ(ParseInteger("2147483647"), Int32Max);
    EXPECT_EQ(ParseInteger("+2147483647"), Int32Max);
    EXPECT_EQ(ParseInteger("0002147483647"), Int32Max);
    EXPECT_EQ(ParseInteger("-2147483648"), Int32Min);
    for (const char* text : {"2147483648", "-2147483649", "4294967295", "4294967296",
                             "99999999999999999999", "-99999999999999999999"})
        EXPECT_EQ(ParseInteger(text), NoInt) << text;
}

TEST(ParseInteger, RejectsMalformedText) {
    const char* const texts[] = {
        "",    "   ", "abc",   "12 ", "12a",          "1.5",        "1e3",         "-",
        "+",   "--1", "+-1",   "- 5", "-$10",         "+0x10",      "-x10",        "$",
        "x",   "0x",  "0X",    "$G",  "$1 ",          "$$1",        "0x0x1",       "00x1",
        "\t5", "5\t", "1,000", "1\n", "\xef\xbc\x95", "$100000000", "$000000000A", "0x123456789",
    };
    for (const char* text : texts)
        EXPECT_EQ(ParseInteger(text), NoInt) << '"' << text << '"';
}

TEST(ParseInteger, EmbeddedNulIsNotTheEndOfTheText) {
    EXPECT_EQ(ParseInteger(std::string_view("12\0", 3)), NoInt);
    EXPECT_EQ(ParseInteger(std::string_view("12", 2)), 12);
}

TEST(ParseInteger, VeryLongInputNeverOverflows) {
    EXPECT_EQ(ParseInteger(std::string(10000, '9')), NoInt);
    EXPECT_EQ(ParseInteger("-" + std::string(10000, '9')), NoInt);
    EXPECT_EQ(ParseInteger(std::string(10000, '0') + "1000"), 1000);
    EXPECT_EQ(ParseInteger("$" + std::string(10000, 'F')), NoInt);
    EXPECT_EQ(ParseInteger(std::string(10000, ' ') + "3"), 3);
}

// ---- The temperature field's reals ----

TEST(ParseReal, ReadsDecimalNumbersWithFractionAndExponent) {
    const RealCase cases[] = {
        {"35.5", 35.5},  {" 20", 20.0},      {"-3", -3.0},          {"1e2", 100.0},
        {"1E+2", 100.0}, {"2.5e-1", 0.25},   {".5", 0.5},           {"5.", 5.0},
        {"+7", 7.0},     {"0", 0.0},         {"20.125", 20.125},    {"5.e1", 50.0},
        {".5E1", 5.0},   {"007.50", 7.5},    {"  -0.25e+2", -25},   {"1e308", 1e308},
        {"0.1", 0.1},    {"1e-310", 1e-310}, {"0e999999999999", 0}, {"1e22", 1e22},
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(ParseReal(c.text), c.value) << c.text;
}

TEST(ParseReal, RejectsMalformedText) {
    const char* const texts[] = {
        ".",   "",      "   ",   "abc",  "1,5",  "nan", "NAN", "inf", "-inf", "infinity", "20 ",
        "--1", "+-1",   "- 1",   "1e",   "1e+",  "1e-", "e5",  ".e5", "-.",   "0x1p3",    "0x10",
        "$10", "1.2.3", "1e2.5", "1e 2", "1 e2", "\t1", "1..", "+",   "-",    "1d2",
    };
    for (const char* text : texts)
        EXPECT_EQ(ParseReal(text), NoReal) << '"' << text << '"';
}

TEST(ParseReal, OverflowIsInvalidButUnderflowReadsAsZero) {
    for (const char* text :
         {"1e400", "-1e400", "1.8e308", "1e99999999999999999999", "0.00001e99999"})
        EXPECT_EQ(ParseReal(text), NoReal) << text;
    // 100000e-330 is 1e-325, below half the smallest subnormal.
    for (const char* text : {"1e-400", "-1e-400", "1e-99999999999999999999", "100000e-330"})
        EXPECT_EQ(ParseReal(text), 0.0) << text;
    EXPECT_EQ(ParseReal("4.9e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(ParseReal, MagnitudeOfOutOfRangeValuesIsJudgedFromAllDigits) {
    // Leading zeros and many integer digits must shift the judgement between overflow and
    // underflow correctly.
    const std::string zeros(500, '0');
    EXPECT_EQ(ParseReal("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ParseReal(zeros + "1e400"), NoReal);
    EXPECT_EQ(ParseReal("1" + zeros), NoReal);
    EXPECT_EQ(ParseReal("0." + zeros + "1e600"), 1e99);
    EXPECT_EQ(ParseReal("1" + zeros + "e-600"), 1e-100);
}

TEST(ParseReal, LongInputIsRoundedCorrectlyFromEveryDigit) {
    // 2^53 + 1 lies exactly halfway between two doubles; a single nonzero digit far behind
    // decides the rounding.
    const std::string tie = "9007199254740993.";
    const std::string padding(10000, '0');
    EXPECT_EQ(ParseReal(tie + padding), 9007199254740992.0);
    EXPECT_EQ(ParseReal(tie + padding + "1"), 9007199254740994.0);
    EXPECT_EQ(ParseReal(std::string(10000, '3') + "e-9999"), 10.0 / 3.0);
}

TEST(ParseReal, LongInputIsFast) {
    const std::string text = std::string(10000, '7') + "." + std::string(10000, '1') + "e-9990";
    EXPECT_EQ(ParseReal(text), 7777777777.7777777);
    const auto start = std::chrono::steady_clock::now();
    int parsed = 0;
    for (int i = 0; i < 200; ++i)
        parsed += ParseReal(text).has_value() ? 1 : 0;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(parsed, 200);
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

namespace {
/// A C++ locale whose decimal point is ',' as under Hungarian settings.
struct CommaDecimalPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(ParseReal, IgnoresTheProcessLocale) {
    const std::locale savedGlobal =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    // Use a comma-decimal C locale where one is installed; the C++ one above applies regardless.
    for (const char* name : {"hu_HU.UTF-8", "hu_HU.utf8", "de_DE.UTF-8", "de_DE.utf8"})
        if (std::setlocale(LC_ALL, name)) break;

    const std::optional<double> point = ParseReal("35.5");
    const std::optional<double> comma = ParseReal("35,5");
    const std::string text = FormatFixed(0.2, 6, 3);

    std::setlocale(LC_ALL, savedC.c_str());
    std::locale::global(savedGlobal);
    EXPECT_EQ(point, 35.5);
    EXPECT_EQ(comma, NoReal);
    EXPECT_EQ(text, " 0.200");
}

// ---- Fixed-point text ----

class FormatFixedTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = Data::DecimalSeparator; }
    void TearDown() override { Data::DecimalSeparator = saved_; }

private:
    char saved_ = '.';
};

TEST_F(FormatFixedTest, PadsToWidthWithExactDecimals) {
    struct Case {
        double value;
        int width;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.2, 6, 3, " 0.200"},      {20, 5, 2, "20.00"},
        {5, 5, 2, " 5.00"},         {100, 5, 2, "100.00"},
        {0, 5, 2, " 0.00"},         {-0.0, 5, 2, " 0.00"},
        {0.4, 6, 3, " 0.400"},      {0, 6, 3, " 0.000"},
        {35.5, 5, 2, "35.50"},      {-3, 5, 2, "-3.00"},
        {-12.5, 3, 1, "-12.5"},     {1234.5678, 2, 1, "1234.6"},
        {20, 3, 0, " 20"},          {7, 0, 0, "7"},
        {0.2, 0, 3, "0.200"},       {1e-7, 0, 3, "0.000"},
        {2.5, 10, 4, "    2.5000"}, {1e9, 12, 2, "1000000000.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.text)
            << c.value << " %" << c.width << "." << c.decimals << "F";
    }
}

TEST_F(FormatFixedTest, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{0.125, 2, "0.13"},   {-0.125, 2, "-0.13"},    {2.675, 2, "2.68"},
                          {1.005, 2, "1.01"},   {0.5, 0, "1"},           {-0.5, 0, "-1"},
                          {1.5, 0, "2"},        {2.5, 0, "3"},           {9.995, 2, "10.00"},
                          {99.5, 0, "100"},     {-9.9999, 3, "-10.000"}, {0.1449, 2, "0.14"},
                          {0.0005, 3, "0.001"}, {0.00049, 3, "0.000"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, 0, c.decimals), c.text) << c.value << " " << c.decimals;
    }
}

TEST_F(FormatFixedTest, NegativeValuesThatReadAsZeroHaveNoSign) {
    for (double v : {-0.0, -0.001, -0.004999, -1e-300, -std::numeric_limits<double>::denorm_min()})
        EXPECT_EQ(FormatFixed(v, 5, 2), " 0.00") << v;
    EXPECT_EQ(FormatFixed(-0.005, 5, 2), "-0.01");
    EXPECT_EQ(FormatFixed(-0.4, 0, 0), "0");
}

TEST_F(FormatFixedTest, UsesTheProcessWideDecimalSeparator) {
    Data::DecimalSeparator = ',';
    EXPECT_EQ(FormatFixed(0.2, 6, 3), " 0,200");
    EXPECT_EQ(FormatFixed(35.5, 5, 2), "35,50");
    EXPECT_EQ(FormatFixed(20, 3, 0), " 20"); // no decimals, no separator
    Data::DecimalSeparator = '.';
    EXPECT_EQ(FormatFixed(0.2, 6, 3), " 0.200");
}

TEST_F(FormatFixedTest, EveryScrollReadoutShowsItsExactMillimetres) {
    // Position × 0.004 is rarely exact in binary; the readout must still show p × 4 µm.
    for (int p = 0; p <= 100; ++p) {
        char expected[16];
        std::snprintf(expected, sizeof expected, " 0.%03d", p * 4);
        EXPECT_EQ(FormatFixed(p * 0.004, 6, 3), expected) << p;
    }
}

TEST_F(FormatFixedTest, EveryTypedTemperatureReadsBackAsTyped) {
    // Every hundredth of a degree from 0 to 100 survives parsing and formatting unchanged.
    for (int hundredths = 0; hundredths <= 10000; ++hundredths) {
        char typed[16];
        std::snprintf(typed, sizeof typed, "%d.%02d", hundredths / 100, hundredths % 100);
        char shown[16];
        std::snprintf(shown, sizeof shown, "%5s", typed);
        const std::optional<double> value = ParseReal(typed);
        ASSERT_TRUE(value.has_value()) << typed;
        ASSERT_EQ(FormatFixed(*value, 5, 2), shown) << typed;
    }
}

TEST_F(FormatFixedTest, SpecialValuesAreSafeAndSane) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFixed(nan, 6, 3), "   NAN");
    EXPECT_EQ(FormatFixed(inf, 6, 3), "   INF");
    EXPECT_EQ(FormatFixed(-inf, 5, 2), " -INF");
    // Huge values show every digit of their exact binary value, as printf does.
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.2f", 1e308);
    EXPECT_EQ(FormatFixed(1e308, 0, 2), exact);
    EXPECT_EQ(FormatFixed(0.1, 0, 20), "0.1" + std::string(19, '0'));
    const double largest = std::numeric_limits<double>::max();
    const std::string most = FormatFixed(-largest, 5, 20);
    EXPECT_EQ(most.size(), 1 + 309 + 1 + 20u);
    EXPECT_EQ(most.substr(0, 5), "-1797");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::denorm_min(), 0, 20),
              "0." + std::string(20, '0'));
}

TEST_F(FormatFixedTest, EveryWidthAndPrecisionGivesWellFormedText) {
    const double values[] = {0,     -0.0, 0.5,    -0.5,  1.0 / 3, -2.0 / 3, 99.995,
                             1e-20, 1e20, -1e300, 1e308, 5e-324,  123.456};
    for (double v : values) {
        for (int width = 0; width <= 64; ++width) {
            for (int decimals = 0; decimals <= 20; ++decimals) {
                const std::string s = FormatFixed(v, width, decimals);
                ASSERT_GE(s.size(), static_cast<std::size_t>(width)) << v;
                const std::size_t start = s.find_first_not_of(' ');
                ASSERT_NE(start, std::string::npos) << v;
                if (s.size() > static_cast<std::size_t>(width)) {
                    ASSERT_EQ(start, 0u) << v;
                }
                const std::string body = s.substr(start);
                const std::size_t point = body.find('.');
                if (decimals == 0) {
                    ASSERT_EQ(point, std::string::npos) << v << " " << body;
                } else {
                    ASSERT_NE(point, std::string::npos) << v << " " << body;
                    ASSERT_EQ(body.size() - point - 1, static_cast<std::size_t>(decimals))
                        << v << " " << body;
                }
                ASSERT_EQ(body.find_first_not_of("-0123456789.", 0), std::string::npos) << body;
                if (body[0] == '-') {
                    ASSERT_NE(body.find_first_of("123456789"), std::string::npos);
                }
            }
        }
    }
}

TEST_F(FormatFixedTest, OutOfRangeArgumentsAreHeldToTheirLimits) {
    EXPECT_EQ(FormatFixed(1.5, -3, 1), "1.5");
    EXPECT_EQ(FormatFixed(1.5, 3, -2), "  2");
    EXPECT_EQ(FormatFixed(1, 1 << 30, 0).size(), 1024u);
    EXPECT_EQ(FormatFixed(1, 0, 1 << 30).size(), 2 + 400u);
}
