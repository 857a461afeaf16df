#include "ui/StopwatchView.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "lab/SpokenReadings.h"
#include "ui/SpokenControls.h"
#include "ui/layer/Captions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

StopwatchView::StopwatchView(QWidget* client, const ControlSet& controls,
                             const Lab::Session& session)
    : QObject(client), Label4(controls.Bind<QLabel>("Label4")),
      Edit1(controls.Bind<QLineEdit>("Edit1")), BitBtn4(controls.Bind<QPushButton>("BitBtn4")),
      BitBtn5(controls.Bind<QPushButton>("BitBtn5")), session_(session) {
    // The display is read, not typed into: its reading in seconds.
    MakeSpoken(Edit1,
               {.Role = QAccessible::StaticText,
                .Name = [] { return SpokenText(Texts::StopwatchPanel); },
                .Reading = [] { return QString::fromStdString(Lab::StopwatchReadingText()); },
                .Number = [] { return std::optional<double>(Data::StopwatchReading()); },
                .Minimum = 0,
                .Maximum = 0});
}

void StopwatchView::Draw() {
    const QString shown = QString::fromStdString(session_.StopwatchText());
    // Most ticks do not change the tenths; the field is left alone then (unless something was
    // typed into it, which goes).
    if (Edit1->text() != shown) Edit1->setText(shown);
}

void StopwatchView::Announce() {
    ::Announce(Edit1, QString::fromStdString(session_.Announcement()));
    ReadingChanged(Edit1);
}

void StopwatchView::ApplyNames() {
    NamesChanged({Edit1});
}
