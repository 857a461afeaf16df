#pragma once
// Typing into the window's number fields, one set of rules for both editions: what a text
// typed into the field does to the chamber, and what the field shows afterwards.

#include <optional>
#include <string>

namespace Data {

/// The voltage field's text changed: a valid whole number (see ParseInteger) is clamped to
/// 0–1000 V and set as the supply's voltage, and the text the field must show now is returned
/// ("1000" for "2000"); nullopt for anything else, which changes nothing (the field keeps what
/// was typed).
std::optional<std::string> VoltageFieldChanged(const std::string& text);

/// The temperature field's text changed: from now on numbers are written with a decimal point;
/// a valid number (see ParseReal) is clamped to 0–100 °C and set as the chamber's set
/// temperature. Returns the degrees now in force (for the spin buttons), nullopt for no number
/// (nothing changes). The text typed stays in the field while the user types.
std::optional<double> TemperatureFieldChanged(const std::string& text);

/// The program has rewritten the temperature field's text (with TemperatureFieldText) and the
/// text changed: like any change of the field, from then on numbers are written with a decimal
/// point. Typing comes through TemperatureFieldChanged instead.
void TemperatureFieldRewritten();

/// What the temperature field shows when editing ends (Enter, leaving it) or after a spin: the
/// set temperature in force with two decimals, five characters wide.
std::string TemperatureFieldText();

/// The set temperature in force, °C, as typed (not rounded to what the field shows).
double SetTemperatureCelsius();

/// Sets the temperature in force, °C (clamped to 0–100), as the spin buttons do.
void SetTemperatureCelsius(double celsius);

/// The pressure field's text changed (real air): a valid number (see ParseReal) from 1 to
/// 110 kPa is set as the chamber's pressure; anything else, a number outside the range too,
/// keeps the last good value. Returns the kPa now in force when the text was taken.
std::optional<double> PressureFieldChanged(const std::string& text);

/// What the pressure field shows when editing ends or after a spin: the pressure in force, kPa,
/// with one decimal and a decimal point (the field reads what it writes).
std::string PressureFieldText();

} // namespace Data
