#pragma once
// The desktop's side of the PDF reports: the moment a report is made, from the system clock, and
// the file written in one step, so a report is either whole or not there.

#include "report/PdfDocument.h"

#include <QDateTime>
#include <QString>
#include <string>

/// The local time `moment` as the reports show it.
Pdf::DateTime ReportMoment(const QDateTime& moment = QDateTime::currentDateTime());

/// Writes `bytes` to `path` in one step; false, with the reason in `error` and no file written,
/// when it cannot be written.
bool WriteReportFile(const QString& path, const std::string& bytes, QString* error);
