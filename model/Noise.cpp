#include "model/Noise.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace Data::Noise {

namespace {

constexpr int Intervals = 4096; // 2^12, as NormalFromBits picks them

/// The standard normal quantile at p in (0, 1): Acklam's rational approximation, polished with
/// one Halley step on erfc to full double precision.
double NormalQuantile(double p) {
    static const double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                               -2.759285104469687e+02, 1.383577518672690e+02,
                               -3.066479806614716e+01, 2.506628277459239e+00};
    static const double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                               -1.556989798598866e+02, 6.680131188771972e+01,
                               -1.328068155288572e+01};
    static const double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                               -2.400758277161838e+00, -2.549732539343734e+00,
                               4.374664141464968e+00,  2.938163982698783e+00};
    static const double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                               3.754408661907416e+00};
    const double low = 0.02425;
    double x;
    if (p < low) {
        const double q = std::sqrt(-2 * std::log(p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    } else if (p <= 1 - low) {
        const double q = p - 0.5, r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    } else {
        const double q = std::sqrt(-2 * std::log(1 - p));
        x = -(((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    }
    const double e = 0.5 * std::erfc(-x / std::sqrt(2.0)) - p;
    const double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

/// The quantile function at the midpoints of 4096 equal intervals of probability and at both
/// ends of them, scaled so that the distribution drawn from it has a variance of exactly 1.
std::vector<double> QuantileTable() {
    std::vector<double> table(Intervals + 1);
    for (int i = 0; i <= Intervals; ++i)
        table[static_cast<std::size_t>(i)] = NormalQuantile((i + 0.5) / (Intervals + 1));
    // Linear between neighbours, each interval equally likely: the variance is the mean of
    // (a² + ab + b²) / 3 over the intervals.
    double variance = 0;
    for (int i = 0; i < Intervals; ++i) {
        const double lo = table[static_cast<std::size_t>(i)],
                     hi = table[static_cast<std::size_t>(i) + 1];
        variance += (lo * lo + lo * hi + hi * hi) / 3;
    }
    const double scale = 1 / std::sqrt(variance / Intervals);
    for (double& x : table)
        x *= scale;
    return table;
}

} // namespace

void Generator::Seed(std::uint64_t seed) {
    // splitmix64 spreads any seed, 0 included, over the whole state.
    for (std::uint64_t& word : s_) {
        seed += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        word = z ^ (z >> 31);
    }
}

Generator& Source() {
    static Generator generator;
    return generator;
}

const double* NormalTable() {
    static const std::vector<double> table = QuantileTable();
    return table.data();
}

} // namespace Data::Noise
