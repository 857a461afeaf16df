#include "ui/ClassReport.h"

#include "catalogue/TextCatalogue.h"
#include "model/FieldParsing.h"
#include "ui/ChargeHistogram.h"
#include "ui/NotebookReport.h"
#include "ui/NotebookSummary.h"
#include "ui/ReportPages.h"

#include <QDateTime>

namespace ClassReport {

namespace {

constexpr double Unit = 1e-19; ///< C per unit of the table's estimates

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
}

QString Fixed(double value, int decimals) {
    return QString::fromStdString(Data::FormatFixed(value, 0, decimals));
}

QString MarkText(Data::StudentMark mark) {
    switch (mark) {
    case Data::StudentMark::FarFromClass:
        return "! " + Text(728).arg(Data::FarFromClassPercent);
    case Data::StudentMark::TooFewCharges:
        return "! " + Text(729);
    case Data::StudentMark::None:
        break;
    }
    return {};
}

/// The table of the students: identifier, droplets, charges, own estimate, its deviation from
/// the class's and the mark.
ReportTable StudentTable(const Data::ClassResults& results) {
    ReportTable table;
    table.Titles = {Text(722), Text(723), Text(724), Text(725), Text(726), Text(727)};
    table.Alignments = {Qt::AlignLeft,  Qt::AlignRight, Qt::AlignRight,
                        Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
    for (const Data::StudentResult& student : results.Students) {
        const Data::ChargeEstimate& e = student.Estimate;
        table.Rows.push_back(
            {QString::fromStdString(student.Identifier), QString::number(student.Droplets),
             QString::number(student.Charges),
             e.used > 0 ? Fixed(e.value / Unit, 3) + " ± " + Fixed(e.uncertainty / Unit, 3) : "–",
             student.Deviation ? NotebookSummary::SignedPercent(*student.Deviation) + " %" : "–",
             MarkText(student.Mark)});
    }
    return table;
}

void DrawFirstPage(ReportPages& pages, const Data::ClassResults& results,
                   const std::vector<LeftOut>& leftOut) {
    QPainter& p = pages.Painter();
    p.setFont(ReportFont(16, true));
    pages.Paragraph(Text(720));
    p.setFont(ReportFont(10));
    pages.Paragraph(Text(528).arg(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm")));
    pages.Paragraph(Text(721).arg(results.Students.size()).arg(results.Charges.size()));
    pages.Skip(p.fontMetrics().height());

    p.setFont(ReportFont(9));
    const QRect plot = pages.Take(pages.Width() * 2 / 5);
    DrawChargeHistogram(p, plot, results.Charges, results.Estimate, Text(510));
    pages.Skip(p.fontMetrics().height());
    p.setFont(ReportFont(11, true));
    pages.Paragraph(NotebookSummary::EstimateSentence(results.Estimate));
    pages.Skip(p.fontMetrics().height());

    DrawTable(pages, StudentTable(results));
    if (!leftOut.empty()) {
        p.setFont(ReportFont(10));
        pages.Skip(p.fontMetrics().height());
        pages.Paragraph(Text(730));
        p.setFont(ReportFont(8));
        for (const LeftOut& notebook : leftOut)
            pages.Paragraph(notebook.Name + " – " + notebook.Reason);
    }
}

} // namespace

bool Write(const QString& pdfPath, const Data::ClassResults& results,
           const std::vector<Data::StudentNotebook>& notebooks, const std::vector<LeftOut>& leftOut,
           QString* error) {
    const auto draw = [&](ReportPages& pages) {
        DrawFirstPage(pages, results, leftOut);
        for (const Data::StudentNotebook& notebook : notebooks) {
            pages.NewPage();
            NotebookReport::Draw(pages, QString::fromStdString(notebook.Identifier), notebook.Rows,
                                 true);
        }
    };
    return WriteReportPdf(pdfPath, Text(720), draw, error);
}

} // namespace ClassReport
