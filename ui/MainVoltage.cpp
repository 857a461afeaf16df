// The voltage supply panel: the voltage field with its spin buttons, the on/off switch with its
// lamp, the polarity reversal and the voltmeter dial.
#include "Colors.h"
#include "Data.h"
#include "FieldParsing.h"
#include "Main.h"
#include "VoltmeterDial.h"

#include <algorithm>

void TForm1::Edit7Change() {
    const auto typed = Data::ParseInteger(Edit7->text().toStdString());
    if (!typed) return; // invalid input is ignored; the text stays as typed
    const int volts = std::clamp<std::int32_t>(*typed, 0, 1000);
    Data::VoltageSetting = volts;
    ApplyVoltage();
    // Rewriting a clamped or reformatted value runs this handler once more, with the same value.
    Edit7->setText(QString::number(volts));
}

void TForm1::BitBtn2Click() {
    Data::PolarityPositive = !Data::PolarityPositive;
    ApplyVoltage();
}

void TForm1::BitBtn3Click() {
    Data::VoltageOn = !Data::VoltageOn;
    ApplyVoltage();
}

void TForm1::ApplyVoltage() {
    // The lamp is teal while the supply is off and lime while it is on.
    Shape1->SetBrushColor(QColor(Data::VoltageOn ? Colors::Lime : Colors::Teal));
    if (Data::VoltageOn) {
        Data::PlateVoltage = Data::PolarityPositive ? Data::VoltageSetting : -Data::VoltageSetting;
    } else {
        Data::PlateVoltage = 0;
    }
    DrawVoltmeter();
}

void TForm1::DrawVoltmeter() {
    TCanvas canvas(Image2->Bitmap());
    DrawVoltmeterDial(canvas, Data::PlateVoltage);
    Image2->Changed();
}
