#include "ui/VoltageView.h"

#include "assets/Colors.h"
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "lab/SpokenReadings.h"
#include "ui/SpokenControls.h"
#include "ui/VoltmeterDial.h"
#include "ui/layer/Captions.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"
#include "ui/layer/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {} // namespace

VoltageView::VoltageView(QWidget* client, const ControlSet& controls, const Lab::Session& session)
    : QObject(client), Label3(controls.Bind<QLabel>("Label3")),
      Edit7(controls.Bind<QLineEdit>("Edit7")), UpDown1(controls.Bind<TUpDown>("UpDown1")),
      Image2(controls.Bind<TImage>("Image2")), Shape1(controls.Bind<TShape>("Shape1")),
      BitBtn2(controls.Bind<QPushButton>("BitBtn2")),
      BitBtn3(controls.Bind<QPushButton>("BitBtn3")), session_(session) {
    // Every step and move of the spin buttons is the session's to make.
    UpDown1->SetForwarding(true);
    Image2->NewBitmap(Image2->width(), Image2->height());
    MakeSpoken(Image2, {.Role = QAccessible::Dial,
                        .Name = [] { return SpokenText(Texts::SpokenVoltmeter); },
                        .Reading = [] { return QString::fromStdString(Lab::VoltmeterReading()); },
                        .Number = [] { return std::optional<double>(Data::PlateVoltage); },
                        .Minimum = -1000,
                        .Maximum = 1000});
    MakeSpoken(Shape1, {.Role = QAccessible::Graphic,
                        .Name = [] { return SpokenText(Texts::SpokenSupplyLamp); },
                        .Reading = [] { return QString::fromStdString(Lab::LampReading()); }});
    MakeSpinButtonsSpoken(UpDown1, Texts::VoltagePanel);
}

void VoltageView::DrawSupply() {
    // The lamp is teal while the supply is off and lime while it is on.
    Shape1->SetBrushColor(QColor(Data::VoltageOn ? Palette::LampOn : Palette::LampOff));
    DrawVoltmeter();
    ReadingChanged(Image2);
    ReadingChanged(Shape1);
}

void VoltageView::DrawVoltmeter() {
    TCanvas canvas(Image2->Bitmap());
    DrawVoltmeterDial(canvas, Data::PlateVoltage);
    Image2->Changed();
}

void VoltageView::DrawField() {
    // A rewrite runs the field's own handler once more, which finds the value in force.
    UpDown1->ShowDecided(session_.SpinPosition(Lab::Field::Voltage),
                         QString::fromStdString(session_.FieldText(Lab::Field::Voltage)));
}

void VoltageView::ApplyNames() {
    Edit7->setAccessibleName(SpokenText(Texts::VoltagePanel));
    NamesChanged({Image2, Shape1, UpDown1});
}
