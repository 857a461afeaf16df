// Bitmap drawing: boxes without their right and bottom edges, lines without their end point,
// counter-clockwise arcs, filled ellipses and unsmoothed text, every pixel in a pure colour.
#include "tests/ui/PixelChecks.h"
#include "ui/layer/Canvas.h"
#include "ui/layer/Fonts.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>

using namespace PixelChecks;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

/// The pixels that differ from the background.
PixelSet Drawn(const QImage& image, QRgb background) {
    PixelSet drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) drawn.insert({x, y});
    return drawn;
}

struct BoxCase {
    const char* name;
    int left, top, right, bottom; // as passed to FillRect
    int l, t, r, b;               // the pixels expected filled: [l, r) x [t, b)
};

constexpr int Side = 10;

const BoxCase BoxCases[] = {
    {"inside", 2, 3, 6, 7, 2, 3, 6, 7},
    {"one pixel", 4, 4, 5, 5, 4, 4, 5, 5},
    {"negative corner", -5, -5, 3, 2, 0, 0, 3, 2},
    {"over the far edges", 8, 7, 20, 20, 8, 7, Side, Side},
    {"exactly the bitmap", 0, 0, Side, Side, 0, 0, Side, Side},
    {"larger than the bitmap", -10, -10, 30, 30, 0, 0, Side, Side},
    {"extreme coordinates", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, Side, Side},
    {"empty width", 5, 2, 5, 8, 0, 0, 0, 0},
    {"reversed box", 6, 6, 2, 2, 0, 0, 0, 0},
    {"left of the bitmap", -8, 2, 0, 6, 0, 0, 0, 0},
    {"below the bitmap", 2, Side, 6, Side + 4, 0, 0, 0, 0},
};

} // namespace

TEST(CanvasFillRect, FillsTheBoxWithoutItsRightAndBottomEdgesClippedToTheBitmap) {
    for (const BoxCase& c : BoxCases) {
        SCOPED_TRACE(c.name);
        QImage image = Blank(Side, Side, White);
        TCanvas canvas(image);
        canvas.BrushColor = QColor(Teal);
        canvas.FillRect(c.left, c.top, c.right, c.bottom);
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const bool inside = x >= c.l && x < c.r && y >= c.t && y < c.b;
                ASSERT_EQ(image.pixel(x, y), inside ? Teal : White) << "pixel " << x << "," << y;
            }
    }
}

namespace {

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
};

const LineCase LineCases[] = {
    {"horizontal right", 2, 5, 9, 5}, {"horizontal left", 9, 5, 2, 5},
    {"vertical down", 4, 1, 4, 8},    {"vertical up", 4, 8, 4, 1},
    {"diagonal", 1, 1, 6, 6},         {"anti-diagonal", 7, 1, 2, 6},
    {"steep", 3, 1, 5, 12},           {"steep backwards", 10, 14, 8, 2},
    {"shallow", 1, 3, 13, 6},         {"shallow backwards", 14, 9, 0, 4},
    {"two pixels right", 5, 5, 6, 5}, {"knight's move", 5, 5, 6, 7},
};

} // namespace

TEST(CanvasLineTo, DrawsOnePixelPerStepAlongTheLineWithoutItsEndPoint) {
    for (const LineCase& c : LineCases) {
        SCOPED_TRACE(c.name);
        QImage image = Blank(16, 16, White);
        TCanvas canvas(image); // the default pen: one black pixel
        canvas.MoveTo(c.x0, c.y0);
        canvas.LineTo(c.x1, c.y1);

        const PixelSet drawn = Drawn(image, White);
        EXPECT_EQ(canvas.PenPos(), QPoint(c.x1, c.y1));
        EXPECT_EQ(Colours(image), (std::set<QRgb>{White, Black}));
        EXPECT_TRUE(drawn.count({c.x0, c.y0})) << "start point missing";
        EXPECT_FALSE(drawn.count({c.x1, c.y1})) << "end point drawn";

        // One pixel at every step along the longer axis, start included and end excluded, each
        // within half a pixel of the ideal line.
        const int dx = c.x1 - c.x0, dy = c.y1 - c.y0;
        const bool steep = std::abs(dy) > std::abs(dx);
        const int steps = std::max(std::abs(dx), std::abs(dy));
        ASSERT_EQ(static_cast<int>(drawn.size()), steps);
        for (const auto& [x, y] : drawn) {
            const int along =
                steep ? (y - c.y0) * (dy > 0 ? 1 : -1) : (x - c.x0) * (dx > 0 ? 1 : -1);
            EXPECT_GE(along, 0);
            EXPECT_LT(along, steps);
            const double ideal =
                steep ? c.x0 + dx * double(y - c.y0) / dy : c.y0 + dy * double(x - c.x0) / dx;
            EXPECT_LE(std::abs((steep ? x : y) - ideal), 0.5) << "pixel " << x << "," << y;
        }
    }
}

