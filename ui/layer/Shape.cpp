#include "ui/layer/Shape.h"

#include "ui/layer/Canvas.h"

#include <QPainter>
#include <algorithm>

TShape::TShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TShape::SetKind(Kind kind) {
    kind_ = kind;
    Render();
}

void TShape::SetBrushColor(const QColor& color) {
    if (color == brush_) return;
    brush_ = color;
    Render();
}

void TShape::SetPenColor(const QColor& color) {
    pen_ = color;
    Render();
}

void TShape::resizeEvent(QResizeEvent*) {
    Render();
}

void TShape::Render() {
    // Drawn once per change of look, then copied at every repaint.
    image_ = Picture(kind_, size(), brush_, pen_);
    update();
}

QImage TShape::Picture(Kind kind, QSize size, const QColor& brush, const QColor& pen) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull()) return image;
    const int width = size.width(), height = size.height();
    TCanvas canvas(image);
    canvas.BrushColor = brush;
    canvas.PenColor = pen.isValid() ? pen : brush;
    if (kind == Kind::Rectangle) {
        canvas.FillRect(0, 0, width, height);
        if (pen.isValid()) {
            canvas.MoveTo(0, 0);
            canvas.LineTo(width - 1, 0);
            canvas.LineTo(width - 1, height - 1);
            canvas.LineTo(0, height - 1);
            canvas.LineTo(0, 0);
        }
    } else {
        // A circle is the largest square's inscribed circle, centred in the control.
        const int side = std::min(width, height);
        const int x = (width - side) / 2, y = (height - side) / 2;
        canvas.Ellipse(x, y, x + side, y + side);
    }
    return image;
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}
