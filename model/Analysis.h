#pragma once
// The analysis of a student's measurements: a droplet's radius from its fall with the supply off,
// its charge from its motion with the supply on. The same laws of the air and constants as the
// simulation, at T = °C + 273, with Stokes' law uncorrected:
//   v₀ = 2r²(ρ_oil − ρ_air)g / (9η)        v = v₀ + qU / (6πηr·d)
// where v is positive with gravity.

namespace Data {

/// Radius (m) of a droplet from its speed with the supply off (m/s, > 0, with gravity) at the
/// chamber temperature (°C); NaN when the speed is not positive.
double RadiusFromFallSpeed(double fallSpeed, double celsius);

/// Charge (C) of a droplet of radius r (m) that moves at velocity v (m/s: positive with gravity,
/// negative against it, 0 when balanced) under the signed plate voltage (V) at the chamber
/// temperature (°C); NaN without a voltage or a radius.
double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius);

} // namespace Data
