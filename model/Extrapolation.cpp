#include "model/Extrapolation.h"

#include "model/Analysis.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace Data {

namespace {
constexpr double Micro = 1e-6;
constexpr double Unit = 1e-19; ///< C, the plot's unit of charge
/// b has settled when a round moves it by less than this part of itself.
constexpr double Settled = 1e-10;
constexpr int MostRounds = 1000;
/// The whole numbers are counted again from the line this often at most.
constexpr int MostRecounts = 5;

struct Fall {
    double Speed, Celsius; ///< m/s, °C
};

struct Charged {
    double Velocity, Voltage, Celsius; ///< m/s with gravity, V, °C
};

/// One droplet's timings at one pressure.
struct Group {
    int Droplet = 0;
    double Pressure = 0; ///< Pa
    std::vector<Fall> Falls;
    std::vector<Charged> Charges;
};

/// A charge of the plot with what it is worked out from.
struct Measured {
    std::size_t Group = 0;
    double Apparent = 0; ///< |q_a|, units of 1e-19 C
    int Multiple = 1;
};

std::vector<Group> GroupsOf(const std::vector<NotebookRow>& rows) {
    std::map<std::pair<int, double>, Group> groups;
    for (const NotebookRow& row : rows) {
        if (!row.Pressure || !row.Droplet || !row.Speed || !row.Celsius || !row.Voltage) continue;
        Group& g = groups[{*row.Droplet, *row.Pressure}];
        g.Droplet = *row.Droplet;
        g.Pressure = *row.Pressure * 1000;
        if (*row.Voltage == 0) {
            if (row.Direction == MotionDirection::Fall && *row.Speed > 0)
                g.Falls.push_back({*row.Speed * Micro, *row.Celsius});
            continue;
        }
        const double speed = *row.Speed * Micro;
        g.Charges.push_back(
            {row.Direction == MotionDirection::Rise ? -speed : speed, *row.Voltage, *row.Celsius});
    }
    std::vector<Group> kept;
    for (auto& [key, g] : groups)
        if (!g.Falls.empty() && !g.Charges.empty()) kept.push_back(std::move(g));
    return kept;
}

/// The droplet's radius at the group's pressure with slip constant b: the mean over its falls.
double GroupRadius(const Group& g, double slip) {
    double sum = 0;
    int count = 0;
    for (const Fall& f : g.Falls) {
        const double r = RadiusFromFallSpeed(f.Speed, f.Celsius, {g.Pressure, slip});
        if (!std::isfinite(r)) continue;
        sum += r;
        ++count;
    }
    return count > 0 ? sum / count : std::nan("");
}

/// The group's charges (units of 1e-19 C, signed) for slip constant b.
std::vector<double> GroupCharges(const Group& g, double slip) {
    const double r = GroupRadius(g, slip);
    std::vector<double> charges;
    for (const Charged& c : g.Charges)
        charges.push_back(
            ChargeFromMotion(r, c.Velocity, c.Voltage, c.Celsius, {g.Pressure, slip}) / Unit);
    return charges;
}

/// The charges of the plot, their whole numbers counted from the slip-corrected charges.
std::vector<Measured> MeasuredCharges(const std::vector<Group>& groups) {
    std::vector<double> corrected;
    std::vector<std::pair<double, double>> pairs; // corrected, apparent
    std::vector<std::size_t> owners;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::vector<double> c = GroupCharges(groups[i], SlipConstant);
        const std::vector<double> a = GroupCharges(groups[i], 0);
        for (std::size_t k = 0; k < c.size(); ++k) {
            if (!std::isfinite(c[k]) || !std::isfinite(a[k])) continue;
            corrected.push_back(c[k] * Unit);
            pairs.emplace_back(std::fabs(c[k]), std::fabs(a[k]));
            owners.push_back(i);
        }
    }
    const ChargeEstimate estimate = EstimateElementaryCharge(corrected);
    std::vector<Measured> measured;
    if (estimate.value <= 0) return measured;
    const double e = estimate.value / Unit;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const double n = std::round(pairs[k].first / e);
        // An uncharged droplet has no whole number of e to divide by.
        if (n < 1 || pairs[k].second <= 0) continue;
        measured.push_back({owners[k], pairs[k].second, static_cast<int>(n)});
    }
    return measured;
}

struct Line {
    bool Fitted = false;
    double A = 0, B = 0;                ///< intercept and slope
    double VarA = 0, VarB = 0, Cov = 0; ///< their variances and covariance
};

