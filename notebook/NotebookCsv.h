#pragma once
// The notebook's file format: RFC 4180 CSV in UTF-8 with "." as the decimal point and a fixed
// header row; unknown cells are empty. The same format serves the notebook kept for each
// identifier and the export the student saves elsewhere.

#include "model/Notebook.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Notebook {

/// The header row, exactly.
inline constexpr std::string_view CsvHeader = "droplet,ticks,distance_um,time_s,direction,"
                                              "voltage_V,temperature_C,speed_um_s,radius_um,"
                                              "charge_1e-19C";

/// The rows as a CSV file, header first, each line ended by CR LF.
std::string ToCsv(const std::vector<Data::NotebookRow>& rows);

/// Why a text is not a notebook: the line (1 is the header) and what is wrong there.
struct CsvProblem {
    int Line = 0;
    std::string What;
};

/// The rows of a notebook file, reading the student's own cells (droplet, ticks, time,
/// direction, voltage, temperature) and ignoring the worked-out ones; or the first problem.
std::variant<std::vector<Data::NotebookRow>, CsvProblem> FromCsv(std::string_view text);

} // namespace Notebook
