// The simulation tick: ten sub-steps of droplet motion, the view refresh, the chamber
// temperature and the stopwatch display.
//
// The motion coefficients come from a cache (MotionTerms.h) that makes the tick cheap while
// keeping it bit-identical to stepping every droplet with StepDroplet.
#include "model/Data.h"
#include "model/MotionTerms.h"
#include "model/Noise.h"

#include <cmath>
#include <cstddef>

namespace Data {

namespace {
Motion::MotionTerms Terms;
} // namespace

void SimulationTick() {
    const int n = static_cast<int>(TickPeriod / SubStep);
    const double t0 = SimTime;
    const double h = SubStep;
    // Only the code outside the tick, or the view refresh within it, can change a droplet's
    // radius or charge.
    bool dropletsMayHaveChanged = true;
    for (int k = 1; k <= n; ++k) {
        const double kelvin = AirTemperatureAt(SimTime);
        const double eta = AirViscosity(kelvin);
        const AirDrift drift = AirDriftAt(SimTime);
        const double rhoAir = ChamberAirDensity(kelvin);
        Terms.Update(h, eta, rhoAir, dropletsMayHaveChanged);
        dropletsMayHaveChanged = false;
        if (BrownianMotion) {
            // √(2·D·h) with D = k_B·T / (6π·η·r): the part without the radius, once.
            const double jitter = std::sqrt(2 * Boltzmann * kelvin * h / (Motion::SixPi * eta));
            Noise::Generator& noise = Noise::Source();
            const double* table = Noise::NormalTable();
            for (std::size_t i = 0; i < DropletCount; ++i) {
                TDroplet& d = Drops[static_cast<int>(i) + 1];
                if (d.Active <= 0) continue;
                Terms.Step(d, i, drift);
                const Noise::NormalPair z = Noise::Normals(noise, table);
                const double sigma = jitter * Terms.InverseSqrtRadius(i);
                d.X += sigma * z.First;
                d.Y += sigma * z.Second;
            }
        } else {
            for (std::size_t i = 0; i < DropletCount; ++i) {
                TDroplet& d = Drops[static_cast<int>(i) + 1];
                if (d.Active > 0) Terms.Step(d, i, drift);
            }
        }
        if (k % 10 == 1 && ViewRefreshHook) {
            ViewRefreshHook();
            dropletsMayHaveChanged = true;
        }
        SimTime = SimTime + h;
    }
    // The tick is exactly one period long, whatever the rounding of the sub-step sum.
    SimTime = t0 + TickPeriod;
    CurTemp = AirTemperatureAt(SimTime);
    if (StopwatchRunning) {
        StopwatchShown = SimTime - StopwatchStart;
        if (StopwatchDisplayHook) StopwatchDisplayHook(FormatStopwatch(StopwatchShown));
    }
}

} // namespace Data
