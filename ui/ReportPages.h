#pragma once
// The pages of a PDF report: A4 at 300 dots per inch, laid out band by band from the top, with
// the fonts and the table every report shares. A report is written in one step, so it is either
// whole or not there.

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPdfWriter;

/// Lays a report out page by page, top to bottom.
class ReportPages {
public:
    explicit ReportPages(QPdfWriter& writer);
    QPainter& Painter() { return painter_; }
    int Width() const { return page_.width(); }
    /// A band of `height` at the current place, on a new page when it does not fit (then
    /// `newPage` is set).
    QRect Take(int height, bool* newPage = nullptr);
    void Skip(int height) { y_ += height; }
    /// Goes on at the top of a new page.
    void NewPage();
    /// A paragraph of text in the current font, wrapped to the page.
    void Paragraph(const QString& text);

private:
    QPdfWriter& writer_;
    QPainter painter_;
    QRect page_;
    int y_ = 0;
};

/// The reports' typeface at `points`.
QFont ReportFont(int points, bool bold = false);

/// A table of text: the titles, each column's horizontal alignment and the rows of cells.
struct ReportTable {
    QStringList Titles;
    std::vector<Qt::Alignment> Alignments;
    std::vector<QStringList> Rows;
};

/// Draws the table across the page, each column as wide as its longest title word or cell with
/// the page shared out in proportion (cells too long for their share are cut short with "…"),
/// the titles again at the top of every page.
void DrawTable(ReportPages& pages, const ReportTable& table);

/// Writes the PDF that `draw` lays out to `path` in one step; false, with the reason in `error`
/// and no file written, when it cannot be written.
bool WriteReportPdf(const QString& path, const QString& title,
                    const std::function<void(ReportPages&)>& draw, QString* error);
