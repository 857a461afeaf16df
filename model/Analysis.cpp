#include "model/Analysis.h"

#include "model/Data.h"
#include "model/DropletMotion.h"

#include <cmath>
#include <limits>

namespace Data {

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

/// (ρ_oil − ρ_air)·g at the temperature: the apparent weight per volume, N/m³.
double ApparentWeightDensity(double kelvin) {
    return (OilDensity - AirDensity(kelvin)) * Gravity;
}
} // namespace

double RadiusFromFallSpeed(double fallSpeed, double celsius) {
    if (!(fallSpeed > 0)) return NaN;
    const double kelvin = celsius + CelsiusOffset;
    return std::sqrt(9 * AirViscosity(kelvin) * fallSpeed / (2 * ApparentWeightDensity(kelvin)));
}

double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius) {
    if (!(radius > 0) || plateVoltage == 0) return NaN;
    const double kelvin = celsius + CelsiusOffset;
    const double eta = AirViscosity(kelvin);
    const double fallSpeed = 2 * radius * radius * ApparentWeightDensity(kelvin) / (9 * eta);
    return (velocity - fallSpeed) * Motion::SixPi * eta * radius * PlateGap / plateVoltage;
}

} // namespace Data
