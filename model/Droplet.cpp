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
    const double tau = RelaxationTime(r, OilDensity, eta);
    const double C = std::exp(-h / tau);
    const double tauAir = RelaxationTime(r, rhoAir, eta);
    const double wx = TargetX(drift);
    const double wy =
        TargetY(SettlingTerm(tau, tauAir), ElectricTerm(d.Charge, PlateVoltage, r, eta), drift);
    Advance(d, h, tau, C, wx, wy);
}

} // namespace Data
