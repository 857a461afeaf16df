#include "app/ReportCommand.h"

#include "app/HeadlessReport.h"
#include "model/ClassResults.h"
#include "model/Notebook.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookFile.h"
#include "ui/NotebookReport.h"

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

    const auto application = StartHeadless();
    const QString name = QString::fromStdString(
        Notebook::IdentifierOf(QFileInfo(notebook).fileName().toStdString()));
    if (!NotebookReport::Write(pdf, name, *rows, true, &problem)) {
        call.Err << "tessilar: " << pdf.toStdString() << ": " << problem.toStdString() << '\n';
        return UnwritableReport;
    }
    call.Out << EstimateLine(Data::NotebookEstimate(*rows), Data::NotebookCharges(*rows).size())
             << '\n';
    return 0;
}
