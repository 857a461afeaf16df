// The simulation tick: ten sub-steps of droplet motion, the view refresh, the chamber
// temperature and the stopwatch display.
//
// Three things make the tick cheap while keeping it bit-identical to stepping every droplet with
// StepDroplet:
// - The laws of the air depend only on the simulated time, so they are evaluated once per
//   sub-step instead of once per droplet.
// - A droplet's relaxation time and its settling and field speeds depend only on its radius and
//   charge, the air's viscosity and density and the plate voltage; while those stay bit for bit
//   the same (no temperature change under way, the supply untouched), the values of the previous
//   sub-step are reused, and when they change they are recomputed over plain arrays, where the
//   compiler pairs up the divisions.
// - The velocity relaxes within about 10 µs, a hundredth of a sub-step, so C = e^(−h/τ) is below
//   1e-16 and the terms it multiplies are usually far below the last bit of the results they are
//   added to. Where that is proven (AxisTermVanishes), C = 0 gives the same bits and the
//   exponential is not computed at all.
#include "Data.h"
#include "DropletMotion.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace Data {

namespace {

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// C is surely below 2^-53 when h/τ exceeds 37 (e^-37 ≈ 8.5e-17).
constexpr double NegligibleRatio = 37.0;
// Magnitudes below this may be subnormal, where the bound on the last bit below does not hold.
constexpr double SmallestBounded = 0x1.0p-1000;

// True when, on one axis, the term multiplied by C (with C < 2^-53) cannot change the new
// position a − τ·d·C or the new velocity d·C − w, for d = v + w: a change smaller than a quarter
// of the last bit of a or w rounds away, and |x|·2^-55 is below a quarter of its last bit for
// every normal x. A factor 8 of margin covers the rounding of the products themselves.
bool AxisTermVanishes(double d, double w, double a, double tau) {
    if (d == 0) return true; // ±0·C is the same zero for every C
    const double tauD = std::fabs(tau * d);
    return std::fabs(d) * 8 <= std::fabs(w) && tauD * 8 <= std::fabs(a) &&
           std::fabs(w) >= SmallestBounded && std::fabs(a) >= SmallestBounded;
}

/// The motion coefficients of all droplets, one array per quantity so that the divisions of a
/// sub-step run over plain arrays, with the inputs they were computed from.
class MotionTerms {
public:
    /// Brings every active droplet's coefficients up to date for this sub-step's air; droplets
    /// are looked at for new radii and charges only when `dropletsMayHaveChanged`.
    void Update(double h, double eta, double rhoAir, bool dropletsMayHaveChanged) {
        const bool airChanged = !(Same(h_, h) && Same(eta_, eta) && Same(rhoAir_, rhoAir));
        const bool fieldChanged = !Same(plateVoltage_, PlateVoltage);
        h_ = h;
        eta_ = eta;
        rhoAir_ = rhoAir;
        plateVoltage_ = PlateVoltage;
        bool anyDroplet = false;
        for (std::size_t i = 0; dropletsMayHaveChanged && i < DropletCount; ++i) {
            const TDroplet& d = Drops[static_cast<int>(i) + 1];
            if (d.Active <= 0 || (Same(radius_[i], d.Radius) && Same(charge_[i], d.Charge)))
                continue;
            // A new droplet (an injection): its own constants first.
            radius_[i] = d.Radius;
            charge_[i] = d.Charge;
            radiusFactor_[i] = 2.0 / 9.0 * d.Radius * d.Radius;
            oilFactor_[i] = radiusFactor_[i] * OilDensity;
            dragFactor_[i] = Motion::SixPi * d.Radius;
            fresh_[i] = true;
            anyDroplet = true;
        }
        if (fieldChanged || anyDroplet)
            for (std::size_t i = 0; i < DropletCount; ++i)
                fieldForce_[i] = charge_[i] * plateVoltage_ / PlateGap;
        if (airChanged || fieldChanged) {
            UpdateAll(oilFactor_.data(), radiusFactor_.data(), dragFactor_.data(),
                      fieldForce_.data(), eta_, rhoAir_, tau_.data(), settling_.data(),
                      electric_.data());
        } else if (anyDroplet) {
            for (std::size_t i = 0; i < DropletCount; ++i)
                if (fresh_[i]) UpdateOne(i);
        }
        if (anyDroplet) fresh_.fill(false);
    }

