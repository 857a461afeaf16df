#pragma once
// The tick written out the plain way: every droplet stepped with StepDroplet, which evaluates the
// laws of the air for each droplet. The reference that the real tick is measured and checked
// against.

#include "Data.h"

namespace Reference {

inline void LiteralSimulationTick() {
    using namespace Data;
    const int n = static_cast<int>(TickPeriod / SubStep);
    const double t0 = SimTime;
    const double h = 0.001;
    for (int k = 1; k <= n; ++k) {
        for (int i = 1; i <= 100; ++i)
            if (Drops[i].Active > 0) StepDroplet(Drops[i], h, SimTime);
        if (k % 10 == 1 && ViewRefreshHook) ViewRefreshHook();
        SimTime = SimTime + h;
    }
    SimTime = t0 + TickPeriod;
    CurTemp = AirTemperatureAt(SimTime);
    if (StopwatchRunning && StopwatchDisplayHook)
        StopwatchDisplayHook(FormatStopwatch(SimTime - StopwatchStart));
}

} // namespace Reference
