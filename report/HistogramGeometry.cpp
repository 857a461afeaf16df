#include "report/HistogramGeometry.h"

#include <algorithm>
#include <cmath>

namespace Report {

namespace {
constexpr double BinWidth = 0.1; ///< 1e-19 C
constexpr double LeastRange = 6; ///< 1e-19 C shown at least
constexpr double Unit = 1e-19;   ///< C per unit of the axis
} // namespace

HistogramGeometry LayOutHistogram(UnitRect area, int textHeight, int countsWidth,
                                  const std::vector<double>& charges,
                                  const Data::ChargeEstimate& estimate) {
    HistogramGeometry g;
    const int text = textHeight;
    // The plot leaves room for the counts on the left and the charges and title below.
    const int left = area.Left + countsWidth + text / 2;
    const int top = area.Top + text / 2;
    const int right = area.Right() - text;
    const int bottom = area.Bottom() - 2 * text - text / 2;
    g.Plot = {left, top, right - left + 1, bottom - top + 1};
    const UnitRect& plot = g.Plot;
    if (plot.Width < 10 || plot.Height < 10) return g;
    g.Drawn = true;

    double largest = LeastRange;
    for (double q : charges)
        if (std::isfinite(q)) largest = std::max(largest, std::ceil(std::fabs(q)));
    largest = std::min(largest, 1000.0); // a typing slip must not make a million bins
    const int bins = static_cast<int>(std::lround(largest / BinWidth));
    std::vector<int> counts(static_cast<std::size_t>(bins), 0);
    for (double q : charges) {
        if (!std::isfinite(q)) continue;
        const int bin = std::clamp(static_cast<int>(std::fabs(q) / BinWidth), 0, bins - 1);
        ++counts[static_cast<std::size_t>(bin)];
    }
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const auto x = [&](double q) { return plot.Left + q / largest * plot.Width; };
    const auto y = [&](double n) { return plot.Bottom() - n / most * plot.Height; };

    for (int b = 0; b < bins; ++b)
        if (const int n = counts[static_cast<std::size_t>(b)]; n > 0)
            g.Bars.push_back({x(b * BinWidth), y(n), x((b + 1) * BinWidth), y(0)});
    if (estimate.value > 0) {
        const double e = estimate.value / Unit;
        for (int n = 1; n * e <= largest; ++n)
            g.EstimateLines.push_back(x(n * e));
    }
    // The charges every 1e-19 C (fewer when they run far) and the counts.
    g.TickLength = text / 4;
    const int labelEvery = largest > 20 ? static_cast<int>(std::ceil(largest / 10)) : 1;
    for (int q = 0; q <= largest; q += labelEvery) {
        const int at = static_cast<int>(std::lround(x(q)));
        g.TickXs.push_back(at);
        g.ChargeLabels.push_back(
            {{at - 2 * text, plot.Bottom() + text / 4, 4 * text, text}, std::to_string(q)});
    }
    for (int n : {0, most}) {
        const int at = static_cast<int>(std::lround(y(n)));
        g.CountLabels.push_back({{area.Left, at - text / 2, plot.Left - area.Left - text / 4, text},
                                 std::to_string(n)});
    }
    g.AxisTitle = {plot.Left, plot.Bottom() + text + text / 4, plot.Width, text};
    return g;
}

} // namespace Report
