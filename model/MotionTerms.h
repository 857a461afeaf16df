#pragma once
// The tick's cache of the droplets' motion coefficients.
//
// A droplet's relaxation time and its settling and field speeds depend only on its radius and
// charge (and in real air its slip factor), the air's viscosity and density and the plate voltage;
// while those stay bit for bit the same (no temperature change under way, the supply untouched),
// the values of the previous sub-step are reused, and when they change they are recomputed over
// plain arrays, where the compiler pairs up the divisions. The velocity relaxes within about 10 µs,
// a hundredth of a sub-step, so C = e^(−h/τ) is below 1e-16 and the terms it multiplies are usually
// far below the last bit of the results they are added to. Where that is proven (AxisTermVanishes),
// C = 0 gives the same bits and the exponential is not computed at all. Every result is
// bit-identical to StepDroplet's.

#include "model/Data.h"
#include "model/DropletMotion.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Data::Motion {

/// Whether the two doubles have the same bits (unlike ==, telling -0 from 0 and matching NaNs).
inline bool Same(double a, double b) {
    std::uint64_t bitsA = 0;
    std::uint64_t bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

/// C is surely below 2^-53 when h/τ exceeds this (e^-37 ≈ 8.5e-17).
constexpr double NegligibleRatio = 37.0;
/// Magnitudes below this may be subnormal, where the bound on the last bit below does not hold.
constexpr double SmallestBounded = 0x1.0p-1000;

/// True when, on one axis, the term multiplied by C (with C < 2^-53) cannot change the new
/// position a − τ·d·C or the new velocity d·C − w, for d = v + w: a change smaller than a quarter
/// of the last bit of a or w rounds away, and |x|·2^-55 is below a quarter of its last bit for
/// every normal x. A factor 8 of margin covers the rounding of the products themselves.
inline bool AxisTermVanishes(double d, double w, double a, double tau) {
    if (d == 0) return true; // ±0·C is the same zero for every C
    const double tauD = std::fabs(tau * d);
    return std::fabs(d) * 8 <= std::fabs(w) && tauD * 8 <= std::fabs(a) &&
           std::fabs(w) >= SmallestBounded && std::fabs(a) >= SmallestBounded;
}

/// The motion coefficients of all droplets, one array per quantity, with the inputs they were
/// computed from.
class MotionTerms {
public:
    /// Brings every active droplet's coefficients up to date for this sub-step's air; droplets
    /// are looked at for new radii and charges only when `dropletsMayHaveChanged`.
    void Update(double h, double eta, double rhoAir, bool dropletsMayHaveChanged);

    /// One sub-step of droplet i: Advance (DropletMotion.h) with the same expressions, written
    /// out so that the parts shared with the check for a vanishing C are computed once.
    void Step(TDroplet& d, std::size_t i, const AirDrift& drift) const {
        const double tau = tau_[i];
        const double wx = TargetX(drift);
        const double wy = TargetY(settling_[i], electric_[i], drift);
        const double dx = d.VX + wx, dy = d.VY + wy;
        const double ax = tau * wx + d.X - wx * h_;
        const double ay = tau * wy + d.Y - wy * h_;
        const bool vanish = h_ > NegligibleRatio * tau && AxisTermVanishes(dx, wx, ax, tau) &&
                            AxisTermVanishes(dy, wy, ay, tau);
        const double C = vanish ? 0.0 : std::exp(-h_ / tau);
        d.X = ax - tau * dx * C;
        d.Y = ay - tau * dy * C;
        d.VX = dx * C - wx;
        d.VY = dy * C - wy;
    }

    /// 1/√r of droplet i, m^-1/2, for the Brownian jitter (√(slip/r) in real air).
    double InverseSqrtRadius(std::size_t i) const { return inverseSqrtRadius_[i]; }

private:
    void UpdateOne(std::size_t i);

    static std::array<double, DropletCount> Filled(double v) {
        std::array<double, DropletCount> a;
        a.fill(v);
        return a;
    }

    double h_ = std::nan(""), eta_ = 0, rhoAir_ = 0, plateVoltage_ = 0;
    /// The air the droplets' own constants were worked out for: their slip factors.
    bool realAir_ = false;
    double pressure_ = 0;
    std::array<double, DropletCount> radius_ = Filled(std::nan(""));
    std::array<double, DropletCount> charge_{}, radiusFactor_{}, oilFactor_{}, dragFactor_{};
    std::array<double, DropletCount> fieldForce_{}, tau_{}, settling_{}, electric_{};
    std::array<double, DropletCount> inverseSqrtRadius_{};
    std::array<bool, DropletCount> fresh_{};
};

} // namespace Data::Motion
