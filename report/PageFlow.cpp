#include "report/PageFlow.h"

#include "assets/Colors.h"
#include "report/ExtrapolationGeometry.h"
#include "report/HistogramGeometry.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Report {

namespace {
constexpr double MillimetrePoints = 72 / 25.4;
constexpr double SideMargin = 18 * MillimetrePoints;
constexpr double TopMargin = 15 * MillimetrePoints;
constexpr double BottomMargin = 15 * MillimetrePoints;
constexpr double Ascent = 0.905;     ///< of the font size, Liberation Sans and Helvetica alike
constexpr double CellPoints = 8;     ///< the tables' text
constexpr double PlotTextPoints = 9; ///< the plots' text
constexpr double HairLine = 0.5;     ///< points
constexpr int UnitsPerPoint = 4;     ///< the histogram's geometry in quarter points
constexpr Pdf::Colour ColourOf(std::uint32_t argb) {
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
            static_cast<int>(argb & 0xFF), static_cast<int>(argb >> 24)};
}
constexpr Pdf::Colour Bars = ColourOf(Palette::Bars);
constexpr Pdf::Colour EstimateLines = ColourOf(Palette::Multiples);
constexpr Pdf::Colour PointColour = ColourOf(Palette::PlotPoints);
constexpr Pdf::Colour LineColour = ColourOf(Palette::FittedLine);

/// The baseline of text `size` points high set at `top`.
double Baseline(double top, double size) {
    return top + Ascent * size;
}

void Aligned(Pdf::Document& pdf, double left, double width, double baseline,
             const std::string& text, Pdf::Weight weight, double size, Align align) {
    const double room = width - Pdf::TextWidth(text, weight, size);
    const double x = align == Align::Left    ? left
                     : align == Align::Right ? left + room
                                             : left + room / 2;
    pdf.Text(x, baseline, text, weight, size);
}
} // namespace

double LineHeight(double size) {
    return 1.15 * size;
}

PageFlow::PageFlow(Pdf::Document& document) : document_(document), y_(TopMargin) {}

double PageFlow::Left() const {
    return SideMargin;
}

double PageFlow::Width() const {
    return Pdf::PageWidth - 2 * SideMargin;
}

double PageFlow::Take(double height, bool* newPage) {
    if (newPage) *newPage = false;
    if (y_ + height > Pdf::PageHeight - BottomMargin && y_ > TopMargin) {
        NewPage();
        if (newPage) *newPage = true;
    }
    if (document_.PageCount() == 0) document_.NewPage();
    const double top = y_;
    y_ += height;
    return top;
}

void PageFlow::NewPage() {
    document_.NewPage();
    y_ = TopMargin;
}

void PageFlow::Paragraph(std::string_view text, Pdf::Weight weight, double size) {
    for (const std::string& line : WrapText(text, weight, size, Width()))
        document_.Text(Left(), Baseline(Take(LineHeight(size)), size), line, weight, size);
}

std::vector<std::string> WrapText(std::string_view text, Pdf::Weight weight, double size,
                                  double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, space - at);
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && Pdf::TextWidth(longer, weight, size) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = longer;
        }
        at = space + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

std::string Elided(std::string_view text, Pdf::Weight weight, double size, double width) {
    if (Pdf::TextWidth(text, weight, size) <= width) return std::string(text);
    std::string kept(text);
    while (!kept.empty() && Pdf::TextWidth(kept + "…", weight, size) > width) {
        unsigned char last = 0;
        do { // the whole of a character: its continuation bytes, then its first
            last = static_cast<unsigned char>(kept.back());
            kept.pop_back();
        } while (!kept.empty() && (last & 0xC0) == 0x80);
    }
    return kept + "…";
}

