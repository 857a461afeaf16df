#pragma once
// What the report commands share: file names from the command line, exit statuses and the line
// that prints an estimate of e.

#include "model/Analysis.h"
#include "model/Extrapolation.h"

#include <QString>
#include <string>
#include <string_view>

/// Exit statuses of the report commands.
constexpr int UnwritableReport = 1;
constexpr int UnreadableNotebook = 2;

/// A command-line argument naming a file, in the system's encoding.
QString ArgumentPath(std::string_view argument);

/// "1 charge", "4 charges": a count with its noun.
std::string Counted(std::size_t count, std::string_view noun);

/// "e = 1.613e-19 C +- 2e-22 C from 4 charges" followed by `more`, or "e = not enough data
/// (2 charges" `more` ")" without an estimate; `charges` counts all the charges.
std::string EstimateLine(const Data::ChargeEstimate& estimate, std::size_t charges,
                         std::string_view more = {});

/// "extrapolated: e = 1.602e-19 C +- 1.2e-21 C, b = 0.00821 Pa m +- 0.00041 Pa m from 9
/// droplets", or "extrapolated: too few droplets".
std::string ExtrapolationLine(const Data::ChargeExtrapolation& line);
