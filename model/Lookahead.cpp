// What the next ticks can show.
#include "model/Data.h"

#include <cmath>

namespace Data {

int TicksUntilStopwatchChanges(int most) {
    if (!StopwatchRunning) return most;
    // The same sums as the tick's, so that the change falls on the same tick.
    const double shown = StopwatchSeconds(StopwatchShown);
    double t = SimTime;
    for (int k = 1; k < most; ++k) {
        t = t + TickPeriod;
        if (StopwatchSeconds(t - StopwatchStart) != shown) return k;
    }
    return most;
}

bool DropletsStayOutOfView(int ticks, double radius) {
    // A few pixels of margin for the marker's own size and rounding; Brownian jitter stays within
    // a few µm over a few ticks, far inside ten pixels, and grows with the root of the slip
    // factor in thin air.
    const double seconds = ticks * TickPeriod;
    for (const TDroplet& d : Drops) {
        if (d.Active <= 0) continue;
        const double margin = BrownianMotion ? 12 * std::sqrt(SlipFactor(d.Radius)) : 4;
        const double dx = (d.X - ViewOffsetX) / PixelSize, dy = (d.Y - ViewOffsetY) / PixelSize;
        const double reach = seconds * (std::fabs(d.VX) + std::fabs(d.VY)) / PixelSize + margin;
        // Written so that a position or speed that is not a number keeps the droplet out, as the
        // view never shows it.
        if (dx * dx + dy * dy < (radius + reach) * (radius + reach)) return false;
    }
    return true;
}

bool ChamberAtRest() {
    if (StopwatchRunning) return false;
    for (const TDroplet& d : Drops)
        if (d.Active > 0) return false;
    return true;
}

} // namespace Data
