#include "app/ReportCommand.h"

#include "model/Notebook.h"
#include "notebook/NotebookFile.h"
#include "ui/NotebookReport.h"
#include "ui/NotebookSummary.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <ostream>

namespace {
constexpr int UnreadableNotebook = 2;
constexpr int UnwritableReport = 1;
} // namespace

int WriteReportCommand(const OptionCall& call) {
    const QString notebook = QString::fromLocal8Bit(
        call.Arguments[0].data(), static_cast<qsizetype>(call.Arguments[0].size()));
    const QString pdf = QString::fromLocal8Bit(call.Arguments[1].data(),
                                               static_cast<qsizetype>(call.Arguments[1].size()));
    QString problem;
    auto rows = Notebook::Read(notebook, &problem);
    if (!rows) {
        call.Err << "tessilar: " << notebook.toStdString() << ": " << problem.toStdString() << '\n';
        return UnreadableNotebook;
    }
    // Only the student's own cells count: speed, radius and charge are worked out afresh.
    Data::RecomputeNotebook(*rows, true);

    // Fonts and the PDF writer need a GUI application, but no display; Qt's own remarks on its
    // surroundings (no runtime folder, for one) are no concern of the command's user.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    int argc = 1;
    char name[] = "tessilar";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (!NotebookReport::Write(pdf, QFileInfo(notebook).completeBaseName(), *rows, true,
                               &problem)) {
        call.Err << "tessilar: " << pdf.toStdString() << ": " << problem.toStdString() << '\n';
        return UnwritableReport;
    }

    const Data::ChargeEstimate estimate = NotebookSummary::Estimate(*rows);
    char line[160];
    if (estimate.used > 0)
        std::snprintf(line, sizeof line, "e = %.4g C +- %.2g C from %d charges", estimate.value,
                      estimate.uncertainty, estimate.used);
    else
        std::snprintf(line, sizeof line, "e = not enough data (%zu charges)",
                      NotebookSummary::Charges(*rows).size());
    call.Out << line << '\n';
    return 0;
}
