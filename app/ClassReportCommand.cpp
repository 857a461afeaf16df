#include "app/ClassReportCommand.h"

#include "app/HeadlessReport.h"
#include "lab/ClassCode.h"
#include "model/AnswerKey.h"
#include "model/ClassResults.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookFile.h"
#include "notebook/NotebookReasons.h"
#include "report/Reports.h"
#include "ui/ReportFile.h"

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

/// "; chamber: 5 of 6 rows, charges right: 3 of 4", "; chamber: not assessed", and
/// "; copy of bela" after either for a copy.
std::string KeyLine(const Data::NotebookKey& key) {
    std::string text = "; chamber: ";
    if (key.Assessed == 0)
        text += "not assessed";
    else
        text += std::to_string(key.Consistent) + " of " + Counted(key.Assessed, "row") +
                ", charges right: " + std::to_string(key.RightCharges) + " of " +
                std::to_string(key.Charges);
    if (!key.CopyOf.empty()) text += "; copy of " + key.CopyOf;
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
    // The class code of the answer key may stand anywhere among the notebooks.
    std::optional<std::string> code;
    std::vector<std::string_view> arguments;
    for (std::size_t a = 1; a < call.Arguments.size(); ++a) {
        if (call.Arguments[a] != "--class-code") {
            arguments.push_back(call.Arguments[a]);
            continue;
        }
        if (code || a + 1 >= call.Arguments.size()) {
            call.Err << "tessilar: --class-code needs one CODE after it\n"
                        "Try 'tessilar --help' for the options.\n";
            return UnreadableNotebook;
        }
        code = std::string(call.Arguments[++a]);
        if (const auto fault = Lab::ClassCodeFaultOf(*code)) {
            call.Err << "tessilar: the class code cannot be used: " << Lab::Describe(*fault)
                     << '\n';
            return UnreadableNotebook;
        }
    }
    std::vector<Data::StudentNotebook> notebooks;
    std::vector<Report::LeftOut> leftOut;
    const auto leaveOut = [&](const QString& name, const QString& reason) {
        call.Err << "tessilar: " << name.toStdString() << ": " << reason.toStdString() << '\n';
        leftOut.push_back({name.toStdString(), reason.toStdString()});
    };
    for (const std::string_view name : arguments) {
        const QString argument = ArgumentPath(name);
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
    std::optional<Data::ClassKey> key;
    if (code) key = Data::ClassKey{*code, Data::AssessClass(*code, notebooks)};
    QString problem;
    if (!WriteReportFile(pdf,
                         Report::ClassReportPdf(results, notebooks, leftOut, ReportMoment(),
                                                key ? &*key : nullptr),
                         &problem)) {
        call.Err << "tessilar: " << pdf.toStdString() << ": " << problem.toStdString() << '\n';
        return UnwritableReport;
    }
    call.Out << EstimateLine(results.Estimate, results.Charges.size(),
                             " of " + Counted(results.Students.size(), "student"))
             << '\n';
    for (std::size_t s = 0; s < results.Students.size(); ++s)
        call.Out << StudentLine(results.Students[s]) << (key ? KeyLine(key->Notebooks[s]) : "")
                 << '\n';
    return leftOut.empty() ? 0 : UnreadableNotebook;
}
