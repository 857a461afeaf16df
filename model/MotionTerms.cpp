#include "model/MotionTerms.h"

namespace Data::Motion {

namespace {

// The whole set at once, as plain loops over arrays. On x86-64 a second version for processors
// with AVX takes four divisions at a time; division is exact in every width, so every version
// gives the same bits. Elsewhere the compiler's own vectorisation is all there is.
#if defined(__x86_64__) && defined(__ELF__)
#define TESSILAR_WIDE_VECTOR_CLONES __attribute__((target_clones("avx", "default")))
#else
#define TESSILAR_WIDE_VECTOR_CLONES
#endif

TESSILAR_WIDE_VECTOR_CLONES void
UpdateAll(const double* __restrict__ oilFactor, const double* __restrict__ radiusFactor,
          const double* __restrict__ dragFactor, const double* __restrict__ fieldForce, double eta,
          double rhoAir, double* __restrict__ tau, double* __restrict__ settling,
          double* __restrict__ electric) {
    for (std::size_t i = 0; i < DropletCount; ++i)
        tau[i] = oilFactor[i] / eta;
    for (std::size_t i = 0; i < DropletCount; ++i)
        settling[i] = SettlingTerm(tau[i], radiusFactor[i] * rhoAir / eta);
    for (std::size_t i = 0; i < DropletCount; ++i)
        electric[i] = fieldForce[i] / (dragFactor[i] * eta);
}

} // namespace

void MotionTerms::Update(double h, double eta, double rhoAir, bool dropletsMayHaveChanged) {
    const bool airChanged = !(Same(h_, h) && Same(eta_, eta) && Same(rhoAir_, rhoAir));
    const bool fieldChanged = !Same(plateVoltage_, PlateVoltage);
    h_ = h;
    eta_ = eta;
    rhoAir_ = rhoAir;
    plateVoltage_ = PlateVoltage;
    // Another air (real or ideal, another pressure) changes every droplet's slip factor.
    const bool slipChanged = realAir_ != RealAir || (RealAir && !Same(pressure_, ChamberPressure));
    realAir_ = RealAir;
    pressure_ = ChamberPressure;
    bool anyDroplet = false;
    for (std::size_t i = 0; (dropletsMayHaveChanged || slipChanged) && i < DropletCount; ++i) {
        const TDroplet& d = Drops[static_cast<int>(i) + 1];
        if (d.Active <= 0 ||
            (!slipChanged && Same(radius_[i], d.Radius) && Same(charge_[i], d.Charge)))
            continue;
        // A new droplet (an injection), a new charge or new air: its own constants first. The
        // ideal chamber's stay as they are, not multiplied by a slip factor of 1.
        radius_[i] = d.Radius;
        charge_[i] = d.Charge;
        radiusFactor_[i] = 2.0 / 9.0 * d.Radius * d.Radius;
        dragFactor_[i] = SixPi * d.Radius;
        inverseSqrtRadius_[i] = 1 / std::sqrt(d.Radius);
        if (RealAir) {
            const double slip = SlipFactor(d.Radius);
            radiusFactor_[i] = radiusFactor_[i] * slip;
            dragFactor_[i] = dragFactor_[i] / slip;
            inverseSqrtRadius_[i] = std::sqrt(slip / d.Radius);
        }
        oilFactor_[i] = radiusFactor_[i] * OilDensity;
        fresh_[i] = true;
        anyDroplet = true;
    }
    if (fieldChanged || anyDroplet)
        for (std::size_t i = 0; i < DropletCount; ++i)
            fieldForce_[i] = charge_[i] * plateVoltage_ / PlateGap;
    if (airChanged || fieldChanged) {
        UpdateAll(oilFactor_.data(), radiusFactor_.data(), dragFactor_.data(), fieldForce_.data(),
                  eta_, rhoAir_, tau_.data(), settling_.data(), electric_.data());
    } else if (anyDroplet) {
        for (std::size_t i = 0; i < DropletCount; ++i)
            if (fresh_[i]) UpdateOne(i);
    }
    if (anyDroplet) fresh_.fill(false);
}

// The same expressions as StepDroplet, with the factors that depend on the droplet alone
// computed once: (2/9)·r·r, its product with the oil density, 6π·r and q·U/d.
void MotionTerms::UpdateOne(std::size_t i) {
    tau_[i] = oilFactor_[i] / eta_;
    settling_[i] = SettlingTerm(tau_[i], radiusFactor_[i] * rhoAir_ / eta_);
    electric_[i] = fieldForce_[i] / (dragFactor_[i] * eta_);
}

} // namespace Data::Motion
