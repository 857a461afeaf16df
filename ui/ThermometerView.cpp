#include "ui/ThermometerView.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "lab/SpokenReadings.h"
#include "ui/PictureImages.h"
#include "ui/SpokenControls.h"
#include "ui/layer/Captions.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"
#include "ui/layer/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {} // namespace

ThermometerView::ThermometerView(QWidget* client, const ControlSet& controls,
                                 const Lab::Session& session)
    : QObject(client), Label7(controls.Bind<QLabel>("Label7")),
      Edit2(controls.Bind<QLineEdit>("Edit2")), UpDown2(controls.Bind<TUpDown>("UpDown2")),
      Image1(controls.Bind<TImage>("Image1")), Shape2(controls.Bind<TShape>("Shape2")),
      session_(session) {
    // Every step and move of the spin buttons is the session's to make.
    UpDown2->SetForwarding(true);
    Image1->SetPicture(ThermometerPicture());
    MakeSpoken(Image1,
               {.Role = QAccessible::Graphic,
                .Name = [] { return SpokenText(Texts::SpokenThermometer); },
                .Reading = [] { return QString::fromStdString(Lab::ThermometerReading()); },
                .Number = [] { return std::optional<double>(Data::CurTemp - Data::CelsiusOffset); },
                .Minimum = 0,
                .Maximum = 100});
    MakeSpinButtonsSpoken(UpDown2, Texts::TemperaturePanel);
}

void ThermometerView::DrawColumn() {
    const int top = session_.ColumnTop();
    const QRect column(Shape2->x(), top, Shape2->width(),
                       std::max(Data::ThermometerColumnBottom - top, 0));
    // Asked at every tick; the column moves a pixel now and then, and only that costs a repaint.
    if (Shape2->geometry() != column) Shape2->setGeometry(column);
}

void ThermometerView::DrawField() {
    // The rewrite runs the field's own handler, which finds the text the session wrote.
    UpDown2->ShowDecided(session_.SpinPosition(Lab::Field::Temperature),
                         QString::fromStdString(session_.FieldText(Lab::Field::Temperature)));
}

void ThermometerView::ApplyNames() {
    Edit2->setAccessibleName(SpokenText(Texts::TemperaturePanel));
    NamesChanged({Image1, UpDown2});
}
