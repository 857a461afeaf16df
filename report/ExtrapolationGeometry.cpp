#include "report/ExtrapolationGeometry.h"

#include "model/FieldParsing.h"

#include <algorithm>
#include <cmath>

namespace Report {

namespace {

/// A tick spacing of 1, 2 or 5 times a power of ten that cuts `range` into about `parts`.
double NiceStep(double range, int parts) {
    const double raw = range / parts;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    const double scaled = raw / magnitude;
    const double nice = scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 5 ? 5 : 10;
    return nice * magnitude;
}

/// The decimals that show every multiple of `step` apart.
int DecimalsFor(double step) {
    return std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
}

struct Axis {
    double Low = 0, High = 1, Step = 1;
    int Decimals = 0;
};

Axis NiceAxis(double low, double high, int parts) {
    if (!(high > low)) high = low + std::max(std::fabs(low), 1.0);
    Axis axis;
    axis.Step = NiceStep(high - low, parts);
    axis.Low = std::floor(low / axis.Step) * axis.Step;
    axis.High = std::ceil(high / axis.Step) * axis.Step;
    axis.Decimals = DecimalsFor(axis.Step);
    return axis;
}

} // namespace

ExtrapolationGeometry LayOutExtrapolation(UnitRect area, int textHeight, int labelWidth,
                                          const Data::ChargeExtrapolation& line) {
    ExtrapolationGeometry g;
    const int text = textHeight;
    // The figures of the upright axis on the left, its title above, the other axis's below.
    const int left = area.Left + labelWidth + text;
    const int top = area.Top + text * 2;
    const int right = area.Right() - text;
    const int bottom = area.Bottom() - 2 * text - text / 2;
    g.Plot = {left, top, right - left + 1, bottom - top + 1};
    const UnitRect& plot = g.Plot;
    if (!line.Found || line.Points.empty() || plot.Width < 20 || plot.Height < 20) return g;

    double largestX = 0, lowY = line.Intercept, highY = line.Intercept;
    for (const Data::ExtrapolationPoint& p : line.Points) {
        largestX = std::max(largestX, p.X);
        lowY = std::min(lowY, p.Y);
        highY = std::max(highY, p.Y);
    }
    const Axis x = NiceAxis(0, largestX, 5);
    const double endY = line.Intercept + line.Slope * x.High;
    const Axis y = NiceAxis(std::min(lowY, endY), std::max(highY, endY), 4);
    if (!std::isfinite(x.High) || !std::isfinite(y.Low) || !std::isfinite(y.High)) return g;
    g.Drawn = true;

    const auto px = [&](double v) {
        return plot.Left +
               static_cast<int>(std::lround((v - x.Low) / (x.High - x.Low) * (plot.Width - 1)));
    };
    const auto py = [&](double v) {
        return plot.Bottom() -
               static_cast<int>(std::lround((v - y.Low) / (y.High - y.Low) * (plot.Height - 1)));
    };
    g.PointSize = std::max(4, text / 2);
    for (const Data::ExtrapolationPoint& p : line.Points)
        g.Points.push_back({px(p.X), py(p.Y)});
    g.LineFrom = {px(0), py(line.Intercept)};
    g.LineTo = {px(x.High), py(endY)};

    g.TickLength = std::max(2, text / 3);
    const int xTicks = static_cast<int>(std::lround((x.High - x.Low) / x.Step));
    for (int i = 0; i <= xTicks; ++i) {
        const double v = x.Low + i * x.Step;
        const int at = px(v);
        g.TickXs.push_back(at);
        const int width = labelWidth * 2;
        g.XLabels.push_back({{at - width / 2, plot.Bottom() + g.TickLength + 1, width, text},
                             Data::FormatFixed(v, 0, x.Decimals)});
    }
    const int yTicks = static_cast<int>(std::lround((y.High - y.Low) / y.Step));
    for (int i = 0; i <= yTicks; ++i) {
        const double v = y.Low + i * y.Step;
        const int at = py(v);
        g.TickYs.push_back(at);
        g.YLabels.push_back({{area.Left, at - text / 2, labelWidth + text / 2, text},
                             Data::FormatFixed(v, 0, y.Decimals)});
    }
    g.XTitle = {plot.Left, plot.Bottom() + g.TickLength + text + 2, plot.Width, text};
    g.YTitle = {area.Left, area.Top, area.Width, text};
    return g;
}

} // namespace Report
