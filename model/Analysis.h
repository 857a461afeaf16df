#pragma once
// The analysis of a student's measurements: a droplet's radius from its fall with the supply off,
// its charge from its motion with the supply on. The same laws of the air and constants as the
// simulation, at T = °C + 273, with Stokes' law uncorrected:
//   v₀ = 2r²(ρ_oil − ρ_air)g / (9η)        v = v₀ + qU / (6πηr·d)
// where v is positive with gravity.

#include <vector>

namespace Data {

/// Radius (m) of a droplet from its speed with the supply off (m/s, > 0, with gravity) at the
/// chamber temperature (°C); NaN when the speed is not positive.
double RadiusFromFallSpeed(double fallSpeed, double celsius);

/// Charge (C) of a droplet of radius r (m) that moves at velocity v (m/s: positive with gravity,
/// negative against it, 0 when balanced) under the signed plate voltage (V) at the chamber
/// temperature (°C); NaN without a voltage or a radius.
double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius);

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
