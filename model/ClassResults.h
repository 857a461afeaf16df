#pragma once
// A class's results: every student's charges pooled into one estimate of the elementary charge,
// and each student's own figures beside it, so that a teacher sees at a glance whose notebook
// needs a second look.

#include "model/Analysis.h"
#include "model/Notebook.h"

#include <optional>
#include <string>
#include <vector>

namespace Data {

/// The worked-out charges of the rows, in units of 1e-19 C.
std::vector<double> NotebookCharges(const std::vector<NotebookRow>& rows);

/// The estimate of e from the rows' worked-out charges.
ChargeEstimate NotebookEstimate(const std::vector<NotebookRow>& rows);

/// A student's estimate further than this from the class's is marked, per cent.
constexpr double FarFromClassPercent = 10;

/// One student's notebook, its speeds, radii and charges worked out.
struct StudentNotebook {
    std::string Identifier;
    std::vector<NotebookRow> Rows;
};

/// Why a student's line in the class's table is marked.
enum class StudentMark {
    None,
    FarFromClass,  ///< the estimate is more than FarFromClassPercent off the class's
    TooFewCharges, ///< the notebook holds too few charges for an estimate of its own
};

/// One line of the class's table.
struct StudentResult {
    std::string Identifier;
    int Droplets = 0; ///< different droplet numbers in the notebook
    int Charges = 0;  ///< rows with a worked-out charge
    ChargeEstimate Estimate;
    /// The estimate's deviation from the class's, per cent; none without both estimates.
    std::optional<double> Deviation;
    StudentMark Mark = StudentMark::None;
};

/// The class as a whole.
struct ClassResults {
    std::vector<double> Charges;         ///< every student's charges pooled, units of 1e-19 C
    ChargeEstimate Estimate;             ///< e from the pooled charges
    std::vector<StudentResult> Students; ///< in the order of the notebooks
};

/// Pools the notebooks' charges and works out every student's line.
ClassResults PoolClass(const std::vector<StudentNotebook>& notebooks);

} // namespace Data
