#include "ui/ReportPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <numeric>

ReportPages::ReportPages(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
    page_ = painter_.viewport();
    y_ = page_.top();
}

QRect ReportPages::Take(int height, bool* newPage) {
    if (newPage) *newPage = false;
    if (y_ + height > page_.bottom() && y_ > page_.top()) {
        NewPage();
        if (newPage) *newPage = true;
    }
    const QRect band(page_.left(), y_, page_.width(), height);
    y_ += height;
    return band;
}

void ReportPages::NewPage() {
    writer_.newPage();
    y_ = page_.top();
}

void ReportPages::Paragraph(const QString& text) {
    const QRect needed =
        painter_.fontMetrics().boundingRect(QRect(0, 0, Width(), 100000), Qt::TextWordWrap, text);
    painter_.drawText(Take(needed.height()), Qt::TextWordWrap, text);
}

QFont ReportFont(int points, bool bold) {
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

void DrawTable(ReportPages& pages, const ReportTable& table) {
    QPainter& p = pages.Painter();
    const qsizetype columns = table.Titles.size();
    const QFontMetrics bold(ReportFont(8, true), p.device());
    const QFontMetrics plain(ReportFont(8), p.device());
    const int rowHeight = plain.height() * 3 / 2;
    const int pad = plain.averageCharWidth() * 2;
    std::vector<int> needed;
    for (qsizetype c = 0; c < columns; ++c) {
        int widest = 0;
        for (const QString& word : table.Titles[c].split(' '))
            widest = std::max(widest, bold.horizontalAdvance(word));
        for (const QStringList& row : table.Rows)
            widest = std::max(widest, plain.horizontalAdvance(row.value(c)));
        needed.push_back(widest + pad);
    }
    const double total = std::max(1.0, std::accumulate(needed.begin(), needed.end(), 0.0));
    std::vector<int> left = {0};
    for (int w : needed)
        left.push_back(left.back() + static_cast<int>(w * pages.Width() / total));
    const auto cell = [&](const QRect& band, qsizetype i) {
        const auto at = static_cast<std::size_t>(i);
        return QRect(band.left() + left[at], band.top(), left[at + 1] - left[at] - pad / 2,
                     band.height());
    };
    const auto alignment = [&](qsizetype c) {
        return table.Alignments.at(static_cast<std::size_t>(c)) | Qt::AlignVCenter;
    };
    const auto header = [&] {
        p.setFont(ReportFont(8, true));
        const QRect band = pages.Take(bold.height() * 3 + pad);
        for (qsizetype c = 0; c < columns; ++c)
            p.drawText(cell(band, c),
                       (alignment(c) & Qt::AlignHorizontal_Mask) | Qt::AlignBottom |
                           Qt::TextWordWrap,
                       table.Titles[c]);
        p.drawLine(band.bottomLeft(), band.bottomRight());
        p.setFont(ReportFont(8));
    };
    header();
    for (const QStringList& row : table.Rows) {
        bool newPage = false;
        QRect band = pages.Take(rowHeight, &newPage);
        if (newPage) { // the titles again at the top of every page
            pages.Skip(-rowHeight);
            header();
            band = pages.Take(rowHeight);
        }
        for (qsizetype c = 0; c < columns; ++c) {
            const QRect place = cell(band, c);
            p.drawText(place, alignment(c),
                       plain.elidedText(row.value(c), Qt::ElideRight, place.width()));
        }
    }
}

bool WriteReportPdf(const QString& path, const QString& title,
                    const std::function<void(ReportPages&)>& draw, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator("Tessilar");
        ReportPages pages(writer);
        draw(pages);
    }
    pdf.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
