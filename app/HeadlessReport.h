#pragma once
// What the report commands share: PDF writing without a display, file names from the command
// line, and the line that prints an estimate of e.

#include "model/Analysis.h"

#include <QGuiApplication>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

/// Exit statuses of the report commands.
constexpr int UnwritableReport = 1;
constexpr int UnreadableNotebook = 2;

/// A GUI application on the offscreen platform, for the fonts and the PDF writer; Qt's remarks
/// on its surroundings (no runtime folder, for one) are kept from the command's user.
std::unique_ptr<QGuiApplication> StartHeadless();

/// A command-line argument naming a file, in the system's encoding.
QString ArgumentPath(std::string_view argument);

/// "1 charge", "4 charges": a count with its noun.
std::string Counted(std::size_t count, std::string_view noun);

/// "e = 1.613e-19 C +- 2e-22 C from 4 charges" followed by `more`, or "e = not enough data
/// (2 charges" `more` ")" without an estimate; `charges` counts all the charges.
std::string EstimateLine(const Data::ChargeEstimate& estimate, std::size_t charges,
                         std::string_view more = {});
