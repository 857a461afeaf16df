#pragma once
// The closed-form Stokes motion of one droplet over one sub-step, shared by StepDroplet and the
// tick. Each expression keeps the order of operations of the physical formula, so that results
// computed here or from cached parts are bit-identical.

#include "model/Data.h"

#include <cmath>

namespace Data::Motion {

constexpr double SixPi = 18.849555921538759;

/// τ = (2/9) r² ρ / η: the velocity relaxation time (ρ the oil density) or, with the air density,
/// the buoyancy correction τa; seconds.
inline double RelaxationTime(double radius, double density, double eta) {
    return 2.0 / 9.0 * radius * radius * density / eta;
}

/// τ of a droplet that slips through real air: the mobility, and with it τ, grows by the slip
/// factor. The factor stands beside r² as the tick's cache multiplies it in.
inline double RelaxationTime(double radius, double density, double eta, double slip) {
    return 2.0 / 9.0 * radius * radius * slip * density / eta;
}

/// (τ − τa) g: the settling speed from gravity less buoyancy, m/s.
inline double SettlingTerm(double tau, double tauAir) {
    return (tau - tauAir) * Gravity;
}

/// (q U / d) / (6π r η): the speed from the plate field, m/s.
inline double ElectricTerm(double charge, double plateVoltage, double radius, double eta) {
    return (charge * plateVoltage / PlateGap) / (SixPi * radius * eta);
}

/// The speed from the plate field in real air: Stokes' drag 6π r η divided by the slip factor.
inline double ElectricTerm(double charge, double plateVoltage, double radius, double eta,
                           double slip) {
    return (charge * plateVoltage / PlateGap) / (SixPi * radius / slip * eta);
}

/// The negated target velocity (wx, wy) from the settling and electric terms and the air drift.
inline double TargetX(const AirDrift& drift) {
    return -drift.ux;
}
inline double TargetY(double settling, double electric, const AirDrift& drift) {
    return settling - drift.uy + electric;
}

/// Advances position and velocity by h seconds; C = e^(−h/τ). Every right-hand side uses the
/// old values.
inline void Advance(TDroplet& d, double h, double tau, double C, double wx, double wy) {
    const double x = d.X, y = d.Y, vx = d.VX, vy = d.VY;
    d.X = tau * wx + x - wx * h - tau * (vx + wx) * C;
    d.Y = tau * wy + y - wy * h - tau * (vy + wy) * C;
    d.VX = (vx + wx) * C - wx;
    d.VY = (vy + wy) * C - wy;
}

} // namespace Data::Motion