TEST(CanvasLineTo, ZeroLengthLineDrawsNothing) {
    QImage image = Blank(8, 8, White);
    TCanvas canvas(image);
    canvas.MoveTo(3, 4);
    canvas.LineTo(3, 4);
    EXPECT_TRUE(Drawn(image, White).empty());
    EXPECT_EQ(canvas.PenPos(), QPoint(3, 4));
}

TEST(CanvasLineTo, SuccessiveLinesContinueFromTheLastEndPoint) {
    // A closed outline: each corner is drawn by the line that starts there.
    QImage image = Blank(8, 8, White);
    TCanvas canvas(image);
    canvas.PenColor = QColor(Navy);
    canvas.MoveTo(1, 1);
    for (QPoint p : {QPoint(5, 1), QPoint(5, 5), QPoint(1, 5), QPoint(1, 1)})
        canvas.LineTo(p.x(), p.y());
    PixelSet expected;
    for (int i = 1; i <= 5; ++i)
        expected.insert({{i, 1}, {i, 5}, {1, i}, {5, i}});
    EXPECT_EQ(Drawn(image, White), expected);
    EXPECT_EQ(Count(image, Navy), 16);
}

TEST(CanvasLineTo, LinesLeavingTheBitmapAreClipped) {
    QImage image = Blank(10, 10, White);
    TCanvas canvas(image);
    canvas.MoveTo(-6, 3);
    canvas.LineTo(25, 3);
    canvas.MoveTo(-4, -4);
    canvas.LineTo(-1, 20); // wholly outside
    PixelSet row;
    for (int x = 0; x < 10; ++x)
        row.insert({x, 3});
    EXPECT_EQ(Drawn(image, White), row);
    EXPECT_EQ(canvas.PenPos(), QPoint(-1, 20));
}

namespace {

// The voltmeter's dial: an ellipse box wider than the bitmap, cut at its sides and bottom.
constexpr int DialWidth = 145, DialHeight = 105;

QImage DialArc(int x3, int y3, int x4, int y4) {
    QImage image = Blank(DialWidth, DialHeight, White);
    TCanvas canvas(image);
    canvas.Arc(-14, 10, 159, 105, x3, y3, x4, y4);
    return image;
}

bool ColumnHasInk(const QImage& image, int x, int top, int bottom) {
    return Count(image, Black, x, top, x + 1, bottom) > 0;
}

} // namespace

TEST(CanvasArc, RunsCounterClockwiseFromStartToEndDirection) {
    // From the upper right corner of the box to the upper left: the top of the ellipse.
    const QImage upper = DialArc(159, 10, -14, 10);
    EXPECT_EQ(Colours(upper), (std::set<QRgb>{White, Black}));
    for (int x = 40; x < 105; ++x)
        EXPECT_TRUE(ColumnHasInk(upper, x, 10, 20)) << "column " << x;
    EXPECT_EQ(Count(upper, Black, 0, 0, DialWidth, 10), 0) << "above the box";
    EXPECT_EQ(Count(upper, Black, 0, 30, DialWidth, DialHeight), 0) << "sides or lower half";

    // Swapped: from the upper left round the bottom to the upper right.
    const QImage lower = DialArc(-14, 10, 159, 10);
    EXPECT_EQ(Count(lower, Black, 40, 0, 105, 20), 0) << "top middle";
    EXPECT_GT(Count(lower, Black, 0, 58, DialWidth, DialHeight), 0) << "lower half";
    EXPECT_TRUE(ColumnHasInk(lower, 72, 100, DialHeight)) << "bottom middle";
    EXPECT_TRUE(ColumnHasInk(lower, 0, 30, 58)) << "left side";
    EXPECT_TRUE(ColumnHasInk(lower, DialWidth - 1, 30, 58)) << "right side";
}

TEST(CanvasArc, AnArcAndItsSwappedArcMakeTheWholeEllipse) {
    const PixelSet upper = Drawn(DialArc(159, 10, -14, 10), White);
    const PixelSet lower = Drawn(DialArc(-14, 10, 159, 10), White);
    const PixelSet whole = Drawn(DialArc(159, 10, 159, 10), White); // equal directions
    PixelSet joined = upper;
    joined.insert(lower.begin(), lower.end());
    EXPECT_EQ(joined, whole);
    // They meet only at their two ends.
    int shared = 0;
    for (const auto& p : upper)
        shared += lower.count(p) ? 1 : 0;
    EXPECT_LE(shared, 4);
    EXPECT_GT(upper.size(), 100u);
}

