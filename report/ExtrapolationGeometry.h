#pragma once
// Where the extrapolation plot puts its points, its line and its axes: (q/n)^(2/3) up against
// 1/(p·r) across from 0, so that the line's meeting with the left axis, where e is read, is in
// view. The notebook window, the PDF report and the browser edition draw the same picture.

#include "model/Extrapolation.h"
#include "report/HistogramGeometry.h"

#include <vector>

namespace Report {

/// A place on the plot, whole device units.
struct PlotPlace {
    int X = 0;
    int Y = 0;
};

struct ExtrapolationGeometry {
    bool Drawn = false; ///< false without a line, or when the area is too small
    UnitRect Plot;      ///< the axes run along its bottom and left edges
    std::vector<PlotPlace> Points;
    int PointSize = 0;          ///< each point is a square this wide, centred on its place
    PlotPlace LineFrom, LineTo; ///< the fitted line, from 1/(p·r) = 0
    std::vector<int> TickXs;    ///< ticks below the axis, from Plot.Bottom() down
    std::vector<int> TickYs;    ///< ticks left of the axis, from Plot.Left leftwards
    int TickLength = 0;
    std::vector<Label> XLabels; ///< centred at the top of their boxes
    std::vector<Label> YLabels; ///< right-aligned, vertically centred
    UnitRect XTitle;            ///< centred at the top of the box, below the figures
    UnitRect YTitle;            ///< left-aligned at the top of the box, above the plot
};

/// Lays the plot of `line` out in `area`, for text `textHeight` high in which the longest figure
/// of the upright axis ("0.00") is `labelWidth` wide.
ExtrapolationGeometry LayOutExtrapolation(UnitRect area, int textHeight, int labelWidth,
                                          const Data::ChargeExtrapolation& line);

} // namespace Report
