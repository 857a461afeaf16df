#pragma once
// The report a student hands in: an A4 PDF with a title naming the notebook, the date and time,
// the table of timings, the histogram of the charges and the estimate of the elementary charge,
// in the catalogue's language. Written in one step, so a report is either whole or not there.

#include "model/Notebook.h"
#include "ui/ReportPages.h"

#include <QString>
#include <vector>

namespace NotebookReport {

/// The report's title, naming the notebook.
QString Title(const QString& name);

/// Lays the report out from the current place of `pages` (a class's report holds one for each
/// student); `name` is the identifier or the notebook's name. Without `calculations` the
/// radius, the charge and the estimate are left out.
void Draw(ReportPages& pages, const QString& name, const std::vector<Data::NotebookRow>& rows,
          bool calculations);

/// Writes the report of `rows` to `pdfPath`; `name` is the identifier or the notebook's name.
/// Without `calculations` the radius, the charge and the estimate are left out. False, with the
/// reason in `error` and no file written, when it cannot be written.
bool Write(const QString& pdfPath, const QString& name, const std::vector<Data::NotebookRow>& rows,
           bool calculations, QString* error);

} // namespace NotebookReport
