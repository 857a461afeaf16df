#pragma once
// The class's report a teacher prints after the lesson: a first page with the histogram of every
// charge the class measured, the class's estimate of the elementary charge and a table of the
// students, marking those whose notebooks need a second look; then each student's own report.

#include "model/ClassResults.h"

#include <QString>
#include <vector>

namespace ClassReport {

/// A notebook that could not be read: its name and why, in the catalogue's language.
struct LeftOut {
    QString Name;
    QString Reason;
};

/// Writes the class's report to `pdfPath` in one step: `results` from PoolClass(`notebooks`),
/// the notebooks that were left out named on the first page. False, with the reason in `error`
/// and no file written, when it cannot be written.
bool Write(const QString& pdfPath, const Data::ClassResults& results,
           const std::vector<Data::StudentNotebook>& notebooks, const std::vector<LeftOut>& leftOut,
           QString* error);

} // namespace ClassReport
