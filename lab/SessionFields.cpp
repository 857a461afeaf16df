// The window's number fields and their spin buttons: what a text does to the chamber, and
// what the field and its spin buttons show afterwards.
#include "design/SpinStep.h"
#include "lab/Session.h"
#include "model/FieldEditing.h"
#include "model/FieldParsing.h"

#include <algorithm>

namespace Lab {

int Session::FieldChanged(Field field, std::string_view text, Edit how) {
    if (field == Field::Voltage) return ApplyVoltageText(std::string(text));
    if (how == Edit::Written && text == FieldText(field)) {
        // The field shows what the session wrote into it: the value is in force already.
        if (field == Field::Temperature) Data::TemperatureFieldRewritten();
        return 0;
    }
    if (field == Field::Pressure) return ApplyPressureText(std::string(text), how);
    return ApplyTemperatureText(std::string(text), how);
}

int Session::ApplyVoltageText(const std::string& text) {
    FieldState& voltage = fields_[Index(Field::Voltage)];
    voltage.Text = text;
    const auto shown = Data::VoltageFieldChanged(text);
    if (!shown) return 0; // invalid input is ignored; the text stays as typed
    int changes = ChangedSupply;
    // A clamped or reformatted value is written back; the field's change that this makes comes
    // here once more, with the same value.
    if (*shown != text) {
        voltage.Text = *shown;
        changes |= ChangedVoltageField;
    }
    return changes;
}

int Session::ApplyTemperatureText(const std::string& text, Edit how) {
    FieldState& temperature = fields_[Index(Field::Temperature)];
    temperature.Text = text;
    const auto celsius = Data::TemperatureFieldChanged(text);
    if (!celsius) return 0;
    int changes = 0;
    // The spin buttons follow without writing into the field.
    const int position = std::clamp(static_cast<int>(*celsius), temperature.Min, temperature.Max);
    if (position != temperature.Position) {
        temperature.Position = position;
        changes |= ChangedTemperatureField;
    }
    // While the student types, the text stays as typed: rewriting it under the cursor would turn
    // "40" into " 4.00" at the first key. A text the program writes is shown at once the way the
    // value is in force.
    if (how == Edit::Written) changes |= ShowInForce(Field::Temperature);
    return changes;
}

int Session::ApplyPressureText(const std::string& text, Edit how) {
    FieldState& pressure = fields_[Index(Field::Pressure)];
    pressure.Text = text;
    const auto kilopascals = Data::PressureFieldChanged(text);
    if (!kilopascals) return 0; // the last good pressure stays in force
    int changes = 0;
    const int position = std::clamp(static_cast<int>(*kilopascals), pressure.Min, pressure.Max);
    if (position != pressure.Position) {
        pressure.Position = position;
        changes |= ChangedPressureField;
    }
    if (how == Edit::Written) changes |= ShowInForce(Field::Pressure);
    return changes;
}

int Session::EditingFinished(Field field) {
    return field == Field::Voltage ? 0 : ShowInForce(field);
}

int Session::ShowInForce(Field field) {
    FieldState& f = fields_[Index(field)];
    const bool pressure = field == Field::Pressure;
    const std::string shown = pressure ? Data::PressureFieldText() : Data::TemperatureFieldText();
    if (shown == f.Text) return 0;
    f.Text = shown;
    if (pressure) return ChangedPressureField;
    // Like any change of the field, from then on numbers are written with a decimal point.
    Data::TemperatureFieldRewritten();
    return ChangedTemperatureField;
}

int Session::Spin(Field field, int direction) {
    const FieldState& f = fields_[Index(field)];
    std::optional<long long> typed;
    if (const auto n = Data::ParseInteger(f.Text)) typed = *n;
    return SpinTo(field,
                  SpinStep(f.Position, typed, direction < 0 ? -1 : 1, f.Min, f.Max, f.Increment));
}

int Session::SpinTo(Field field, int position) {
    FieldState& f = fields_[Index(field)];
    position = std::clamp(position, f.Min, f.Max);
    if (position == f.Position) return 0;
    f.Position = position;
    // The new position is written into the field, which takes it as any text the program writes.
    const std::string written = std::to_string(position);
    if (field == Field::Voltage) return ChangedVoltageField | ApplyVoltageText(written);
    if (field == Field::Pressure)
        return ChangedPressureField | ApplyPressureText(written, Edit::Written);
    return ChangedTemperatureField | ApplyTemperatureText(written, Edit::Written);
}

} // namespace Lab
