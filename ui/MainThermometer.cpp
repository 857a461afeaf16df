// The temperature column: the set temperature field with its spin buttons, and the thermometer
// whose liquid column shows the chamber temperature.
#include "model/Data.h"
#include "model/FieldEditing.h"
#include "model/ViewGeometry.h"
#include "ui/Main.h"

#include <algorithm>

void TForm1::Edit2Change() {
    if (showingSetTemperature_) {
        // Our own rewrite: the value is applied already.
        Data::TemperatureFieldRewritten();
        return;
    }
    const auto celsius = Data::TemperatureFieldChanged(Edit2->text().toStdString());
    if (!celsius) return;
    // The spin buttons follow without writing into the field.
    UpDown2->SetPositionQuietly(static_cast<int>(*celsius));
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
    showingSetTemperature_ = true;
    Edit2->setText(QString::fromStdString(Data::TemperatureFieldText()));
    showingSetTemperature_ = false;
}

void TForm1::UpdateThermometer() {
    const int top = Data::ThermometerColumnTop(Data::CurTemp);
    const QRect column(Shape2->x(), top, Shape2->width(),
                       std::max(Data::ThermometerColumnBottom - top, 0));
    // Called at every tick; the column moves a pixel now and then, and only that costs a repaint.
    if (Shape2->geometry() != column) Shape2->setGeometry(column);
}

bool TForm1::ThermometerSettled() const {
    // The air relaxes steadily towards the set temperature, and the column's top follows it by
    // truncation, which keeps order: once both ends of the way give the same top, so does every
    // temperature still to come.
    return Data::ThermometerColumnTop(Data::CurTemp) ==
           Data::ThermometerColumnTop(Data::AmbientTemp);
}
