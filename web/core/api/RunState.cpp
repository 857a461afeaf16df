#include "web/core/api/RunState.h"

#include "model/Data.h"
#include "model/FieldEditing.h"
#include "model/ViewGeometry.h"
#include "web/core/api/Api.h"

#include <cmath>

namespace WebRun {

namespace {
Snapshot Now;
bool Running = false;
double StartMs = 0;
/// Ticks run since the run began; a double counts exactly far beyond any lesson.
double TicksDone = 0;
/// Set while the last tick of a batch runs: only its view refresh is drawn, as the page draws
/// once per batch.
bool LastTickOfBatch = false;
int Changes = 0;
} // namespace

const Snapshot& Shown() {
    return Now;
}

int TakeMarkers() {
    MarkerTable markers{};
    int inView = 0;
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i) {
        const Data::MarkerPlace place = Data::MarkerPlaceOf(i);
        const auto at = static_cast<std::size_t>(3 * (i - Data::DropletArray::Low));
        markers[at] = place.Shown ? 1 : 0;
        markers[at + 1] = place.Shown ? place.X : 0;
        markers[at + 2] = place.Shown ? place.Y : 0;
        inView += place.Shown ? 1 : 0;
    }
    if (markers == Now.Markers) return 0;
    Now.Markers = markers;
    Now.MarkersInView = inView;
    return ChangedMarkers;
}

int TakeColumn() {
    const int top = Data::ThermometerColumnTop(Data::CurTemp);
    if (top == Now.ColumnTop) return 0;
    Now.ColumnTop = top;
    return ChangedColumn;
}

void Begin(double nowMs, std::uint64_t seed, char decimalSeparator) {
    Data::ResetChamber();
    Data::StartProgram(decimalSeparator);
    Data::SeedRandom(seed);
    Data::SeedNoise(~seed);
    Data::StopStopwatch();
    Data::StartRun();
    Data::SetTemperatureCelsius(Data::AmbientTemp - Data::CelsiusOffset);
    Data::ApplySupply();
    Now = Snapshot{};
    Now.StopwatchText = "00:00,0";
    TakeMarkers();
    TakeColumn();
    // The tick's two ways out: the view refresh comes early in every tick, the stopwatch text at
    // its end. While a batch of ticks catches up, only the last one's view is taken.
    Data::ViewRefreshHook = [] {
        if (LastTickOfBatch) Changes |= TakeMarkers() | TakeColumn();
    };
    Data::StopwatchDisplayHook = [](const std::string& text) {
        if (text == Now.StopwatchText) return;
        Now.StopwatchText = text;
        Changes |= ChangedStopwatch;
    };
    StartMs = nowMs;
    TicksDone = 0;
    Running = true;
}

void End() {
    Running = false;
    Data::ViewRefreshHook = nullptr;
    Data::StopwatchDisplayHook = nullptr;
}

int RunUntil(double nowMs) {
    if (!Running || !std::isfinite(nowMs)) return 0;
    const double due = std::floor((nowMs - StartMs) / TickWallMilliseconds);
    Changes = 0;
    while (TicksDone < due) {
        LastTickOfBatch = TicksDone + 1 >= due;
        Data::SimulationTick();
        TicksDone += 1;
    }
    LastTickOfBatch = false;
    return Changes;
}

double TicksRun() {
    return TicksDone;
}

} // namespace WebRun
