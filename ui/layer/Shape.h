#pragma once
// A shape control: a filled circle or rectangle with an optional one-pixel outline, drawn over
// whatever lies beneath it (pictures, other controls) and repainted when moved, resized, shown
// or hidden.

#include "design/ControlSpec.h"

#include <QImage>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT

public:
    using Kind = ShapeKind;

    explicit TShape(QWidget* parent = nullptr);

    void SetKind(Kind kind);
    void SetBrushColor(const QColor& color);
    QColor BrushColor() const { return brush_; }
    /// The outline colour; an invalid colour means no outline.
    void SetPenColor(const QColor& color);

    /// The pixels of a shape of that size and look, transparent outside it: what the control
    /// draws.
    static QImage Picture(Kind kind, QSize size, const QColor& brush, const QColor& pen);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Render();

    Kind kind_ = Kind::Rectangle;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    QImage image_; // the shape's pixels, transparent outside it
};
