#include "app/ReportCommand.h"

#include "app/HeadlessReport.h"
#include "model/ClassResults.h"
#include "model/Notebook.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookFile.h"
#include "report/Reports.h"
#include "ui/ReportFile.h"

#include <QFileInfo>
#include <ostream>

int WriteReportCommand(const OptionCall& call) {
    const QString notebook = ArgumentPath(call.Arguments[0]);
    const QString pdf = ArgumentPath(call.Arguments[1]);
    QString problem;
    auto rows = Notebook::Read(notebook, &problem);
    if (!rows) {
        call.Err << "tessilar: " << notebook.toStdString() << ": " << problem.toStdString() << '\n';
        return UnreadableNotebook;
    }
    // Only the student's own cells count: speed, radius and charge are worked out afresh.
    Data::RecomputeNotebook(*rows, true);

    const std::string name = Notebook::IdentifierOf(QFileInfo(notebook).fileName().toStdString());
    if (!WriteReportFile(pdf, Report::StudentReportPdf(name, *rows, true, ReportMoment()),
                         &problem)) {
        call.Err << "tessilar: " << pdf.toStdString() << ": " << problem.toStdString() << '\n';
        return UnwritableReport;
    }
    call.Out << EstimateLine(Data::NotebookEstimate(*rows), Data::NotebookCharges(*rows).size())
             << '\n';
    // A notebook timed in real air: the estimate above is corrected for the slip; the
    // extrapolation finds e without the slip constant.
    if (Data::TimedInRealAir(*rows))
        call.Out << ExtrapolationLine(Data::ExtrapolateCharge(*rows)) << '\n';
    return 0;
}
