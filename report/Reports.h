#pragma once
// The PDF reports, as both editions write them: the report a student hands in (title,
// identifier, date, the table of timings, the histogram of the charges and the estimate of the
// elementary charge) and the class's report a teacher prints (a first page with the class's
// histogram, estimate and table of students, then each student's report). In the catalogue's
// language; the bytes are the caller's to write in one step.

#include "model/AnswerKey.h"
#include "model/ClassResults.h"
#include "report/PdfDocument.h"

#include <string>
#include <vector>

namespace Report {

/// The student's report's title, naming the notebook.
std::string StudentReportTitle(const std::string& name);

/// The report of `rows` (speeds, radii and charges worked out); `name` is the identifier or the
/// notebook's name. Without `calculations` the radius, the charge and the estimate are left out.
std::string StudentReportPdf(const std::string& name, const std::vector<Data::NotebookRow>& rows,
                             bool calculations, const Pdf::DateTime& made);

/// A notebook the class's report leaves out, and why.
struct LeftOut {
    std::string Name;
    std::string Reason;
};

/// The class's report: `results` of PoolClass over `notebooks`, and those left out. With the key
/// of a class code, the class's table tells each student's chamber and right charges, and each
/// student's pages end with every row against the truth.
std::string ClassReportPdf(const Data::ClassResults& results,
                           const std::vector<Data::StudentNotebook>& notebooks,
                           const std::vector<LeftOut>& leftOut, const Pdf::DateTime& made,
                           const Data::ClassKey* key = nullptr);

/// "K of N", or "not assessed" for a notebook whose rows carry no spray.
std::string ChamberCell(const Data::NotebookKey& key);
/// "J of M", or "–" for a notebook whose rows carry no spray.
std::string ChargesRightCell(const Data::NotebookKey& key);

} // namespace Report
