#pragma once
// Doubles to decimal text and back, exactly and independent of the C library's locale, with what
// every C++ library we build with has (the browser edition's lacks the floating-point
// std::to_chars and std::from_chars).

#include <optional>
#include <string>
#include <string_view>

namespace Data {

/// A plain decimal number as read, and whether a double can hold it.
struct DecimalReading {
    enum class Range {
        Inside,   ///< Value is the nearest double
        TooLarge, ///< beyond the largest double
        TooSmall  ///< not zero, yet nearer to zero than to the smallest subnormal
    };
    Range Fit = Range::Inside;
    double Value = 0; ///< (signed) zero when not inside
};

/// Reads a plain decimal number, the whole text: an optional "-", digits with an optional "."
/// fraction (at least one digit in all) and an optional exponent ("e" or "E", an optional sign,
/// digits); nullopt for anything else.
std::optional<DecimalReading> ScanDecimal(std::string_view text);

/// The nearest double to a plain decimal number (see ScanDecimal); nullopt for anything else and
/// for numbers out of a double's range.
std::optional<double> ReadDecimal(std::string_view text);

/// The shortest significant digits that read back as the same double, for a finite, positive
/// value: the value is 0.Digits × 10^Exponent. Of several such digit strings, the nearest.
struct ShortestDigits {
    std::string Digits;
    int Exponent = 0;
};
ShortestDigits ShortestDigitsOf(double magnitude);

/// A finite value in plain fixed notation with "." as the point: the shortest form that reads
/// back as the same double; whole numbers of 2^53 and beyond with their exact digits.
std::string ShortestFixed(double value);

/// A finite value with exactly `decimals` (0 to 400) decimals and "." as the point, rounded
/// correctly from its exact binary value (a tie to the even digit).
std::string FixedDecimals(double value, int decimals);

} // namespace Data
