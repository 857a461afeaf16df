#pragma once
// The student's measurement notebook: one row per timing, with the cells the student records and
// the speed, radius and charge worked out from them.
//
// A droplet's radius comes from the mean of the radii of its "fall" rows with the supply off,
// each at its own temperature. The charge of every row with the supply on, timed or balanced,
// comes from that radius and the row's own motion, voltage and temperature. A cell that cannot
// be worked out (yet) stays empty.

#include "model/Data.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Data {

/// Which way a timed droplet moved.
enum class MotionDirection {
    Fall,    ///< with gravity: up in the view
    Rise,    ///< against gravity: down in the view
    Balanced ///< held still: speed 0
};

/// One timing in the notebook. Lengths in µm, times in s, charges in units of 1e-19 C.
struct NotebookRow {
    std::optional<int> Droplet; ///< the droplet's number, or unknown
    std::optional<int> Ticks;   ///< reticle ticks covered; the distance is Ticks × 10 µm
    std::optional<double> Time; ///< stopwatch reading, s
    MotionDirection Direction = MotionDirection::Fall;
    std::optional<double> Voltage; ///< signed plate voltage, V
    std::optional<double> Celsius; ///< chamber temperature, °C
    bool AfterBurst = false;       ///< an ionising burst came before this timing
    /// Whose droplet it was: the student's identifier as typed, the spray (1, 2, ... of the
    /// student's under a class code) and the bursts fired in that spray before the timing; the
    /// spray and bursts only in an assessed chamber.
    std::optional<std::string> Student;
    std::optional<int> Spray;
    std::optional<int> Bursts;
    std::optional<double> Pressure; ///< the chamber's pressure, kPa; none in the ideal chamber
    // Worked out from the cells above.
    std::optional<double> Speed;  ///< µm/s, never negative
    std::optional<double> Radius; ///< µm, the droplet's radius
    std::optional<double> Charge; ///< 1e-19 C, signed
};

constexpr int DefaultTicks = 30; ///< the first row's ticks
/// The largest droplet number a notebook holds.
constexpr int LargestDropletNumber = 999'999;
/// The most ticks a row holds: more than the reticle has from end to end is a typing slip.
constexpr int LargestTicks = 1000;
/// The most sprays of a student's and bursts of a spray an assessed chamber follows; past them
/// the chamber is sprayed at random again, and its rows carry no spray.
constexpr int LargestSpray = 999;
constexpr int LargestBursts = 999;
/// The chamber's pressures, kPa.
constexpr double LowestPressure = LowestChamberPressure / 1000;
constexpr double HighestPressure = HighestChamberPressure / 1000;
constexpr double TickLength = 10; ///< µm between two reticle ticks

/// What a new spray's droplets add to their numbers 1 to 100 in the notebook, so that they are
/// never paired with droplets of earlier sprays: the next multiple of 100 above the highest
/// droplet number the notebook holds, or 0 for a notebook that names no droplet.
int SprayNumberOffset(const std::vector<NotebookRow>& rows);
/// The row a recording adds to `rows` now: the droplet's notebook number (none when no droplet
/// is followed), the ticks of the row before (the first row's default), the stopwatch reading, the
/// direction the supply makes a timed droplet move, the plate voltage and the chamber temperature
/// to hundredths of a degree, and in real air its pressure.
NotebookRow RecordedRow(const std::vector<NotebookRow>& rows, std::optional<int> droplet,
                        bool afterBurst);

/// The distance of a row, µm.
std::optional<double> Distance(const NotebookRow& row);

/// Works out the speed, radius and charge of every row; without `calculations` (a teacher's
/// choice) only the speeds, leaving radius and charge to the students. A row with a pressure was
/// timed in real air: its radius and charge are corrected for the slip with the usual constant.
/// A droplet's rows at different pressures give one radius.
void RecomputeNotebook(std::vector<NotebookRow>& rows, bool calculations = true);

/// The direction's name in the notebook file: "fall", "rise" or "balanced".
std::string_view DirectionName(MotionDirection motion);
/// The direction of a name in the notebook file, or nothing.
std::optional<MotionDirection> DirectionNamed(std::string_view name);

} // namespace Data
