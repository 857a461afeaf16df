#pragma once
// The teacher's answer key for an assessed class: every row of every student checked against
// what the student's chamber truly held at that moment (model/AssessedChamber.h), and the
// notebooks that share rows or name another student marked as copies.

#include "model/AssessedChamber.h"
#include "model/ClassResults.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Data {

/// A row's speed may differ this much from the one its droplet truly had, as a share of it.
constexpr double SpeedTolerance = 0.25;

enum class RowVerdict {
    Right,          ///< from the droplet, its charge nearest the true whole multiple
    Misread,        ///< from the droplet, its charge nearest another multiple
    FromChamber,    ///< from the droplet, with no charge to judge (a fall, or calculations off)
    NotFromChamber, ///< its speed cannot come from the droplet it names, at its voltage and
                    ///< temperature (copied, invented, or no droplet named)
    NotAssessed,    ///< the row carries no spray: taken before the chamber was assessed
};

/// One row against the truth.
struct RowKey {
    std::optional<TrueDroplet> Truth; ///< the droplet the row names, when it names one
    std::optional<double> Charge;     ///< the row's charge, 1e-19 C
    RowVerdict Verdict = RowVerdict::NotAssessed;
};

/// One student's notebook against the truth.
struct NotebookKey {
    std::vector<RowKey> Rows; ///< in the notebook's order
    int Consistent = 0;       ///< rows whose speed comes from their droplet
    int Assessed = 0;         ///< rows with a spray cell
    int RightCharges = 0;     ///< charges nearest the true multiple
    int Charges = 0;          ///< rows with a spray cell and a charge
    std::string CopyOf;       ///< the student this notebook is a copy of, or empty
};

/// The key of a whole class under one code.
struct ClassKey {
    std::string Code;
    std::vector<NotebookKey> Notebooks; ///< in the order of the class's notebooks
};

/// The student a row was timed by: its own student cell, else the notebook's identifier.
std::string_view StudentOf(const NotebookRow& row, const StudentNotebook& notebook);

/// Checks one row against the chamber of its student under the code.
RowKey AssessRow(std::string_view code, std::string_view student, const NotebookRow& row);

/// The key of every notebook of a class (in their order), copies marked: a notebook whose rows
/// name another student than its file does, or whose rows stand in another student's notebook
/// too while its own chamber fits them less well.
std::vector<NotebookKey> AssessClass(std::string_view code,
                                     const std::vector<StudentNotebook>& notebooks);

/// An identifier as a file name carries it on its way to the teacher: a copy's " (2)" that a
/// download or an upload adds, and blanks at either end, taken off.
std::string UploadedIdentifier(std::string_view identifier);

} // namespace Data
