#pragma once
// The analysis of a student's measurements: a droplet's radius from its fall with the supply off,
// its charge from its motion with the supply on. The same laws of the air and constants as the
// simulation, at T = °C + 273, with Stokes' law uncorrected:
//   v₀ = 2r²(ρ_oil − ρ_air)g / (9η)        v = v₀ + qU / (6πηr·d)
// where v is positive with gravity. In real air at pressure p both speeds are Stokes' times the
// slip factor C = 1 + b/(p·r), and the air's density is scaled to p.

#include <vector>

namespace Data {

/// Radius (m) of a droplet from its speed with the supply off (m/s, > 0, with gravity) at the
/// chamber temperature (°C); NaN when the speed is not positive.
double RadiusFromFallSpeed(double fallSpeed, double celsius);

/// Charge (C) of a droplet of radius r (m) that moves at velocity v (m/s: positive with gravity,
/// negative against it, 0 when balanced) under the signed plate voltage (V) at the chamber
/// temperature (°C); NaN without a voltage or a radius.
double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius);

/// The air a row was timed in, for the analysis of a chamber of real air: its pressure (Pa, > 0)
/// and the slip constant b the analysis assumes (Pa·m; 0 for Stokes' law alone).
struct SlippingAir {
    double Pressure = 0;
    double Slip = 0;
};

/// The radius (m) in real air: r² + (b/p)·r = 9ηv₀ / (2Δρg), solved exactly; NaN when the speed
/// is not positive or the pressure is not.
double RadiusFromFallSpeed(double fallSpeed, double celsius, const SlippingAir& air);

/// The charge (C) in real air: Stokes' drag and fall speed for radius r, each divided by the
/// slip factor; NaN without a voltage, a radius or a pressure.
double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius,
                        const SlippingAir& air);

struct ChargeEstimate {
    double value = 0;       ///< estimated elementary charge, C; 0 when there is not enough data
    double uncertainty = 0; ///< its standard error, C
    int used = 0;           ///< how many charges the estimate rests on
};

/// The elementary charge that a set of measured charges (C) are whole multiples of: the largest
/// value at which nearly all of them lie close to whole multiples, refined as the mean of q/n
/// over the charges that do. Charges below 0.3e-19 C in size (uncharged droplets) are left out,
/// negative ones count by their size; fewer than three give no estimate. Charges that are all
/// even multiples (2e, 4e) cannot tell e from 2e: the estimate is then 2e.
ChargeEstimate EstimateElementaryCharge(const std::vector<double>& charges);

} // namespace Data
