#pragma once
// A report's pages, laid out band by band from the top of A4 within its margins, with the
// paragraphs, the table and the histogram every report shares. Lengths in points, y down.

#include "model/Analysis.h"
#include "model/Extrapolation.h"
#include "report/PdfDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace Report {

/// The height of a line of text at `size` points, points.
double LineHeight(double size);

class PageFlow {
public:
    explicit PageFlow(Pdf::Document& document);
    Pdf::Document& Document() { return document_; }
    double Left() const;
    double Width() const;
    /// The top of a band of `height` at the current place, on a new page when it does not fit
    /// (then `newPage` is set).
    double Take(double height, bool* newPage = nullptr);
    void Skip(double height) { y_ += height; }
    /// Goes on at the top of a new page.
    void NewPage();
    /// A paragraph wrapped to the page at the spaces.
    void Paragraph(std::string_view text, Pdf::Weight weight, double size);

private:
    Pdf::Document& document_;
    double y_;
};

/// Words of `text` in lines no wider than `width` points; a word wider than that has a line of
/// its own.
std::vector<std::string> WrapText(std::string_view text, Pdf::Weight weight, double size,
                                  double width);
/// `text` cut short with "…" to fit `width` points.
std::string Elided(std::string_view text, Pdf::Weight weight, double size, double width);

enum class Align { Left, Centre, Right };

/// A table of text: the titles, each column's alignment and the rows of cells.
struct Table {
    std::vector<std::string> Titles;
    std::vector<Align> Alignments;
    std::vector<std::vector<std::string>> Rows;
};

/// Draws the table across the page, each column as wide as its longest title word or cell with
/// the page shared out in proportion; where that is more than the page, the narrow columns keep
/// their width and the wide ones share the rest (their cells too long for it cut short with "…").
/// The titles again at the top of every page.
void DrawTable(PageFlow& flow, const Table& table);

/// The histogram of `charges` (1e-19 C) with the lines of `estimate`, two fifths of the page's
/// width high, its axis named `axisTitle`.
void DrawHistogram(PageFlow& flow, const std::vector<double>& charges,
                   const Data::ChargeEstimate& estimate, const std::string& axisTitle);

/// The extrapolation plot of `line`, two fifths of the page's width high, its axes named.
void DrawExtrapolation(PageFlow& flow, const Data::ChargeExtrapolation& line,
                       const std::string& xTitle, const std::string& yTitle);

/// "2026-12-08 14:05"
std::string ShownDate(const Pdf::DateTime& moment);

} // namespace Report