TEST(CanvasEllipse, FillsWithTheBrushAndOutlinesWithThePenInsideItsBox) {
    QImage image = Blank(100, 100, White);
    TCanvas canvas(image);
    canvas.BrushColor = QColor(Teal);
    canvas.PenColor = QColor(Black);
    canvas.Ellipse(67, 73, 77, 83);

    EXPECT_EQ(Colours(image), (std::set<QRgb>{White, Teal, Black}));
    const PixelSet drawn = Drawn(image, White);
    int minX = 100, maxX = -1, minY = 100, maxY = -1;
    for (const auto& [x, y] : drawn) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX, 67);
    EXPECT_EQ(maxX, 76);
    EXPECT_EQ(minY, 73);
    EXPECT_EQ(maxY, 82);
    // A disc of radius 5: about 25π pixels, corners of the box left out, symmetric in both axes.
    EXPECT_NEAR(static_cast<double>(drawn.size()), 78.5, 10.0);
    for (QPoint corner : {QPoint(67, 73), QPoint(76, 73), QPoint(67, 82), QPoint(76, 82)})
        EXPECT_EQ(image.pixel(corner), White);
    for (const auto& [x, y] : drawn)
        EXPECT_TRUE(drawn.count({67 + 76 - x, y}) && drawn.count({x, 73 + 82 - y}));
    // Outlined: each row begins and ends in the pen colour; the centre is the brush's.
    for (int y = 73; y <= 82; ++y) {
        int first = -1, last = -1;
        for (int x = 67; x <= 76; ++x)
            if (image.pixel(x, y) != White) {
                if (first < 0) first = x;
                last = x;
            }
        ASSERT_GE(first, 0) << "row " << y;
        EXPECT_EQ(image.pixel(first, y), Black);
        EXPECT_EQ(image.pixel(last, y), Black);
    }
    for (int y = 76; y <= 79; ++y)
        for (int x = 70; x <= 73; ++x)
            EXPECT_EQ(image.pixel(x, y), Teal);
}

TEST(CanvasEllipse, EveryPixelMatchesThePixelCentreRule) {
    // A pixel is inside when its centre lies in the inscribed ellipse, and on the outline when a
    // 4-neighbour is not; checked pixel by pixel for boxes of many shapes, odd and even.
    for (const QRect box :
         {QRect(3, 4, 1, 1), QRect(2, 2, 2, 7), QRect(5, 1, 10, 10), QRect(1, 3, 11, 6),
          QRect(-9, 5, 60, 23), QRect(4, -6, 17, 45), QRect(0, 0, 64, 48), QRect(7, 2, 33, 34)}) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        TCanvas canvas(image);
        canvas.BrushColor = Qt::red;
        canvas.PenColor = Qt::blue;
        canvas.Ellipse(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
        const double cx = box.left() + box.width() / 2.0, cy = box.top() + box.height() / 2.0;
        const double rx = box.width() / 2.0, ry = box.height() / 2.0;
        const auto in = [&](int x, int y) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        };
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor expected = Qt::white;
                if (in(x, y))
                    expected = in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1)
                                   ? QColor(Qt::red)
                                   : QColor(Qt::blue);
                ASSERT_EQ(QColor(image.pixel(x, y)), expected)
                    << "box " << box.x() << "," << box.y() << " " << box.width() << "x"
                    << box.height() << " at " << x << "," << y;
            }
    }
}

TEST(CanvasEllipse, ClipsAtTheBitmapEdges) {
    QImage image = Blank(10, 10, White);
    TCanvas canvas(image);
    canvas.BrushColor = QColor(Yellow);
    canvas.Ellipse(-10, -10, 10, 10); // a quarter lies on the bitmap
    EXPECT_EQ(image.pixel(0, 0), Yellow);
    EXPECT_EQ(image.pixel(9, 9), White);
    EXPECT_EQ(image.pixel(9, 0), Black); // the rim where it crosses the top edge
}

TEST(CanvasText, WritesInTheFontColourOnTheBrushColourWithoutSmoothing) {
    QImage image = Blank(80, 30, White);
    TCanvas canvas(image);
    canvas.Font = DesignFont("MS Sans Serif", 8);
    canvas.BrushColor = QColor(Silver);
    canvas.FontColor = QColor(Navy);
    const QString text = "Ag 8,5 V";
    canvas.TextOut(5, 6, text);

    const int width = canvas.TextWidth(text), height = canvas.TextHeight(text);
    // Only the three colours, none blended.
    EXPECT_EQ(Colours(image), (std::set<QRgb>{White, Silver, Navy}));
    const int box = width * height;
    const int ink = Count(image, Navy, 5, 6, 5 + width, 6 + height);
    const int ground = Count(image, Silver, 5, 6, 5 + width, 6 + height);
    EXPECT_GT(ink, 10);
    EXPECT_GT(ground, ink) << "thin strokes on a filled box";
    EXPECT_EQ(ink + ground, box) << "the whole text box is painted";
    EXPECT_EQ(Count(image, White), 80 * 30 - box) << "nothing painted outside the box";
}

TEST(CanvasText, WidthIsPositiveAndGrowsWithTheText) {
    QImage image = Blank(4, 4, White);
    TCanvas canvas(image);
    canvas.Font = DesignFont("Arial", -19);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    int previous = 0;
    for (const char* text : {"1", "12", "123", "123,5", "123,5 V"}) {
        const int width = canvas.TextWidth(text);
        EXPECT_GT(width, previous) << text;
        previous = width;
    }
    // A bigger font is wider.
    const int big = canvas.TextWidth("500");
    canvas.Font = DesignFont("Arial", 6);
    EXPECT_LT(canvas.TextWidth("500"), big);
    EXPECT_EQ(Colours(image), std::set<QRgb>{White}) << "measuring draws nothing";
}