namespace {

/// Each column's width from the width it needs: the page shared in proportion to the need. When
/// the columns need more than the page, those that need no more than an even share of what the
/// others leave keep what they need, so that short cells (the numbers) stay whole, and the wider
/// ones share the rest in proportion, cut short where they must be.
std::vector<double> ColumnWidths(const std::vector<double>& needed, double width) {
    const double total = std::max(1.0, std::accumulate(needed.begin(), needed.end(), 0.0));
    std::vector<double> widths(needed.size());
    if (total <= width) {
        for (std::size_t c = 0; c < needed.size(); ++c)
            widths[c] = needed[c] * width / total;
        return widths;
    }
    std::vector<bool> kept(needed.size(), false);
    double left = width; // what the columns not kept yet share
    for (bool keptMore = true; keptMore;) {
        keptMore = false;
        const auto open = static_cast<double>(std::count(kept.begin(), kept.end(), false));
        if (open == 0) break;
        const double even = left / open;
        for (std::size_t c = 0; c < needed.size(); ++c) {
            if (kept[c] || needed[c] > even) continue;
            kept[c] = true;
            widths[c] = needed[c];
            left -= needed[c];
            keptMore = true;
        }
    }
    double rest = 0;
    for (std::size_t c = 0; c < needed.size(); ++c)
        if (!kept[c]) rest += needed[c];
    for (std::size_t c = 0; c < needed.size(); ++c)
        if (!kept[c]) widths[c] = needed[c] * left / rest;
    return widths;
}

} // namespace

void DrawTable(PageFlow& flow, const Table& table) {
    using Pdf::Weight;
    Pdf::Document& pdf = flow.Document();
    const std::size_t columns = table.Titles.size();
    const double line = LineHeight(CellPoints);
    const double rowHeight = line * 3 / 2;
    const double pad = Pdf::TextWidth("x", Weight::Regular, CellPoints) * 2;
    std::vector<double> needed;
    for (std::size_t c = 0; c < columns; ++c) {
        double widest = 0;
        for (const std::string& word : WrapText(table.Titles[c], Weight::Bold, CellPoints, 0))
            widest = std::max(widest, Pdf::TextWidth(word, Weight::Bold, CellPoints));
        for (const auto& row : table.Rows)
            if (c < row.size())
                widest = std::max(widest, Pdf::TextWidth(row[c], Weight::Regular, CellPoints));
        needed.push_back(widest + pad);
    }
    std::vector<double> left = {flow.Left()};
    for (double w : ColumnWidths(needed, flow.Width()))
        left.push_back(left.back() + w);
    const auto align = [&](std::size_t c) {
        return c < table.Alignments.size() ? table.Alignments[c] : Align::Left;
    };
    const auto cellWidth = [&](std::size_t c) { return left[c + 1] - left[c] - pad / 2; };
    const auto header = [&] {
        const double height = line * 3 + pad;
        const double top = flow.Take(height);
        for (std::size_t c = 0; c < columns; ++c) {
            // The title's lines stand on the line under the titles.
            const auto lines = WrapText(table.Titles[c], Weight::Bold, CellPoints, cellWidth(c));
            double lineTop = top + height - line * static_cast<double>(lines.size());
            for (const std::string& text : lines) {
                Aligned(pdf, left[c], cellWidth(c), Baseline(lineTop, CellPoints), text,
                        Weight::Bold, CellPoints, align(c));
                lineTop += line;
            }
        }
        pdf.Line(flow.Left(), top + height, flow.Left() + flow.Width(), top + height, HairLine);
    };
    header();
    for (const auto& row : table.Rows) {
        bool newPage = false;
        double top = flow.Take(rowHeight, &newPage);
        if (newPage) { // the titles again at the top of every page
            flow.Skip(-rowHeight);
            header();
            top = flow.Take(rowHeight);
        }
        const double baseline = top + (rowHeight - CellPoints) / 2 + Ascent * CellPoints - 0.5;
        for (std::size_t c = 0; c < columns && c < row.size(); ++c)
            Aligned(pdf, left[c], cellWidth(c), baseline,
                    Elided(row[c], Weight::Regular, CellPoints, cellWidth(c)), Weight::Regular,
                    CellPoints, align(c));
    }
}