/// The least-squares line through the points, with the standard errors of its coefficients.
Line Fit(const std::vector<ExtrapolationPoint>& points) {
    Line line;
    const double n = static_cast<double>(points.size());
    if (points.size() < 3) return line;
    double mx = 0, my = 0;
    for (const auto& p : points) {
        mx += p.X;
        my += p.Y;
    }
    mx /= n;
    my /= n;
    double sxx = 0, sxy = 0, largest = 0;
    for (const auto& p : points) {
        sxx += (p.X - mx) * (p.X - mx);
        sxy += (p.X - mx) * (p.Y - my);
        largest = std::max(largest, std::fabs(p.X));
    }
    // A single value of 1/(p·r), to rounding: no slope can be had.
    if (!(sxx > n * largest * largest * 1e-18)) return line;
    line.B = sxy / sxx;
    line.A = my - line.B * mx;
    double residuals = 0;
    for (const auto& p : points) {
        const double d = p.Y - line.A - line.B * p.X;
        residuals += d * d;
    }
    const double s2 = residuals / (n - 2);
    line.VarB = s2 / sxx;
    line.VarA = s2 * (1 / n + mx * mx / sxx);
    line.Cov = -mx * s2 / sxx;
    line.Fitted = std::isfinite(line.A) && std::isfinite(line.B);
    return line;
}

std::vector<ExtrapolationPoint> PointsFor(const std::vector<Group>& groups,
                                          const std::vector<Measured>& measured, double slip) {
    std::vector<double> radii;
    for (const Group& g : groups)
        radii.push_back(GroupRadius(g, slip));
    std::vector<ExtrapolationPoint> points;
    for (const Measured& m : measured) {
        const Group& g = groups[m.Group];
        const double r = radii[m.Group];
        points.push_back({1 / (g.Pressure * r), std::pow(m.Apparent / m.Multiple, 2.0 / 3.0),
                          g.Droplet, m.Multiple});
    }
    return points;
}

/// Fits the line again with the radii its own b gives, from Stokes' radii, until b settles.
Line SettledLine(const std::vector<Group>& groups, const std::vector<Measured>& measured,
                 std::vector<ExtrapolationPoint>& points) {
    double slip = 0;
    Line line;
    for (int round = 0; round < MostRounds; ++round) {
        points = PointsFor(groups, measured, slip);
        line = Fit(points);
        if (!line.Fitted || !(line.A > 0)) return {};
        const double next = line.B / line.A;
        const bool settled = std::fabs(next - slip) <= Settled * std::fabs(next);
        slip = next;
        if (settled) break;
    }
    points = PointsFor(groups, measured, slip);
    return line;
}
} // namespace

bool TimedInRealAir(const std::vector<NotebookRow>& rows) {
    return std::any_of(rows.begin(), rows.end(), [](const NotebookRow& r) { return r.Pressure; });
}

ChargeExtrapolation ExtrapolateCharge(const std::vector<NotebookRow>& rows) {
    ChargeExtrapolation result;
    const std::vector<Group> groups = GroupsOf(rows);
    std::vector<Measured> measured = MeasuredCharges(groups);
    std::set<int> droplets;
    for (const Measured& m : measured)
        droplets.insert(groups[m.Group].Droplet);
    result.Droplets = static_cast<int>(droplets.size());
    if (result.Droplets < FewestExtrapolatedDroplets) return result;

    Line line;
    for (int recount = 0; recount <= MostRecounts; ++recount) {
        line = SettledLine(groups, measured, result.Points);
        if (!line.Fitted) return result;
        // The whole numbers again from the line itself: n = q_a / (A + B·x)^(3/2).
        bool changed = false;
        for (std::size_t k = 0; k < measured.size(); ++k) {
            const double unit = line.A + line.B * result.Points[k].X;
            if (!(unit > 0)) continue;
            const double n = std::max(1.0, std::round(measured[k].Apparent / std::pow(unit, 1.5)));
            if (n != measured[k].Multiple) {
                measured[k].Multiple = static_cast<int>(n);
                changed = true;
            }
        }
        if (!changed) break;
    }
    result.Found = true;
    result.Intercept = line.A;
    result.Slope = line.B;
    result.E = std::pow(line.A, 1.5) * Unit;
    result.EUncertainty = 1.5 * std::sqrt(line.A) * std::sqrt(line.VarA) * Unit;
    result.Slip = line.B / line.A;
    // b = B/A: σ_b² = (σ_B² + b²σ_A² − 2b·cov) / A².
    const double b = result.Slip;
    result.SlipUncertainty =
        std::sqrt(std::max(0.0, line.VarB + b * b * line.VarA - 2 * b * line.Cov)) / line.A;
    return result;
}

} // namespace Data
