// The laws of the chamber air: temperature relaxation, viscosity, density, slip and injection
// drift.
#include "model/Data.h"

#include <cmath>

namespace Data {

double AirTemperatureAt(double t) {
    const double a = (t - TempRefTime) / ThermalTau;
    // After 20 time constants the difference is below any reading; return the set value exactly.
    if (std::fabs(a) >= 20) return AmbientTemp;
    return AmbientTemp + std::exp(-a) * (PrevTemp - AmbientTemp);
}

double AirViscosity(double kelvin) {
    return std::sqrt(kelvin) * ViscSlope + ViscOffset;
}

double AirDensity(double kelvin) {
    return (AirDensity0 * RefTemp) / kelvin;
}

double ChamberAirDensity(double kelvin) {
    if (!RealAir) return AirDensity(kelvin);
    return AirDensity(kelvin) * (ChamberPressure / StandardPressure);
}

double SlipFactor(double radius) {
    if (!RealAir || !(radius > 0)) return 1;
    return 1 + SlipConstant / (ChamberPressure * radius);
}

double AirViscosityAt(double t) {
    return AirViscosity(AirTemperatureAt(t));
}

double AirDensityAt(double t) {
    return ChamberAirDensity(AirTemperatureAt(t));
}

AirDrift AirDriftAt(double t) {
    const double b = (t - InjectTime) / DriftTau;
    if (std::fabs(b) >= 20) return {0.0, 0.0};
    return {std::exp(-b) * DriftVX, std::exp(-b) * DriftVY};
}

} // namespace Data
