#pragma once
// The classic way to find e in real air without assuming the slip constant: Stokes' law alone
// makes every charge too large by the slip factor to the power 3/2, so
//   (q_a / n)^(2/3) = e^(2/3) · (1 + b/(p·r))
// lies on a straight line against 1/(p·r). Its intercept to the power 3/2 is e; slope over
// intercept is b. The radius r itself depends on b, so the line is fitted again with the radii
// that its own b gives, starting from Stokes' radii, until b settles.

#include "model/Notebook.h"

#include <vector>

namespace Data {

/// One charge of the plot: x = 1/(p·r) in 1/(Pa·m), y = (q_a/n)^(2/3) in (10⁻¹⁹ C)^(2/3).
struct ExtrapolationPoint {
    double X = 0;
    double Y = 0;
    int Droplet = 0;
    int Multiple = 1; ///< n, the charge's whole number of e
};

struct ChargeExtrapolation {
    /// False when there are too few droplets or a single value of 1/(p·r): no line.
    bool Found = false;
    double E = 0, EUncertainty = 0;       ///< C
    double Slip = 0, SlipUncertainty = 0; ///< b, Pa·m
    double Intercept = 0, Slope = 0;      ///< the line y = Intercept + Slope·x
    int Droplets = 0;                     ///< different droplets among the points
    std::vector<ExtrapolationPoint> Points;
};

/// The fewest droplets a line is fitted to.
constexpr int FewestExtrapolatedDroplets = 4;

/// Whether any row was timed in real air: then the notebook offers both analyses.
bool TimedInRealAir(const std::vector<NotebookRow>& rows);

/// The extrapolation from the rows timed in real air, their speeds worked out (RecomputeNotebook).
/// A charge is a point when its droplet fell with the supply off at the same pressure; its whole
/// number of e is counted from the slip-corrected charges first, then from the line itself.
ChargeExtrapolation ExtrapolateCharge(const std::vector<NotebookRow>& rows);

} // namespace Data
