// The session's run, the tick's way to the display, the view and the chamber's switches.
#include "lab/Session.h"

#include "design/MainDesign.h"
#include "lab/ClassCode.h"
#include "lab/SpokenReadings.h"
#include "model/AssessedChamber.h"
#include "model/FieldEditing.h"
#include "model/FieldParsing.h"

#include <algorithm>

namespace Lab {

namespace {
/// The scroll bars' position for the view's home.
constexpr int ScrollCentre = 50;
constexpr int ScrollLeast = 0;
constexpr int ScrollMost = 100;

std::string OffsetReadout(int position) {
    return Data::FormatFixed(position * 0.004, 6, 3) + " mm     ";
}
} // namespace

Session::Session() {
    DesignedControls();
}

Session::~Session() {
    Detach();
}

void Session::DesignedControls() {
    const ControlSpec& across = MainDesign::Control("ScrollBar1");
    const ControlSpec& upDown = MainDesign::Control("ScrollBar2");
    scroll_ = {across.Position, upDown.Position};
    readouts_ = {MainDesign::Control("Label1").Text, MainDesign::Control("Label2").Text};
    const auto field = [](const char* edit, const char* spin) {
        const ControlSpec& buttons = MainDesign::Control(spin);
        return FieldState{.Text = MainDesign::Control(edit).Text,
                          .Position = buttons.Position,
                          .Min = buttons.Min,
                          .Max = buttons.Max,
                          .Increment = std::max(buttons.Increment, 1)};
    };
    fields_ = {field("Edit7", "UpDown1"), field("Edit2", "UpDown2"), field("Edit3", "UpDown3")};
    stopwatchText_ = MainDesign::Control("Edit1").Text;
}

void Session::Attach(Display display) {
    display_ = std::move(display);
    attached_ = true;
    unseen_ = 0;
    behind_ = false;
    Data::ViewRefreshHook = [this] { ViewRefreshed(); };
    Data::StopwatchDisplayHook = [this](const std::string& text) { StopwatchWritten(text); };
}

void Session::Detach() {
    if (!attached_) return;
    attached_ = false;
    display_ = {};
    // The tick must not reach a session that no longer draws.
    Data::ViewRefreshHook = nullptr;
    Data::StopwatchDisplayHook = nullptr;
}

bool Session::Seen() const {
    return !display_.Seen || display_.Seen();
}

void Session::ViewRefreshed() {
    if (!Seen()) {
        behind_ = true;
        return;
    }
    // What is drawn is what was taken last, so the view taken now shows what changed since,
    // however many refreshes nobody saw.
    int changes = TakeView();
    if (behind_) {
        changes |= unseen_;
        unseen_ = 0;
        behind_ = false;
    }
    if (changes && display_.Draw) display_.Draw(changes);
}

void Session::StopwatchWritten(const std::string& text) {
    stopwatchText_ = text;
    // Drawn at every tick while it runs: the display is an ordinary field, and whatever was
    // typed into it goes at the next tick.
    if (!Seen()) {
        unseen_ |= ChangedStopwatch;
        behind_ = true;
        return;
    }
    if (display_.Draw) display_.Draw(ChangedStopwatch);
}

void Session::SetClassCode(std::string code) {
    classCode_ = ClassCodeFaultOf(code) ? std::string() : std::move(code);
}

int Session::BeginRun() {
    DesignedControls();
    followed_ = 0;
    burstSinceLastRow_ = false;
    spray_ = bursts_ = 0;
    assessed_ = false;
    announcement_.clear();
    Data::StartRun();
    Data::SetTemperatureCelsius(Data::StartCelsius);
    TakeView();
    return ChangedMarkers | ChangedColumn | ChangedStopwatch | ChangedSupply | ChangedReadouts |
           ChangedVoltageField | ChangedTemperatureField | ChangedDescription | ChangedBrownian |
           ChangedRealAir | ChangedPressureField;
}

int Session::TakeView() {
    return TakeMarkers() | TakeColumn();
}

int Session::TakeMarkers() {
    MarkerTable markers{};
    int inView = 0;
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i) {
        const Data::MarkerPlace place = Data::MarkerPlaceOf(i);
        markers[static_cast<std::size_t>(i - Data::DropletArray::Low)] = place;
        inView += place.Shown ? 1 : 0;
    }
    const auto same = [](const Data::MarkerPlace& a, const Data::MarkerPlace& b) {
        return a.Shown == b.Shown && (!a.Shown || (a.X == b.X && a.Y == b.Y));
    };
    if (std::equal(markers.begin(), markers.end(), markers_.begin(), same)) return 0;
    markers_ = markers;
    markersInView_ = inView;
    return ChangedMarkers;
}

