#include "ui/NotebookReport.h"

#include "catalogue/TextCatalogue.h"
#include "model/ClassResults.h"
#include "ui/ChargeHistogram.h"
#include "ui/NotebookSummary.h"
#include "ui/NotebookTableModel.h"

#include <QDateTime>
#include <QPainter>
#include <algorithm>

namespace NotebookReport {

namespace {

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
}

/// The notebook's table: the row labels, then every column the report shows.
ReportTable Table(const std::vector<Data::NotebookRow>& rows, bool calculations) {
    std::vector<int> columns;
    for (int c = 0; c < NotebookTableModel::ColumnCount; ++c)
        if (calculations ||
            (c != NotebookTableModel::RadiusColumn && c != NotebookTableModel::ChargeColumn))
            columns.push_back(c);
    const QStringList titles = NotebookTableModel::Titles();
    const QStringList directions = NotebookTableModel::Directions();
    ReportTable table;
    table.Titles.append(QString());
    table.Alignments.push_back(Qt::AlignRight);
    for (int c : columns) {
        table.Titles.append(titles.value(c));
        table.Alignments.push_back(c == NotebookTableModel::DirectionColumn ? Qt::AlignHCenter
                                                                            : Qt::AlignRight);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QStringList cells = {NotebookTableModel::RowLabel(static_cast<int>(r), rows[r].AfterBurst)};
        for (int c : columns)
            cells.append(NotebookTableModel::CellText(rows[r], c, directions));
        table.Rows.push_back(cells);
    }
    return table;
}

} // namespace

QString Title(const QString& name) {
    return Text(526) + " – " + name;
}

void Draw(ReportPages& pages, const QString& name, const std::vector<Data::NotebookRow>& rows,
          bool calculations) {
    QPainter& p = pages.Painter();
    p.setFont(ReportFont(16, true));
    pages.Paragraph(Text(526));
    p.setFont(ReportFont(10));
    pages.Paragraph(Text(527).arg(name));
    pages.Paragraph(Text(528).arg(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm")));
    pages.Skip(p.fontMetrics().height());

    DrawTable(pages, Table(rows, calculations));
    if (std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.AfterBurst; })) {
        p.setFont(ReportFont(8));
        pages.Paragraph("⚡ " + Text(530));
    }

    if (calculations) {
        pages.Skip(p.fontMetrics().height());
        const Data::ChargeEstimate estimate = Data::NotebookEstimate(rows);
        p.setFont(ReportFont(9));
        const QRect plot = pages.Take(pages.Width() * 2 / 5);
        DrawChargeHistogram(p, plot, Data::NotebookCharges(rows), estimate, Text(510));
        pages.Skip(p.fontMetrics().height());
        p.setFont(ReportFont(11, true));
        pages.Paragraph(NotebookSummary::EstimateSentence(estimate));
    }
}

bool Write(const QString& pdfPath, const QString& name, const std::vector<Data::NotebookRow>& rows,
           bool calculations, QString* error) {
    return WriteReportPdf(
        pdfPath, Title(name), [&](ReportPages& pages) { Draw(pages, name, rows, calculations); },
        error);
}

} // namespace NotebookReport
