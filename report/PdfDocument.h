#pragma once
// A small PDF writer for the reports: A4 pages of text, lines and filled rectangles in the
// standard Helvetica fonts (not embedded, so every PDF reader has them), the text selectable and
// extractable as Unicode. Characters the standard fonts lack (superscript digits, ⚡) are drawn
// by a Type 3 font of our own. Standard library only: the browser edition writes the same bytes.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace Pdf {

/// The A4 page, points (1/72 inch).
constexpr double PageWidth = 595.276;
constexpr double PageHeight = 841.890;

enum class Weight { Regular, Bold };

/// A colour of 0-255 channels; Alpha below 255 lets what is under it show through.
struct Colour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    int Alpha = 255;
};

/// A moment, as the caller's clock gives it (local time): a report's date is passed in, so the
/// same notebook makes the same bytes.
struct DateTime {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
};

/// The document's information dictionary.
struct DocumentInfo {
    std::string Title; ///< UTF-8
    std::string Creator = "Tessilar";
    std::string Producer = "Tessilar";
    DateTime Created;
};

/// The width of UTF-8 text set at `size` points, in points.
double TextWidth(std::string_view text, Weight weight, double size);

/// The Unicode code points of UTF-8 text; a byte that does not belong is U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

/// A PDF built page by page; coordinates are points from the page's top left corner, y down.
class Document {
public:
    explicit Document(DocumentInfo info);

    /// Starts a new page; the first drawing starts one by itself.
    void NewPage();
    int PageCount() const { return static_cast<int>(pages_.size()); }

    /// Text from (x, baseline).
    void Text(double x, double baseline, std::string_view text, Weight weight, double size,
              Colour colour = {});
    /// A straight line `width` points wide, dashed or whole.
    void Line(double x1, double y1, double x2, double y2, double width, Colour colour = {},
              bool dashed = false);
    void FillRectangle(double x, double y, double width, double height, Colour colour);

    /// The whole file.
    std::string Bytes() const;

private:
    std::string& Content();
    std::string Opacity(int alpha);

    DocumentInfo info_;
    std::vector<std::string> pages_;    ///< each page's content stream
    std::map<int, std::string> alphas_; ///< graphics state names by alpha
};

} // namespace Pdf