int Session::TakeColumn() {
    const int top = Data::ThermometerColumnTop(Data::CurTemp);
    if (top == columnTop_) return 0;
    columnTop_ = top;
    return ChangedColumn;
}

int Session::Inject() {
    // The student's sprays are counted on from the notebook's, so that a spray of a later lesson
    // is a chamber of its own too.
    int highest = spray_;
    for (const Data::NotebookRow& row : rows_)
        highest = std::max(highest, row.Spray.value_or(0));
    assessed_ = !classCode_.empty() && highest < Data::LargestSpray;
    spray_ = std::min(highest + 1, Data::LargestSpray);
    bursts_ = 0;
    if (assessed_)
        Data::InjectAssessedDroplets(classCode_, student_, spray_);
    else
        Data::InjectAllDroplets();
    followed_ = 0;
    // New droplets get notebook numbers of their own, never those of an earlier spray's.
    sprayNumberOffset_ = Data::SprayNumberOffset(rows_);
    int changes = ChangedSupply | ChangedMarkers | ChangedDescription;
    // The view is recentred, so the scroll bars go back to the centre too, with their readouts;
    // otherwise they would show a position the view no longer has.
    for (const Axis axis : {Axis::Across, Axis::UpDown})
        if (ScrollPosition(axis) != ScrollCentre) changes |= ShiftView(axis, ScrollCentre);
    return changes;
}

int Session::SwitchSupply() {
    Data::SwitchSupply();
    return ChangedSupply;
}

int Session::ReversePolarity() {
    Data::ReversePolarity();
    return ChangedSupply;
}

int Session::ShiftView(Axis axis, int position) {
    position = std::clamp(position, ScrollLeast, ScrollMost);
    scroll_[Index(axis)] = position;
    readouts_[Index(axis)] = OffsetReadout(position);
    if (axis == Axis::Across)
        Data::ShiftViewX(position);
    else
        Data::ShiftViewY(position);
    return ChangedReadouts | ChangedDescription | TakeMarkers();
}

int Session::StartStopwatch() {
    // Restarting while running counts from zero again; the display changes at the next tick.
    Data::StartStopwatch();
    return 0;
}

int Session::StopStopwatch() {
    Data::StopStopwatch();
    announcement_ = StopwatchStoppedAnnouncement();
    return ChangedAnnouncement | ChangedStopwatch;
}

int Session::SetBrownianMotion(bool on) {
    Data::SetBrownianMotion(on);
    return ChangedBrownian;
}

int Session::SetRealAir(bool on) {
    Data::SetRealAir(on);
    return ChangedRealAir;
}

int Session::Ionise() {
    // Past the last burst a spray follows, the chamber is no longer the assessed one.
    if (assessed_ && bursts_ >= Data::LargestBursts) assessed_ = false;
    ++bursts_;
    if (assessed_)
        Data::IoniseAssessedDroplets(classCode_, student_, spray_, bursts_);
    else
        Data::IoniseDroplets();
    // The next timing is marked, so that the rows before and after the step stand apart.
    burstSinceLastRow_ = true;
    return 0;
}

std::string Session::MicroscopeDescription() const {
    return Lab::MicroscopeDescription(followed_, sprayNumberOffset_);
}

std::string Session::DropletsInView() const {
    return DropletsInViewText();
}

bool Session::ThermometerSettled() const {
    // The air relaxes steadily towards the set temperature, and the column's top follows it by
    // truncation, which keeps order: once both ends of the way give the same top, so does every
    // temperature still to come.
    return Data::ThermometerColumnTop(Data::CurTemp) ==
           Data::ThermometerColumnTop(Data::AmbientTemp);
}

int Session::QuietTicks(int most) const {
    // Seen again with the view left behind: the next tick brings it up to date on its own time.
    if (behind_) return 1;
    // A relaxing chamber moves the thermometer column now and then; a droplet near the field
    // may step onto a new pixel at any tick.
    if (!ThermometerSettled()) return 1;
    if (Data::ChamberAtRest()) return UntilInput;
    if (!Data::DropletsStayOutOfView(most, Data::MarkerFieldRadius)) return 1;
    return Data::TicksUntilStopwatchChanges(most);
}

} // namespace Lab
