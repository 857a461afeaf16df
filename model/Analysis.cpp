#include "model/Analysis.h"

#include "model/Data.h"
#include "model/DropletMotion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Data {

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

/// (ρ_oil − ρ_air)·g at the temperature: the apparent weight per volume, N/m³.
double ApparentWeightDensity(double kelvin) {
    return (OilDensity - AirDensity(kelvin)) * Gravity;
}

/// The same in real air at a pressure (Pa).
double ApparentWeightDensity(double kelvin, double pressure) {
    return (OilDensity - AirDensity(kelvin) * (pressure / StandardPressure)) * Gravity;
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

double RadiusFromFallSpeed(double fallSpeed, double celsius, const SlippingAir& air) {
    if (!(fallSpeed > 0) || !(air.Pressure > 0)) return NaN;
    const double kelvin = celsius + CelsiusOffset;
    const double a = air.Slip / air.Pressure;
    const double c =
        9 * AirViscosity(kelvin) * fallSpeed / (2 * ApparentWeightDensity(kelvin, air.Pressure));
    // The positive root of r² + a·r − c = 0, written so that thin air (a ≫ r) loses no digits to
    // the difference of two nearly equal numbers.
    return 2 * c / (a + std::sqrt(a * a + 4 * c));
}

double ChargeFromMotion(double radius, double velocity, double plateVoltage, double celsius,
                        const SlippingAir& air) {
    if (!(radius > 0) || plateVoltage == 0 || !(air.Pressure > 0)) return NaN;
    const double kelvin = celsius + CelsiusOffset;
    const double eta = AirViscosity(kelvin);
    const double slip = 1 + air.Slip / (air.Pressure * radius);
    const double fallSpeed =
        2 * radius * radius * ApparentWeightDensity(kelvin, air.Pressure) / (9 * eta) * slip;
    return (velocity - fallSpeed) * Motion::SixPi * eta * radius * PlateGap / plateVoltage / slip;
}

namespace {

/// Charges smaller than this belong to uncharged droplets, C.
constexpr double SmallestCharge = 0.3e-19;
/// A charge lies close to a whole multiple n·e when |q/e − n| is at most this.
constexpr double Closeness = 0.2;
/// "Nearly all": the share of charges that must lie close to whole multiples.
constexpr double NearlyAll = 0.9;
/// The candidates for e run down from above the smallest charge to this fraction of it, in
/// steps of this relative size.
constexpr double LowestFraction = 1.0 / 8;
constexpr double Step = 0.001;

/// The whole multiple nearest to q/e (at least 1), and whether q lies close to it.
std::pair<double, bool> Multiple(double q, double e) {
    const double n = std::max(1.0, std::round(q / e));
    return {n, std::fabs(q / e - n) <= Closeness};
}

int CloseCount(const std::vector<double>& q, double e) {
    int close = 0;
    for (double x : q)
        close += Multiple(x, e).second ? 1 : 0;
    return close;
}

/// The mean of q/n, its standard error and how many charges it rests on, over the charges close
/// to whole multiples of e.
ChargeEstimate MeanOfQuotients(const std::vector<double>& q, double e) {
    std::vector<double> quotients;
    for (double x : q) {
        const auto [n, close] = Multiple(x, e);
        if (close) quotients.push_back(x / n);
    }
    ChargeEstimate estimate;
    estimate.used = static_cast<int>(quotients.size());
    if (quotients.empty()) return estimate;
    double sum = 0;
    for (double x : quotients)
        sum += x;
    estimate.value = sum / estimate.used;
    if (estimate.used > 1) {
        double squares = 0;
        for (double x : quotients)
            squares += (x - estimate.value) * (x - estimate.value);
        estimate.uncertainty = std::sqrt(squares / (estimate.used - 1) / estimate.used);
    }
    return estimate;
}

} // namespace

ChargeEstimate EstimateElementaryCharge(const std::vector<double>& charges) {
    std::vector<double> q;
    for (double x : charges)
        if (std::isfinite(x) && std::fabs(x) >= SmallestCharge) q.push_back(std::fabs(x));
    if (q.size() < 3) return {};
    const double smallest = *std::min_element(q.begin(), q.end());
    const int needed = static_cast<int>(std::ceil(NearlyAll * static_cast<double>(q.size())));
    // From the top down, the first candidate that nearly all charges are close multiples of; a
    // smaller one (e/2, e/3, ...) would fit as well, but the largest is the charge's quantum.
    double found = 0;
    int bestCount = -1;
    double best = smallest;
    for (double e = smallest * (1 + Closeness); e >= smallest * LowestFraction; e *= 1 - Step) {
        const int close = CloseCount(q, e);
        if (close >= needed) {
            found = e;
            break;
        }
        if (close > bestCount) {
            bestCount = close;
            best = e;
        }
    }
    double e = found > 0 ? found : best;
    // The first fit lies at the edge of the band of candidates that fit; the mean of q/n over
    // the charges that fit lies at its heart. Twice, as the charges that fit may change.
    ChargeEstimate estimate;
    for (int round = 0; round < 2; ++round) {
        estimate = MeanOfQuotients(q, e);
        if (estimate.used == 0) return {};
        e = estimate.value;
    }
    if (estimate.used < 3) return {};
    return estimate;
}

} // namespace Data
