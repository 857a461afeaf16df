#include "app/ClassReportCommand.h"

#include "app/HeadlessReport.h"
#include "model/ClassResults.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookFile.h"
#include "notebook/NotebookReasons.h"
#include "ui/ClassReport.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

/// The notebook files an argument names: the file itself, or a folder's .csv files (any letter
/// case) in name order without those the store set aside as damaged. Empty for a folder without
/// any.
QStringList NotebookFiles(const QString& argument) {
    const QFileInfo info(argument);
    if (!info.isDir()) return {argument};
    QStringList files;
    const QDir folder(argument);
    // Unreadable files too: each is named with its reason rather than passed over in silence.
    const QFileInfoList entries =
        folder.entryInfoList({"*.csv"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (!Notebook::IsSetAside(entry.fileName().toStdString()))
            files.append(folder.filePath(entry.fileName()));
    return files;
}

/// "anna: 6 droplets, 6 charges, e = 1.603e-19 C +- 1.2e-21 C, +0.4 % from the class's".
std::string StudentLine(const Data::StudentResult& student) {
    std::string text = student.Identifier + ": " +
                       Counted(static_cast<std::size_t>(student.Droplets), "droplet") + ", " +
                       Counted(static_cast<std::size_t>(student.Charges), "charge") + ", ";
    char line[200];
    if (student.Mark == Data::StudentMark::TooFewCharges)
        return text + "too few charges for an estimate";
    std::snprintf(line, sizeof line, "e = %.4g C +- %.2g C", student.Estimate.value,
                  student.Estimate.uncertainty);
    text += line;
    if (student.Deviation) {
        std::snprintf(line, sizeof line, ", %+.1f %% from the class's", *student.Deviation);
        text += line;
    }
    if (student.Mark == Data::StudentMark::FarFromClass) {
        std::snprintf(line, sizeof line, " (more than %g %% off)", Data::FarFromClassPercent);
        text += line;
    }
    return text;
}

} // namespace

int WriteClassReportCommand(const OptionCall& call) {
    const QString pdf = ArgumentPath(call.Arguments[0]);
    // A forgotten CLASS.pdf would make the first notebook the report and write over it.
    if (pdf.endsWith(".csv", Qt::CaseInsensitive)) {
        call.Err << "tessilar: --class-report writes CLASS.pdf first, not a notebook: "
                 << pdf.toStdString() << "\nTry 'tessilar --help' for the options.\n";
        return UnreadableNotebook;
    }
    std::vector<Data::StudentNotebook> notebooks;
    std::vector<ClassReport::LeftOut> leftOut;
    const auto leaveOut = [&](const QString& name, const QString& reason) {
        call.Err << "tessilar: " << name.toStdString() << ": " << reason.toStdString() << '\n';
        leftOut.push_back({name, reason});
    };
    for (std::size_t a = 1; a < call.Arguments.size(); ++a) {
        const QString argument = ArgumentPath(call.Arguments[a]);
        const QStringList files = NotebookFiles(argument);
        if (files.isEmpty())
            leaveOut(argument,
                     QString::fromStdString(Notebook::Describe(Notebook::FileFault::NoNotebooks)));
        for (const QString& file : files) {
            QString problem;
            auto rows = Notebook::Read(file, &problem);
            if (!rows) {
                leaveOut(file, problem);
                continue;
            }
            notebooks.push_back(
                Notebook::StudentFrom(QFileInfo(file).fileName().toStdString(), std::move(*rows)));
        }
    }
    if (notebooks.empty()) return NoNotebookRead;

    const Data::ClassResults results = Data::PoolClass(notebooks);
    const auto application = StartHeadless();
    QString problem;
    if (!ClassReport::Write(pdf, results, notebooks, leftOut, &problem)) {
        call.Err << "tessilar: " << pdf.toStdString() << ": " << problem.toStdString() << '\n';
        return UnwritableReport;
    }
    call.Out << EstimateLine(results.Estimate, results.Charges.size(),
                             " of " + Counted(results.Students.size(), "student"))
             << '\n';
    for (const Data::StudentResult& student : results.Students)
        call.Out << StudentLine(student) << '\n';
    return leftOut.empty() ? 0 : UnreadableNotebook;
}
