#pragma once
// Where the histogram of the charges puts its bars, axes, ticks and lines: bins of
// 0.1 × 10⁻¹⁹ C from 0 to at least 6 × 10⁻¹⁹ C, with faint lines at the whole multiples of the
// estimated elementary charge, so that a student sees the charges cluster. The notebook window,
// the PDF report and the browser edition draw the same picture from it.

#include "model/Analysis.h"

#include <string>
#include <vector>

namespace Report {

/// A rectangle of whole device units, with the last row and column inside it (as Qt counts).
struct UnitRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width - 1; }
    int Bottom() const { return Top + Height - 1; }
};

/// A bar from (Left, Top) to (Right, Bottom), device units.
struct Bar {
    double Left, Top, Right, Bottom;
};

/// A label and the box it is set in.
struct Label {
    UnitRect Box;
    std::string Text;
};

struct HistogramGeometry {
    bool Drawn = false; ///< false when the area is too small for a plot
    UnitRect Plot;      ///< the axes run along its bottom and left edges
    std::vector<Bar> Bars;
    std::vector<double> EstimateLines; ///< x of the lines at the multiples of the estimate
    std::vector<int> TickXs;           ///< ticks below the axis, from Plot.Bottom() down
    int TickLength = 0;
    std::vector<Label> ChargeLabels; ///< centred at the top of their boxes
    std::vector<Label> CountLabels;  ///< right-aligned, vertically centred
    UnitRect AxisTitle;              ///< centred at the top of the box
};

/// Lays the histogram of `charges` (units of 1e-19 C, signs ignored) out in `area`, for text
/// `textHeight` high in which "000" is `countsWidth` wide.
HistogramGeometry LayOutHistogram(UnitRect area, int textHeight, int countsWidth,
                                  const std::vector<double>& charges,
                                  const Data::ChargeEstimate& estimate);

} // namespace Report
