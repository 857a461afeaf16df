#pragma once
// Reading the numbers typed into the window's fields and writing numbers back as text. The rules
// are the program's own, independent of the C library's locale: the program runs under locales
// whose decimal point is ",", yet the temperature field always reads ".".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Data {

/// Reads the voltage field: leading blanks, then an optional sign and decimal digits, or (without
/// a sign) up to eight hexadecimal digits after "$", "x", "X", "0x" or "0X". Eight hexadecimal
/// digits wrap to signed 32-bit ("$FFFFFFFF" is -1). Anything else, trailing blanks included, and
/// decimal values outside the signed 32-bit range give no value.
std::optional<std::int32_t> ParseInteger(std::string_view text);

/// Reads the temperature field: leading blanks, an optional sign, digits with an optional "."
/// fraction (at least one digit in all) and an optional exponent; nothing may follow. Values too
/// large for a double give no value; values too small round to zero.
std::optional<double> ParseReal(std::string_view text);

/// The decimal separator of all number formatting in the program; '.' until the window sets it.
extern char DecimalSeparator;

/// The value with exactly `decimals` decimals, right-aligned in at least `width` characters
/// (wider values are not cut), rounded half away from zero on the value's shortest decimal form,
/// never with a sign when it reads as zero; NaN and infinities print as "NAN", "INF" and "-INF".
/// Widths beyond 1024 and decimals beyond 400 are treated as those limits, negatives as 0.
std::string FormatFixed(double value, int width, int decimals);
/// The same with this decimal separator.
std::string FormatFixed(double value, int width, int decimals, char separator);

} // namespace Data
