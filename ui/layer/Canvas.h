#pragma once
// Drawing on a bitmap with the pixel conventions of the classic desktop drawing interface:
// boxes exclude their right and bottom edges, lines exclude their end point, arcs run
// counter-clockwise, and nothing is antialiased, so every pixel is predictable.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

class TCanvas {
public:
    explicit TCanvas(QImage& bitmap);

    QColor BrushColor = Qt::white; ///< fill of boxes and ellipses, background of text
    QColor PenColor = Qt::black;   ///< lines, arcs and outlines (1 pixel)
    QColor FontColor = Qt::black;
    QFont Font;

    /// Fills the box from (left, top) to (right, bottom), right and bottom edges excluded.
    void FillRect(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    /// Draws from the current point to (x, y), (x, y) itself not drawn; (x, y) becomes current.
    void LineTo(int x, int y);
    /// The part of the ellipse inscribed in the box (x1, y1)-(x2, y2) that runs counter-clockwise
    /// from the direction of (x3, y3) to the direction of (x4, y4), seen from the box's centre.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    /// The ellipse inscribed in the box, filled with the brush and outlined with the pen.
    void Ellipse(int x1, int y1, int x2, int y2);
    /// Writes text with its top-left corner at (x, y) on a box of the brush colour.
    void TextOut(int x, int y, const QString& text);
    /// Width in pixels of the text in the current font.
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    QPoint PenPos() const { return penPos_; }
    QImage& Bitmap() { return bitmap_; }

private:
    void Plot(int x, int y, QRgb colour);

    QImage& bitmap_;
    QPoint penPos_{0, 0};
};
