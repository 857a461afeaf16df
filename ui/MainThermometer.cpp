// The temperature column: the set temperature field with its spin buttons, and the thermometer
// whose liquid column shows the chamber temperature.
#include "Data.h"
#include "FieldParsing.h"
#include "Main.h"

#include <algorithm>
#include <cmath>

namespace {
/// The column's bottom edge in the panel; its top moves 3 pixels per degree.
constexpr int ColumnBottom = 384;
constexpr int ZeroDegreeTop = 382;
} // namespace

void TForm1::Edit2Change() {
    // From the first edit of this field on, numbers are written with a decimal point.
    Data::DecimalSeparator = '.';
    const auto typed = Data::ParseReal(Edit2->text().toStdString());
    if (!typed) return;
    // Clamped to the thermostat's range; adding 0 turns a typed "-0" into 0.
    const double celsius = std::clamp(*typed, 0.0, 100.0) + 0.0;
    // Each rewrite below runs this handler again, nested: the reformatted text gives the same
    // value, and the spin buttons write their new integer position, which is applied first and
    // then overridden by the full value at the end of this pass.
    Edit2->setText(QString::fromStdString(Data::FormatFixed(celsius, 5, 2)));
    UpDown2->SetPosition(static_cast<int>(celsius));
    SetAmbientTemperature(celsius);
}

void TForm1::SetAmbientTemperature(double celsius) {
    // The new relaxation starts from the present chamber temperature, without a jump.
    Data::PrevTemp = Data::CurTemp;
    Data::AmbientTemp = celsius + Data::CelsiusOffset;
    Data::TempRefTime = Data::SimTime;
}

void TForm1::UpdateThermometer() {
    // Truncated towards zero; kept within a range where the conversion is always defined.
    const double rise = std::clamp((Data::CurTemp - Data::CelsiusOffset) * 3, -1e6, 1e6);
    const int top = ZeroDegreeTop - static_cast<int>(std::isnan(rise) ? 0 : rise);
    Shape2->setGeometry(Shape2->x(), top, Shape2->width(), std::max(ColumnBottom - top, 0));
}
