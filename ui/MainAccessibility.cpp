// The main window for assistive technology and the keyboard: names and readings of the controls,
// the microscope's description, following droplets from the keyboard, the announcements of the
// stopwatch and of recorded timings, and the focus frame.
#include "catalogue/SpokenReadings.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "model/DropletChoice.h"
#include "model/Notebook.h"
#include "ui/Main.h"
#include "ui/SpokenControls.h"
#include "ui/layer/Captions.h"
#include "ui/layer/FocusRing.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <utility>

namespace {
/// The microscope's description is brought up to date at most this often, ms.
constexpr int DescriptionPeriod = 1000;

QString Text(int n) {
    return WithoutMnemonics(QString::fromStdString(Data::GetText(n)));
}

std::function<QString()> Caption(int n) {
    return [n] { return Text(n); };
}

std::function<QString()> Spoken(std::string (*reading)()) {
    return [reading] { return QString::fromStdString(reading()); };
}

std::optional<double> CelsiusShown() {
    return Data::CurTemp - Data::CelsiusOffset;
}
} // namespace

void TForm1::SetUpAccessibility() {
    using Data::SpokenText::Microscope, Data::SpokenText::Voltmeter, Data::SpokenText::SupplyLamp,
        Data::SpokenText::Thermometer, Data::SpokenText::StopwatchDisplay,
        Data::SpokenText::MicroscopeKeys;
    MakeSpoken(Image3, {.Role = QAccessible::Canvas,
                        .Name = Caption(Microscope),
                        .Reading = [this] { return microscopeDescription_; },
                        .Help = Caption(MicroscopeKeys)});
    MakeSpoken(Image2, {.Role = QAccessible::Dial,
                        .Name = Caption(Voltmeter),
                        .Reading = Spoken(Data::VoltmeterReading),
                        .Number = [] { return std::optional<double>(Data::PlateVoltage); },
                        .Minimum = -1000,
                        .Maximum = 1000});
    MakeSpoken(Shape1, {.Role = QAccessible::Graphic,
                        .Name = Caption(SupplyLamp),
                        .Reading = Spoken(Data::LampReading)});
    MakeSpoken(Image1, {.Role = QAccessible::Graphic,
                        .Name = Caption(Thermometer),
                        .Reading = Spoken(Data::ThermometerReading),
                        .Number = CelsiusShown,
                        .Minimum = 0,
                        .Maximum = 100});
    // The stopwatch display is read, not typed into: its reading in seconds.
    MakeSpoken(Edit1, {.Role = QAccessible::StaticText,
                       .Name = Caption(StopwatchDisplay),
                       .Reading = Spoken(Data::StopwatchReadingText),
                       .Number = [] { return std::optional<double>(Data::StopwatchReading()); },
                       .Minimum = 0,
                       .Maximum = 0});
    // The spin buttons read as the number in their field, from which they step.
    const auto spinButtons = [](TUpDown* upDown, int name) {
        const auto number = [upDown]() -> std::optional<double> {
            bool ok = false;
            const double typed = upDown->Associate()->text().trimmed().toDouble(&ok);
            return ok ? typed : static_cast<double>(upDown->Position());
        };
        MakeSpoken(upDown, {.Role = QAccessible::SpinBox,
                            .Name = Caption(name),
                            .Reading = [number] { return QString::number(*number()); },
                            .Number = number,
                            .Minimum = static_cast<double>(upDown->Min()),
                            .Maximum = static_cast<double>(upDown->Max()),
                            .SetNumber =
                                [upDown](double v) {
                                    const double min = upDown->Min(), max = upDown->Max();
                                    upDown->SetPosition(static_cast<int>(std::clamp(v, min, max)));
                                }});
    };
    spinButtons(UpDown1, 14);
    spinButtons(UpDown2, 16);
    new FocusRing(this);

    // The description is kept up to date only while assistive technology listens: otherwise the
    // timer would wake a program that has nothing to show once a second.
    describeTimer_ = new QTimer(this);
    describeTimer_->setInterval(DescriptionPeriod);
    connect(describeTimer_, &QTimer::timeout, this, &TForm1::DescribeMicroscope);
    describeSwitch_ = std::make_unique<DescriptionSwitch>(describeTimer_);
    QAccessible::installActivationObserver(describeSwitch_.get());
    describeSwitch_->accessibilityActiveChanged(QAccessible::isActive());
}

TForm1::DescriptionSwitch::DescriptionSwitch(QTimer* timer) : timer_(timer) {}

TForm1::DescriptionSwitch::~DescriptionSwitch() {
    QAccessible::removeActivationObserver(this);
}

void TForm1::DescriptionSwitch::accessibilityActiveChanged(bool active) {
    if (active)
        timer_->start();
    else
        timer_->stop();
}

void TForm1::ApplyAccessibleNames() {
    Edit7->setAccessibleName(Text(14));
    Edit2->setAccessibleName(Text(16));
    ScrollBar1->setAccessibleName(Text(Data::SpokenText::ViewAcross));
    ScrollBar2->setAccessibleName(Text(Data::SpokenText::ViewUpDown));
    for (QWidget* spoken : {static_cast<QWidget*>(Image3), static_cast<QWidget*>(Image2),
                            static_cast<QWidget*>(Shape1), static_cast<QWidget*>(Image1),
                            static_cast<QWidget*>(Edit1), static_cast<QWidget*>(UpDown1),
                            static_cast<QWidget*>(UpDown2)}) {
        QAccessibleEvent event(spoken, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    DescribeMicroscope();
}

void TForm1::DescribeMicroscope() {
    const QString text = QString::fromStdString(Data::MicroscopeDescription(sprayNumberOffset_));
    // Restarted at every description, so that one made at once (a key press) is not followed by
    // another within the period.
    if (describeTimer_ && describeTimer_->isActive()) describeTimer_->start();
    if (text == microscopeDescription_) return;
    microscopeDescription_ = text;
    ReadingChanged(Image3);
}

bool TForm1::MicroscopeKey(const QKeyEvent* key) {
    using Way = Data::ViewDirection;
    static constexpr std::pair<int, Way> Arrows[] = {{Qt::Key_Left, Way::Left},
                                                     {Qt::Key_Right, Way::Right},
                                                     {Qt::Key_Up, Way::Up},
                                                     {Qt::Key_Down, Way::Down}};
    int chosen = 0;
    if (key->key() == Qt::Key_Escape) {
        ClearDropletSelection();
        return true;
    }
    if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
        key->key() == Qt::Key_Enter) {
        chosen = Data::DropletNearestCentre();
    } else {
        const auto* arrow = std::find_if(std::begin(Arrows), std::end(Arrows),
                                         [key](const auto& a) { return a.first == key->key(); });
        if (arrow == std::end(Arrows)) return false;
        chosen = Data::DropletToward(Data::SelectedDroplet, arrow->second);
    }
    // With no droplet in view there is nothing to follow; the droplet followed so far is kept.
    if (chosen > 0) {
        Data::SelectDroplet(chosen);
        PlaceDropletMarkers();
    }
    DescribeMicroscope();
    return true;
}

void TForm1::AnnounceStopwatch() {
    Announce(Edit1, QString::fromStdString(Data::StopwatchStoppedAnnouncement()));
    ReadingChanged(Edit1);
}

void TForm1::AnnounceRow(const Data::NotebookRow& row, int number) {
    Announce(Edit1, QString::fromStdString(
                        Data::RowRecordedAnnouncement(number, row.Droplet, row.Time.value_or(0))));
}
