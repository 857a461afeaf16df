// The temperature column: the set temperature field with its spin buttons, and the thermometer
// whose liquid column shows the chamber temperature.
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "ui/Main.h"

#include <algorithm>
#include <cmath>

namespace {
/// The column's bottom edge in the panel; its top moves 3 pixels per degree.
constexpr int ColumnBottom = 384;
constexpr int ZeroDegreeTop = 382;

/// The top of the column for a chamber temperature in kelvin.
int ColumnTop(double kelvin) {
    // Truncated towards zero; kept within a range where the conversion is always defined.
    const double rise = std::clamp((kelvin - Data::CelsiusOffset) * 3, -1e6, 1e6);
    return ZeroDegreeTop - static_cast<int>(std::isnan(rise) ? 0 : rise);
}
} // namespace

void TForm1::Edit2Change() {
    // From the first edit of this field on, numbers are written with a decimal point.
    Data::DecimalSeparator = '.';
    if (showingSetTemperature_) return; // our own rewrite: the value is applied already
    const auto typed = Data::ParseReal(Edit2->text().toStdString());
    if (!typed) return;
    // Clamped to the thermostat's range; adding 0 turns a typed "-0" into 0.
    const double celsius = std::clamp(*typed, 0.0, 100.0) + 0.0;
    // The spin buttons follow without writing into the field.
    UpDown2->SetPositionQuietly(static_cast<int>(celsius));
    SetAmbientTemperature(celsius);
    // While the user types, the text stays as typed: rewriting it under the cursor would turn
    // "40" into " 4.00" at the first key. A change made by the program (the spin buttons) is
    // shown at once the way the value is in force.
    if (!Edit2->isModified()) ShowSetTemperature();
}

void TForm1::Edit2EditingFinished() {
    // Enter or leaving the field: the field shows the value in force, whatever was left in it.
    ShowSetTemperature();
}

void TForm1::ShowSetTemperature() {
    // Two decimals may round the value ("99.999" shows "100.00"); the rewrite must not apply the
    // rounded value in place of the one in force.
    showingSetTemperature_ = true;
    Edit2->setText(QString::fromStdString(Data::FormatFixed(setCelsius_, 5, 2)));
    showingSetTemperature_ = false;
}

void TForm1::SetAmbientTemperature(double celsius) {
    setCelsius_ = celsius;
    Data::SetAmbientTemperature(celsius);
}

void TForm1::UpdateThermometer() {
    const int top = ColumnTop(Data::CurTemp);
    const QRect column(Shape2->x(), top, Shape2->width(), std::max(ColumnBottom - top, 0));
    // Called at every tick; the column moves a pixel now and then, and only that costs a repaint.
    if (Shape2->geometry() != column) Shape2->setGeometry(column);
}

bool TForm1::ThermometerSettled() const {
    // The air relaxes steadily towards the set temperature, and the column's top follows it by
    // truncation, which keeps order: once both ends of the way give the same top, so does every
    // temperature still to come.
    return ColumnTop(Data::CurTemp) == ColumnTop(Data::AmbientTemp);
}
