#pragma once
// The notebook's file format: RFC 4180 CSV in UTF-8 with "." as the decimal point and a fixed
// header row; unknown cells are empty. The same format serves the notebook kept for each
// identifier and the export the student saves elsewhere. Notebooks written before the columns of
// the student, the spray, the bursts and the pressure were added (the first ten alone) are read
// too.

#include "model/Notebook.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Notebook {

/// The header row of the first notebooks, with their ten columns, exactly.
inline constexpr std::string_view FirstCsvHeader = "droplet,ticks,distance_um,time_s,direction,"
                                                   "voltage_V,temperature_C,speed_um_s,radius_um,"
                                                   "charge_1e-19C";
/// The header row written now, exactly: the first ten columns, then whose droplet it was and the
/// chamber's pressure.
inline constexpr std::string_view CsvHeader = "droplet,ticks,distance_um,time_s,direction,"
                                              "voltage_V,temperature_C,speed_um_s,radius_um,"
                                              "charge_1e-19C,student,spray,bursts,pressure_kPa";

/// The rows as a CSV file, header first, each line ended by CR LF.
std::string ToCsv(const std::vector<Data::NotebookRow>& rows);

/// The largest notebook file read, bytes: a class's notebooks are read whole, and a file far
/// beyond any lesson's timings is not a notebook.
inline constexpr std::size_t LongestNotebook = 4 * 1024 * 1024;

/// What is wrong with a text that should be a notebook.
enum class CsvFault {
    TooLong,        ///< more than LongestNotebook bytes
    NotUtf8,        ///< not UTF-8 text
    NoHeader,       ///< empty, or no header row
    WrongHeader,    ///< Detail: the header that was expected
    OpenQuote,      ///< a quoted cell is never closed
    CellCount,      ///< Detail: how many cells the row has
    BadDroplet,     ///< Detail: the cell as quoted
    BadTicks,       ///< Detail: the cell as quoted (not a whole number from 0 to LargestTicks)
    BadTime,        ///< Detail: the cell as quoted
    BadDirection,   ///< Detail: the cell as quoted
    BadVoltage,     ///< Detail: the cell as quoted
    BadTemperature, ///< Detail: the cell as quoted
    BadSpray,       ///< Detail: the cell as quoted (not a whole number from 1 to LargestSpray)
    BadBursts,      ///< Detail: the cell as quoted (not a whole number from 0 to LargestBursts)
    BadPressure,    ///< Detail: the cell as quoted
};

/// Why a text is not a notebook: the line (1 is the header; 0 for the file as a whole), what is
/// wrong there and the detail a message names. The words come from the catalogue (see
/// NotebookReasons.h), so that every front end shows them in the chosen language.
struct CsvProblem {
    int Line = 0;
    CsvFault Fault = CsvFault::NoHeader;
    std::string Detail;
    std::size_t Cells = 0; ///< CellCount: how many cells the header has
};

/// The number of cells in a row written now, and in a row of the first notebooks.
inline constexpr std::size_t CsvColumns = 14;
inline constexpr std::size_t FirstCsvColumns = 10;

/// The rows of a notebook file, reading the student's own cells (droplet, ticks, time,
/// direction, voltage, temperature, student, spray, bursts, pressure) and ignoring the worked-out
/// ones; or the first problem.
std::variant<std::vector<Data::NotebookRow>, CsvProblem> FromCsv(std::string_view text);

} // namespace Notebook
