// Spraying a droplet into the chamber and advancing one droplet by one sub-step.
#include "model/Data.h"
#include "model/DropletMotion.h"

#include <cmath>

namespace Data {

void InjectDroplet(TDroplet& d) {
    // The order of the draws is part of the experiment's reproducibility under a fixed seed.
    d.Active = 1;
    d.X = (Random() - 0.3) * 8e-4;
    d.Y = (Random() - 0.5) * 8e-4;
    d.VX = 0;
    d.VY = 0;
    d.Radius = Random() * 1e-6 + 5e-7;
    d.Charge = RandomInt(4) * ElemCharge;
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