namespace {

/// The plots' geometry is laid out in whole units of a quarter point.
int Units(double points) {
    return static_cast<int>(std::lround(points * UnitsPerPoint));
}

double Points(double units) {
    return units / UnitsPerPoint;
}

/// A plot's band across the page, two fifths of its width high, in the plots' units.
UnitRect PlotBand(PageFlow& flow) {
    const double height = flow.Width() * 2 / 5;
    const double top = flow.Take(height);
    return {Units(flow.Left()), Units(top), Units(flow.Width()), Units(height)};
}

/// The text of the plots set in a box: at its top, or (`middle`) centred on its height.
void PlotText(Pdf::Document& pdf, const UnitRect& box, const std::string& text, Align align,
              bool middle = false) {
    const double baseline = middle
                                ? Points(box.Top) + Points(box.Height) / 2 + 0.35 * PlotTextPoints
                                : Baseline(Points(box.Top), PlotTextPoints);
    Aligned(pdf, Points(box.Left), Points(box.Width), baseline, text, Pdf::Weight::Regular,
            PlotTextPoints, align);
}

/// The axes along the plot's bottom and left edges, with the ticks below the one across.
void PlotAxes(Pdf::Document& pdf, const UnitRect& plot, const std::vector<int>& ticks,
              int tickLength) {
    const double bottom = Points(plot.Bottom()), left = Points(plot.Left);
    pdf.Line(left, bottom, Points(plot.Right()), bottom, HairLine);
    pdf.Line(left, bottom, left, Points(plot.Top), HairLine);
    for (int x : ticks)
        pdf.Line(Points(x), bottom, Points(x), bottom + Points(tickLength), HairLine);
}

} // namespace

void DrawHistogram(PageFlow& flow, const std::vector<double>& charges,
                   const Data::ChargeEstimate& estimate, const std::string& axisTitle) {
    Pdf::Document& pdf = flow.Document();
    const HistogramGeometry g = LayOutHistogram(
        PlotBand(flow), Units(LineHeight(PlotTextPoints)),
        Units(Pdf::TextWidth("000", Pdf::Weight::Regular, PlotTextPoints)), charges, estimate);
    if (!g.Drawn) return;
    for (const Bar& bar : g.Bars)
        pdf.FillRectangle(Points(bar.Left), Points(bar.Top), Points(bar.Right - bar.Left),
                          Points(bar.Bottom - bar.Top), Bars);
    for (double x : g.EstimateLines)
        pdf.Line(Points(x), Points(g.Plot.Top), Points(x), Points(g.Plot.Bottom()), HairLine,
                 EstimateLines, true);
    PlotAxes(pdf, g.Plot, g.TickXs, g.TickLength);
    for (const Label& label : g.ChargeLabels)
        PlotText(pdf, label.Box, label.Text, Align::Centre);
    for (const Label& label : g.CountLabels)
        PlotText(pdf, label.Box, label.Text, Align::Right, true);
    PlotText(pdf, g.AxisTitle, axisTitle, Align::Centre);
}

void DrawExtrapolation(PageFlow& flow, const Data::ChargeExtrapolation& line,
                       const std::string& xTitle, const std::string& yTitle) {
    Pdf::Document& pdf = flow.Document();
    const ExtrapolationGeometry g = LayOutExtrapolation(
        PlotBand(flow), Units(LineHeight(PlotTextPoints)),
        Units(Pdf::TextWidth("0.00", Pdf::Weight::Regular, PlotTextPoints)), line);
    if (!g.Drawn) return;
    PlotAxes(pdf, g.Plot, g.TickXs, g.TickLength);
    const double left = Points(g.Plot.Left);
    for (int y : g.TickYs)
        pdf.Line(left - Points(g.TickLength), Points(y), left, Points(y), HairLine);
    pdf.Line(Points(g.LineFrom.X), Points(g.LineFrom.Y), Points(g.LineTo.X), Points(g.LineTo.Y),
             2 * HairLine, LineColour);
    const double size = Points(g.PointSize);
    for (const PlotPlace& p : g.Points)
        pdf.FillRectangle(Points(p.X) - size / 2, Points(p.Y) - size / 2, size, size, PointColour);
    for (const Label& label : g.XLabels)
        PlotText(pdf, label.Box, label.Text, Align::Centre);
    for (const Label& label : g.YLabels)
        PlotText(pdf, label.Box, label.Text, Align::Right, true);
    PlotText(pdf, g.XTitle, xTitle, Align::Centre);
    PlotText(pdf, g.YTitle, yTitle, Align::Left);
}

std::string ShownDate(const Pdf::DateTime& t) {
    const auto two = [](int v) {
        v = std::clamp(v, 0, 99);
        return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
    };
    return std::to_string(t.Year) + "-" + two(t.Month) + "-" + two(t.Day) + " " + two(t.Hour) +
           ":" + two(t.Minute);
}

} // namespace Report
