#include "ui/layer/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

QFont Unsmoothed(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The pixels of the ellipse inscribed in [x1, x2) × [y1, y2): a pixel belongs to it when its
// centre lies inside. Each row is one span; `outline` receives the pixels with a 4-neighbour
// outside.
struct RowSpan {
    int y, left, right; // inclusive; empty when left > right
};
struct EllipsePixels {
    std::vector<RowSpan> rows;
    std::vector<QPoint> outline;
};

EllipsePixels RasteriseEllipse(int x1, int y1, int x2, int y2) {
    EllipsePixels result;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
    if (rx <= 0 || ry <= 0) return result;
    auto in = [&](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    // The span of a row from the ellipse's equation, then settled against the pixel test itself
    // so that rounding can never make the two disagree.
    auto spanOf = [&](int y) -> RowSpan {
        const double dy = (y + 0.5 - cy) / ry;
        const double rest = 1.0 - dy * dy;
        if (y < y1 || y >= y2 || rest < 0) return {y, 1, 0};
        const double half = rx * std::sqrt(rest);
        int left = std::clamp(static_cast<int>(std::ceil(cx - half - 0.5)), x1, x2 - 1);
        int right = std::clamp(static_cast<int>(std::floor(cx + half - 0.5)), x1, x2 - 1);
        while (left <= right && !in(left, y))
            ++left;
        while (left > x1 && in(left - 1, y))
            --left;
        while (right >= left && !in(right, y))
            --right;
        while (right < x2 - 1 && in(right + 1, y))
            ++right;
        return {y, left, right};
    };
    RowSpan above = spanOf(y1 - 1), row = spanOf(y1);
    for (int y = y1; y < y2; ++y) {
        const RowSpan below = spanOf(y + 1);
        if (row.left <= row.right) {
            result.rows.push_back(row);
            // Pixels whose four neighbours are all inside form the run [innerLeft, innerRight].
            const bool closed = above.left <= above.right && below.left <= below.right;
            const int innerLeft = closed ? std::max({row.left + 1, above.left, below.left}) : 1;
            const int innerRight = closed ? std::min({row.right - 1, above.right, below.right}) : 0;
            for (int x = row.left; x <= row.right; ++x)
                if (x < innerLeft || x > innerRight) result.outline.emplace_back(x, y);
        }
        above = row;
        row = below;
    }
    return result;
}

// Angle of a direction in the usual mathematical sense (counter-clockwise, y pointing up on
// screen), in [0, 2π).
double ScreenAngle(double dx, double dy) {
    double a = std::atan2(-dy, dx);
    if (a < 0) a += 2 * M_PI;
    return a;
}

} // namespace

TCanvas::TCanvas(QImage& bitmap) : Font(Unsmoothed(QFont())), bitmap_(bitmap) {}

void TCanvas::Plot(int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= bitmap_.width() || y >= bitmap_.height()) return;
    bitmap_.setPixel(x, y, colour);
}

void TCanvas::FillRect(int left, int top, int right, int bottom) {
    const int l = std::max(left, 0), t = std::max(top, 0);
    const int r = std::min(right, bitmap_.width()), b = std::min(bottom, bitmap_.height());
    if (l >= r || t >= b) return;
    const QRgb colour = BrushColor.rgb();
    for (int y = t; y < b; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap_.scanLine(y));
        std::fill(line + l, line + r, colour);
    }
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y) {
    // Bresenham from the current point, stopping one pixel short of the end point.
    int x0 = penPos_.x(), y0 = penPos_.y();
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    const QRgb colour = PenColor.rgb();
    while (x0 != x || y0 != y) {
        Plot(x0, y0, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    penPos_ = QPoint(x, y);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double start = ScreenAngle(x3 - cx, y3 - cy);
    double sweep = ScreenAngle(x4 - cx, y4 - cy) - start;
    if (sweep <= 0) sweep += 2 * M_PI; // equal directions draw the whole ellipse
    const QRgb colour = PenColor.rgb();
    for (const QPoint& p : RasteriseEllipse(x1, y1, x2, y2).outline) {
        double a = ScreenAngle(p.x() + 0.5 - cx, p.y() + 0.5 - cy) - start;
        if (a < 0) a += 2 * M_PI;
        if (a <= sweep) Plot(p.x(), p.y(), colour);
    }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const EllipsePixels pixels = RasteriseEllipse(x1, y1, x2, y2);
    for (const RowSpan& row : pixels.rows)
        FillRect(row.left, row.y, row.right + 1, row.y + 1);
    const QRgb pen = PenColor.rgb();
    for (const QPoint& p : pixels.outline)
        Plot(p.x(), p.y(), pen);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const QFont font = Unsmoothed(Font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    FillRect(x, y, x + width, y + metrics.height());
    QPainter painter(&bitmap_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(FontColor);
    painter.drawText(x, y + metrics.ascent(), text);
    penPos_ = QPoint(x + width, y);
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(Unsmoothed(Font)).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
    return QFontMetrics(Unsmoothed(Font)).height();
}
