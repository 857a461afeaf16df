#pragma once
// The tick written out the plain way: every droplet stepped with StepDroplet, which evaluates the
// laws of the air for each droplet. The oracle that the real tick is checked against, bit for bit,
// and the baseline the benchmarks measure it against.

#include "model/Data.h"

namespace Reference {

inline void LiteralSimulationTick() {
    using namespace Data;
    const int n = static_cast<int>(TickPeriod / SubStep);
    const double t0 = SimTime;
    const double h = SubStep;
    for (int k = 1; k <= n; ++k) {
        for (int i = DropletArray::Low; i <= DropletArray::High; ++i)
            if (Drops[i].Active > 0) StepDroplet(Drops[i], h, SimTime);
        if (k % 10 == 1 && ViewRefreshHook) ViewRefreshHook();
        SimTime = SimTime + h;
    }
    SimTime = t0 + TickPeriod;
    CurTemp = AirTemperatureAt(SimTime);
    if (StopwatchRunning) {
        StopwatchShown = SimTime - StopwatchStart;
        if (StopwatchDisplayHook) StopwatchDisplayHook(FormatStopwatch(StopwatchShown));
    }
}

} // namespace Reference
