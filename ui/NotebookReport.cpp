#include "ui/NotebookReport.h"

#include "catalogue/TextCatalogue.h"
#include "ui/ChargeHistogram.h"
#include "ui/NotebookSummary.h"
#include "ui/NotebookTableModel.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace NotebookReport {

namespace {

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
}

/// Lays the report out page by page, top to bottom.
class Layout {
public:
    explicit Layout(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
        page_ = painter_.viewport();
        y_ = page_.top();
    }
    QPainter& Painter() { return painter_; }
    int Width() const { return page_.width(); }
    int Left() const { return page_.left(); }
    /// A band of `height` at the current place, on a new page when it does not fit (then
    /// `newPage` is set).
    QRect Take(int height, bool* newPage = nullptr) {
        if (newPage) *newPage = false;
        if (y_ + height > page_.bottom() && y_ > page_.top()) {
            writer_.newPage();
            y_ = page_.top();
            if (newPage) *newPage = true;
        }
        const QRect band(page_.left(), y_, page_.width(), height);
        y_ += height;
        return band;
    }
    void Skip(int height) { y_ += height; }
    /// A paragraph of text in the current font, wrapped to the page.
    void Paragraph(const QString& text) {
        const QRect needed = painter_.fontMetrics().boundingRect(QRect(0, 0, Width(), 100000),
                                                                 Qt::TextWordWrap, text);
        painter_.drawText(Take(needed.height()), Qt::TextWordWrap, text);
    }

private:
    QPdfWriter& writer_;
    QPainter painter_;
    QRect page_;
    int y_ = 0;
};

QFont Font(int points, bool bold = false) {
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

void DrawTable(Layout& layout, const std::vector<Data::NotebookRow>& rows, bool calculations) {
    QPainter& p = layout.Painter();
    std::vector<int> columns;
    for (int c = 0; c < NotebookTableModel::ColumnCount; ++c)
        if (calculations ||
            (c != NotebookTableModel::RadiusColumn && c != NotebookTableModel::ChargeColumn))
            columns.push_back(c);
    const QStringList titles = NotebookTableModel::Titles();
    const QStringList directions = NotebookTableModel::Directions();
    // Each column as wide as its longest title word or cell, the page shared out in proportion.
    p.setFont(Font(8));
    const int rowHeight = p.fontMetrics().height() * 3 / 2;
    const int pad = p.fontMetrics().averageCharWidth() * 2;
    const int numberWidth = p.fontMetrics().horizontalAdvance("000 ⚡") + pad;
    std::vector<int> needed;
    QFont boldFont = Font(8, true);
    const QFontMetrics bold(boldFont, layout.Painter().device());
    const QFontMetrics plain(Font(8), layout.Painter().device());
    for (int c : columns) {
        int widest = 0;
        for (const QString& word : titles.value(c).split(' '))
            widest = std::max(widest, bold.horizontalAdvance(word));
        for (const Data::NotebookRow& row : rows)
            widest = std::max(
                widest, plain.horizontalAdvance(NotebookTableModel::CellText(row, c, directions)));
        needed.push_back(widest + pad);
    }
    const double total = std::accumulate(needed.begin(), needed.end(), 0.0);
    std::vector<int> left = {numberWidth};
    for (int w : needed)
        left.push_back(left.back() + static_cast<int>(w * (layout.Width() - numberWidth) / total));
    const auto cell = [&](const QRect& band, std::size_t i) {
        return QRect(band.left() + left[i], band.top(), left[i + 1] - left[i] - pad / 2,
                     band.height());
    };
    const auto header = [&] {
        p.setFont(Font(8, true));
        const int titleHeight = p.fontMetrics().height() * 3 + pad;
        const QRect band = layout.Take(titleHeight);
        for (std::size_t i = 0; i < columns.size(); ++i)
            p.drawText(cell(band, i), Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap,
                       titles.value(columns[i]));
        p.drawLine(band.bottomLeft(), band.bottomRight());
        p.setFont(Font(8));
    };
    header();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        bool newPage = false;
        QRect band = layout.Take(rowHeight, &newPage);
        if (newPage) { // the titles again at the top of every page
            layout.Skip(-rowHeight);
            header();
            band = layout.Take(rowHeight);
        }
        p.drawText(QRect(band.left(), band.top(), numberWidth - pad / 2, band.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   NotebookTableModel::RowLabel(static_cast<int>(r), rows[r].AfterBurst));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            p.drawText(
                cell(band, i),
                (c == NotebookTableModel::DirectionColumn ? Qt::AlignHCenter : Qt::AlignRight) |
                    Qt::AlignVCenter,
                NotebookTableModel::CellText(rows[r], c, directions));
        }
    }
}

} // namespace

bool Write(const QString& pdfPath, const QString& name, const std::vector<Data::NotebookRow>& rows,
           bool calculations, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(Text(526) + " – " + name);
        writer.setCreator("Tessilar");
        Layout layout(writer);
        QPainter& p = layout.Painter();

        p.setFont(Font(16, true));
        layout.Paragraph(Text(526));
        p.setFont(Font(10));
        layout.Paragraph(Text(527).arg(name));
        layout.Paragraph(Text(528).arg(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm")));
        layout.Skip(p.fontMetrics().height());

        DrawTable(layout, rows, calculations);
        if (std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.AfterBurst; })) {
            p.setFont(Font(8));
            layout.Paragraph("⚡ " + Text(530));
        }

        if (calculations) {
            layout.Skip(p.fontMetrics().height());
            const Data::ChargeEstimate estimate = NotebookSummary::Estimate(rows);
            p.setFont(Font(9));
            const QRect plot = layout.Take(layout.Width() * 2 / 5);
            DrawChargeHistogram(p, plot, NotebookSummary::Charges(rows), estimate, Text(510));
            layout.Skip(p.fontMetrics().height());
            p.setFont(Font(11, true));
            layout.Paragraph(NotebookSummary::EstimateSentence(estimate));
        }
    }
    pdf.close();
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace NotebookReport
