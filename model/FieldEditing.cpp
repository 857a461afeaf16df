// Typing into the voltage, temperature and pressure fields.
#include "model/FieldEditing.h"

#include "model/Data.h"
#include "model/FieldParsing.h"

#include <algorithm>
#include <cstdint>

namespace Data {

namespace {
constexpr std::int32_t LargestVoltage = 1000; ///< V
constexpr double LowestSetCelsius = 0;
constexpr double HighestSetCelsius = 100;
} // namespace

std::optional<std::string> VoltageFieldChanged(const std::string& text) {
    const auto typed = ParseInteger(text);
    if (!typed) return std::nullopt; // the text stays as typed
    const std::int32_t volts = std::clamp<std::int32_t>(*typed, 0, LargestVoltage);
    SetVoltageSetting(volts);
    // A clamped or reformatted value is written back; the field's change that this makes comes
    // here once more, with the same value.
    return std::to_string(volts);
}

std::optional<double> TemperatureFieldChanged(const std::string& text) {
    // From the first change of this field on, numbers are written with a decimal point.
    DecimalSeparator = '.';
    const auto typed = ParseReal(text);
    if (!typed) return std::nullopt;
    // Clamped to the thermostat's range; adding 0 turns a typed "-0" into 0.
    const double celsius = std::clamp(*typed, LowestSetCelsius, HighestSetCelsius) + 0.0;
    SetTemperatureCelsius(celsius);
    return celsius;
}

void TemperatureFieldRewritten() {
    DecimalSeparator = '.';
}

std::string TemperatureFieldText() {
    // Two decimals may round the value ("99.999" shows "100.00"); the value in force stays the
    // one typed.
    return FormatFixed(SetCelsius, 5, 2);
}

double SetTemperatureCelsius() {
    return SetCelsius;
}

void SetTemperatureCelsius(double celsius) {
    SetCelsius = std::clamp(celsius, LowestSetCelsius, HighestSetCelsius) + 0.0;
    SetAmbientTemperature(SetCelsius);
}

std::optional<double> PressureFieldChanged(const std::string& text) {
    const auto kilopascals = ParseReal(text);
    if (!kilopascals || !SetChamberPressure(*kilopascals * 1000)) return std::nullopt;
    return ChamberPressure / 1000;
}

std::string PressureFieldText() {
    return FormatFixed(ChamberPressure / 1000, 5, 1, '.');
}

} // namespace Data
