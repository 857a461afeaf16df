#include "ui/PressureView.h"

#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "model/Data.h"
#include "ui/SpokenControls.h"
#include "ui/layer/UpDown.h"

#include <QLabel>
#include <QLineEdit>

PressureView::PressureView(QWidget* client, const ControlSet& controls, const Lab::Session& session)
    : QObject(client), Panel6(controls.Bind<QWidget>("Panel6")),
      Label8(controls.Bind<QLabel>("Label8")), Edit3(controls.Bind<QLineEdit>("Edit3")),
      UpDown3(controls.Bind<TUpDown>("UpDown3")), session_(session) {
    // Every step and move of the spin buttons is the session's to make.
    UpDown3->SetForwarding(true);
    MakeSpinButtonsSpoken(UpDown3, Texts::PressureColumn);
}

void PressureView::DrawShown() {
    Panel6->setVisible(Data::RealAir);
}

void PressureView::DrawField() {
    UpDown3->ShowDecided(session_.SpinPosition(Lab::Field::Pressure),
                         QString::fromStdString(session_.FieldText(Lab::Field::Pressure)));
}

void PressureView::ApplyNames() {
    Edit3->setAccessibleName(SpokenText(Texts::PressureColumn));
    NamesChanged({UpDown3});
}
