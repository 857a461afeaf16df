// Spraying a droplet into the chamber and advancing one droplet by one sub-step.
#include "model/Data.h"
#include "model/DropletMotion.h"
#include "model/Spraying.h"

#include <cmath>

namespace Data {

void InjectDroplet(TDroplet& d) {
    InjectDropletFrom(d, InjectionEngine());
}

void StepDroplet(TDroplet& d, double h, double t) {
    using namespace Motion;
    if (d.Active <= 0) return;
    const double eta = AirViscosityAt(t);
    const AirDrift drift = AirDriftAt(t);
    const double rhoAir = AirDensityAt(t);
    const double r = d.Radius;
    // The ideal chamber's expressions stay as they are, not multiplied by a slip factor of 1.
    const double slip = SlipFactor(r);
    const double tau =
        RealAir ? RelaxationTime(r, OilDensity, eta, slip) : RelaxationTime(r, OilDensity, eta);
    const double C = std::exp(-h / tau);
    const double tauAir =
        RealAir ? RelaxationTime(r, rhoAir, eta, slip) : RelaxationTime(r, rhoAir, eta);
    const double electric = RealAir ? ElectricTerm(d.Charge, PlateVoltage, r, eta, slip)
                                    : ElectricTerm(d.Charge, PlateVoltage, r, eta);
    const double wx = TargetX(drift);
    const double wy = TargetY(SettlingTerm(tau, tauAir), electric, drift);
    Advance(d, h, tau, C, wx, wy);
}

} // namespace Data
