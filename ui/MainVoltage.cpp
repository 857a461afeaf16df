// The voltage supply panel: the voltage field with its spin buttons, the on/off switch with its
// lamp, the polarity reversal and the voltmeter dial.
#include "assets/Colors.h"
#include "model/Data.h"
#include "model/FieldEditing.h"
#include "ui/Main.h"
#include "ui/SpokenControls.h"
#include "ui/VoltmeterDial.h"

void TForm1::Edit7Change() {
    const auto shown = Data::VoltageFieldChanged(Edit7->text().toStdString());
    if (!shown) return; // invalid input is ignored; the text stays as typed
    ApplyVoltage();
    // Rewriting a clamped or reformatted value runs this handler once more, with the same value.
    Edit7->setText(QString::fromStdString(*shown));
}

void TForm1::BitBtn2Click() {
    Data::ReversePolarity();
    ApplyVoltage();
}

void TForm1::BitBtn3Click() {
    Data::SwitchSupply();
    ApplyVoltage();
}

void TForm1::ApplyVoltage() {
    Data::ApplySupply();
    // The lamp is teal while the supply is off and lime while it is on.
    Shape1->SetBrushColor(QColor(Data::VoltageOn ? Colors::Lime : Colors::Teal));
    DrawVoltmeter();
    ReadingChanged(Image2);
    ReadingChanged(Shape1);
}

void TForm1::DrawVoltmeter() {
    TCanvas canvas(Image2->Bitmap());
    DrawVoltmeterDial(canvas, Data::PlateVoltage);
    Image2->Changed();
}
