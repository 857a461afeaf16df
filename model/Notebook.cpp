#include "model/Notebook.h"

#include "model/Analysis.h"
#include "model/Data.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace Data {

namespace {
constexpr double Micro = 1e-6;
constexpr double ChargeUnit = 1e-19; ///< C, the notebook's unit of charge

std::optional<double> Finite(double x) {
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

std::optional<double> SpeedOf(const NotebookRow& row) {
    if (row.Direction == MotionDirection::Balanced) return 0.0;
    const auto distance = Distance(row);
    if (!distance || !row.Time || !(*row.Time > 0)) return std::nullopt;
    return Finite(*distance / *row.Time);
}

bool SupplyOff(const NotebookRow& row) {
    return row.Voltage && *row.Voltage == 0;
}

/// The real air of a row with a pressure, the slip corrected with the usual constant.
std::optional<SlippingAir> AirOf(const NotebookRow& row) {
    if (!row.Pressure) return std::nullopt;
    return SlippingAir{*row.Pressure * 1000, SlipConstant};
}

double FallRadius(const NotebookRow& row) {
    const double speed = *row.Speed * Micro;
    const auto air = AirOf(row);
    return air ? RadiusFromFallSpeed(speed, *row.Celsius, *air)
               : RadiusFromFallSpeed(speed, *row.Celsius);
}

/// The mean radius (m) of each droplet from its falls with the supply off.
std::map<int, double> DropletRadii(const std::vector<NotebookRow>& rows) {
    std::map<int, std::pair<double, int>> sums;
    for (const NotebookRow& row : rows) {
        if (!row.Droplet || row.Direction != MotionDirection::Fall || !SupplyOff(row) ||
            !row.Speed || !row.Celsius)
            continue;
        const double r = FallRadius(row);
        if (!std::isfinite(r)) continue;
        auto& [sum, count] = sums[*row.Droplet];
        sum += r;
        ++count;
    }
    std::map<int, double> radii;
    for (const auto& [droplet, sum] : sums)
        radii[droplet] = sum.first / sum.second;
    return radii;
}
} // namespace

int SprayNumberOffset(const std::vector<NotebookRow>& rows) {
    int highest = 0;
    for (const NotebookRow& row : rows)
        if (row.Droplet) highest = std::max(highest, std::min(*row.Droplet, LargestDropletNumber));
    return (highest + DropletCount - 1) / DropletCount * DropletCount;
}

NotebookRow RecordedRow(const std::vector<NotebookRow>& rows, std::optional<int> droplet,
                        bool afterBurst) {
    NotebookRow row;
    row.Droplet = droplet;
    row.Ticks = rows.empty() || !rows.back().Ticks ? DefaultTicks : *rows.back().Ticks;
    row.Time = StopwatchReading();
    // With the supply off or positive polarity droplets fall; reversed, a timed one rises.
    row.Direction = VoltageOn && !PolarityPositive ? MotionDirection::Rise : MotionDirection::Fall;
    row.Voltage = PlateVoltage;
    row.Celsius = std::round((CurTemp - CelsiusOffset) * 100) / 100;
    row.AfterBurst = afterBurst;
    if (RealAir) row.Pressure = ChamberPressure / 1000;
    return row;
}

std::optional<double> Distance(const NotebookRow& row) {
    if (!row.Ticks) return std::nullopt;
    return *row.Ticks * TickLength;
}

void RecomputeNotebook(std::vector<NotebookRow>& rows, bool calculations) {
    for (NotebookRow& row : rows) {
        row.Speed = SpeedOf(row);
        row.Radius.reset();
        row.Charge.reset();
    }
    if (!calculations) return;
    const std::map<int, double> radii = DropletRadii(rows);
    for (NotebookRow& row : rows) {
        if (!row.Droplet) continue;
        const auto radius = radii.find(*row.Droplet);
        if (radius == radii.end()) continue;
        row.Radius = radius->second / Micro;
        if (SupplyOff(row) || !row.Voltage || !row.Speed || !row.Celsius) continue;
        const double velocity =
            (row.Direction == MotionDirection::Rise ? -*row.Speed : *row.Speed) * Micro;
        const auto air = AirOf(row);
        const double charge =
            air ? ChargeFromMotion(radius->second, velocity, *row.Voltage, *row.Celsius, *air)
                : ChargeFromMotion(radius->second, velocity, *row.Voltage, *row.Celsius);
        row.Charge = Finite(charge / ChargeUnit);
    }
}

std::string_view DirectionName(MotionDirection motion) {
    switch (motion) {
    case MotionDirection::Fall:
        return "fall";
    case MotionDirection::Rise:
        return "rise";
    case MotionDirection::Balanced:
        return "balanced";
    }
    return "fall";
}

std::optional<MotionDirection> DirectionNamed(std::string_view name) {
    for (MotionDirection m :
         {MotionDirection::Fall, MotionDirection::Rise, MotionDirection::Balanced})
        if (DirectionName(m) == name) return m;
    return std::nullopt;
}

} // namespace Data