    /// One sub-step of droplet i: Advance (DropletMotion.h) with the same expressions, written
    /// out so that the parts shared with the check for a vanishing C are computed once.
    void Step(TDroplet& d, std::size_t i, const AirDrift& drift) const {
        const double tau = tau_[i];
        const double wx = Motion::TargetX(drift);
        const double wy = Motion::TargetY(settling_[i], electric_[i], drift);
        const double dx = d.VX + wx, dy = d.VY + wy;
        const double ax = tau * wx + d.X - wx * h_;
        const double ay = tau * wy + d.Y - wy * h_;
        // C is surely below 2^-53 when h/τ exceeds NegligibleRatio.
        const bool vanish = h_ > NegligibleRatio * tau && AxisTermVanishes(dx, wx, ax, tau) &&
                            AxisTermVanishes(dy, wy, ay, tau);
        const double C = vanish ? 0.0 : std::exp(-h_ / tau);
        d.X = ax - tau * dx * C;
        d.Y = ay - tau * dy * C;
        d.VX = dx * C - wx;
        d.VY = dy * C - wy;
    }

private:
    // The same expressions as StepDroplet, with the factors that depend on the droplet alone
    // computed once: (2/9)·r·r, its product with the oil density, 6π·r and q·U/d.
    void UpdateOne(std::size_t i) {
        tau_[i] = oilFactor_[i] / eta_;
        settling_[i] = Motion::SettlingTerm(tau_[i], radiusFactor_[i] * rhoAir_ / eta_);
        electric_[i] = fieldForce_[i] / (dragFactor_[i] * eta_);
    }

    // The whole set at once, as plain loops over arrays: wider vector units, where the processor
    // has them, take four divisions at a time. Division is exact in every width, so every
    // version gives the same bits.
    __attribute__((target_clones("avx", "default"))) static void
    UpdateAll(const double* __restrict__ oilFactor, const double* __restrict__ radiusFactor,
              const double* __restrict__ dragFactor, const double* __restrict__ fieldForce,
              double eta, double rhoAir, double* __restrict__ tau, double* __restrict__ settling,
              double* __restrict__ electric) {
        for (std::size_t i = 0; i < DropletCount; ++i)
            tau[i] = oilFactor[i] / eta;
        for (std::size_t i = 0; i < DropletCount; ++i)
            settling[i] = Motion::SettlingTerm(tau[i], radiusFactor[i] * rhoAir / eta);
        for (std::size_t i = 0; i < DropletCount; ++i)
            electric[i] = fieldForce[i] / (dragFactor[i] * eta);
    }

    static std::array<double, DropletCount> Filled(double v) {
        std::array<double, DropletCount> a;
        a.fill(v);
        return a;
    }

    double h_ = std::nan(""), eta_ = 0, rhoAir_ = 0, plateVoltage_ = 0;
    std::array<double, DropletCount> radius_ = Filled(std::nan(""));
    std::array<double, DropletCount> charge_{}, radiusFactor_{}, oilFactor_{}, dragFactor_{};
    std::array<double, DropletCount> fieldForce_{}, tau_{}, settling_{}, electric_{};
    std::array<bool, DropletCount> fresh_{};
};

MotionTerms Terms;

} // namespace

void SimulationTick() {
    using namespace Motion;
    const int n = static_cast<int>(TickPeriod / SubStep);
    const double t0 = SimTime;
    const double h = SubStep;
    // Only the code outside the tick, or the view refresh within it, can change a droplet's
    // radius or charge.
    bool dropletsMayHaveChanged = true;
    for (int k = 1; k <= n; ++k) {
        const double eta = AirViscosityAt(SimTime);
        const AirDrift drift = AirDriftAt(SimTime);
        const double rhoAir = AirDensityAt(SimTime);
        Terms.Update(h, eta, rhoAir, dropletsMayHaveChanged);
        dropletsMayHaveChanged = false;
        for (std::size_t i = 0; i < DropletCount; ++i) {
            TDroplet& d = Drops[static_cast<int>(i) + 1];
            if (d.Active > 0) Terms.Step(d, i, drift);
        }
        if (k % 10 == 1 && ViewRefreshHook) {
            ViewRefreshHook();
            dropletsMayHaveChanged = true;
        }
        SimTime = SimTime + h;
    }
    // The tick is exactly one period long, whatever the rounding of the sub-step sum.
    SimTime = t0 + TickPeriod;
    CurTemp = AirTemperatureAt(SimTime);
    if (StopwatchRunning && StopwatchDisplayHook)
        StopwatchDisplayHook(FormatStopwatch(SimTime - StopwatchStart));
}

} // namespace Data
