#include "web/core/api/Run.h"

#include "model/Data.h"
#include "web/core/api/Api.h"

#include <cmath>

namespace WebRun {

namespace {
bool Running = false;
double StartMs = 0;
/// Ticks run since the run began; a double counts exactly far beyond any lesson.
double TicksDone = 0;
/// Set while the last tick of a batch runs: only its view refresh is drawn, as the page draws
/// once per batch.
bool LastTickOfBatch = false;
int Changes = 0;
} // namespace

Lab::Session& Session() {
    static Lab::Session session;
    return session;
}

int Begin(double nowMs, std::uint64_t seed, char decimalSeparator) {
    Data::ResetChamber();
    Data::StartProgram(decimalSeparator);
    Data::SeedRandom(seed);
    Data::SeedNoise(~seed);
    Data::StopStopwatch();
    // While a batch of ticks catches up, only the last one's view is taken.
    Session().Attach(
        {.Seen = [] { return LastTickOfBatch; }, .Draw = [](int changes) { Changes |= changes; }});
    StartMs = nowMs;
    TicksDone = 0;
    Running = true;
    return Session().BeginRun();
}

void End() {
    Running = false;
    Session().Detach();
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

const char* Returned(std::string& buffer, std::string text) {
    buffer = std::move(text);
    return buffer.c_str();
}

} // namespace WebRun
