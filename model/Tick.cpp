// The simulation tick: ten sub-steps of droplet motion, the view refresh, the chamber
// temperature and the stopwatch display.
//
// The laws of the air depend only on the simulated time, so they are evaluated once per sub-step
// instead of once per droplet. Each droplet's relaxation time, its exponential and its settling
// and field speeds depend only on its radius and charge, the air's viscosity and density and the
// plate voltage; while those stay bit-for-bit the same (the usual case: no temperature change
// under way, the supply untouched), the values of the previous sub-step are reused. The result
// is bit-identical to stepping every droplet with StepDroplet.
#include "Data.h"
#include "DropletMotion.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace Data {

namespace {

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

/// A droplet's motion coefficients with the inputs they were computed from.
struct MotionCoefficients {
    double radius = std::nan("");
    double charge = 0, eta = 0, rhoAir = 0, plateVoltage = 0, h = 0;
    double tau = 0, C = 0, settling = 0, electric = 0;

    void Update(const TDroplet& d, double stepH, double etaNow, double rhoAirNow) {
        if (Same(radius, d.Radius) && Same(charge, d.Charge) && Same(eta, etaNow) &&
            Same(rhoAir, rhoAirNow) && Same(plateVoltage, PlateVoltage) && Same(h, stepH))
            return;
        using namespace Motion;
        radius = d.Radius;
        charge = d.Charge;
        eta = etaNow;
        rhoAir = rhoAirNow;
        plateVoltage = PlateVoltage;
        h = stepH;
        tau = RelaxationTime(radius, OilDensity, eta);
        C = std::exp(-h / tau);
        settling = SettlingTerm(tau, RelaxationTime(radius, rhoAir, eta));
        electric = ElectricTerm(charge, plateVoltage, radius, eta);
    }
};

std::array<MotionCoefficients, DropletCount> Coefficients;

} // namespace

void SimulationTick() {
    using namespace Motion;
    const int n = static_cast<int>(TickPeriod / SubStep);
    const double t0 = SimTime;
    const double h = SubStep;
    for (int k = 1; k <= n; ++k) {
        const double eta = AirViscosityAt(SimTime);
        const AirDrift drift = AirDriftAt(SimTime);
        const double rhoAir = AirDensityAt(SimTime);
        const double wx = TargetX(drift);
        for (int i = DropletArray::Low; i <= DropletArray::High; ++i) {
            TDroplet& d = Drops[i];
            if (d.Active <= 0) continue;
            MotionCoefficients& c = Coefficients[static_cast<std::size_t>(i - 1)];
            c.Update(d, h, eta, rhoAir);
            Advance(d, h, c.tau, c.C, wx, TargetY(c.settling, c.electric, drift));
        }
        if (k % 10 == 1 && ViewRefreshHook) ViewRefreshHook();
        SimTime = SimTime + h;
    }
    // The tick is exactly one period long, whatever the rounding of the sub-step sum.
    SimTime = t0 + TickPeriod;
    CurTemp = AirTemperatureAt(SimTime);
    if (StopwatchRunning && StopwatchDisplayHook)
        StopwatchDisplayHook(FormatStopwatch(SimTime - StopwatchStart));
}

} // namespace Data
