#pragma once
// The notebook's texts as the window, the PDF report and the browser edition all show them: the
// column titles, the cells, the row labels with the burst mark and the sentence that states the
// estimate of the elementary charge, in the catalogue's language.

#include "model/Analysis.h"
#include "model/Extrapolation.h"
#include "model/Notebook.h"

#include <string>
#include <vector>

namespace Report {

/// The notebook table's columns, in order.
enum NotebookColumn {
    DropletColumn,
    TicksColumn,
    DistanceColumn,
    TimeColumn,
    DirectionColumn,
    VoltageColumn,
    TemperatureColumn,
    PressureColumn, ///< real air only
    SpeedColumn,
    RadiusColumn,
    ChargeColumn,
    ColumnCount
};

/// The accepted elementary charge the estimate is compared with, C.
constexpr double AcceptedCharge = 1.602e-19;

/// The column titles from the catalogue, in column order.
std::vector<std::string> ColumnTitles();
/// The direction names from the catalogue: fall, rise, balanced.
std::vector<std::string> DirectionNames();
/// The text of one cell of a row.
std::string CellText(const Data::NotebookRow& row, int column,
                     const std::vector<std::string>& directionNames);
/// The row's number as the table shows it (from 1), marked with ⚡ when a burst came before it.
std::string RowLabel(int index, bool afterBurst);
/// The columns a report shows: all, or without radius and charge when the students work them out,
/// and the pressure only for a notebook timed in real air.
std::vector<int> ReportColumns(bool calculations, bool realAir);

/// A percentage with its sign, "+0.4", "−1.2" or "0.0", to `decimals` places.
std::string SignedPercent(double percent, int decimals = 1);
/// A number with `decimals` fixed decimals.
std::string Fixed(double value, int decimals);
/// "e = 1.594 ± 0.012 × 10⁻¹⁹ C from 18 charges, −0.5 % from the accepted …", or the sentence
/// that there is not enough data.
std::string EstimateSentence(const Data::ChargeEstimate& estimate);
/// The estimate of a notebook timed in real air, which says that its charges are corrected for
/// the slip with the usual constant.
std::string CorrectedSentence(const Data::ChargeEstimate& estimate);
/// "Extrapolated to 1/(p·r) = 0: e = … ± … × 10⁻¹⁹ C, b = … ± … × 10⁻³ Pa·m, from 9 droplets",
/// or that there are too few droplets.
std::string ExtrapolationSentence(const Data::ChargeExtrapolation& line);
/// The estimate sentence the notebook shows: the corrected one for a notebook timed in real air.
std::string NotebookEstimateSentence(const std::vector<Data::NotebookRow>& rows);

} // namespace Report
