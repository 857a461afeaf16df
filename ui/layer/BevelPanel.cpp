#include "ui/layer/BevelPanel.h"

#include <QPainter>

namespace {

const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);

// One bevel ring of `width` pixels inside `r` (right and bottom inclusive): the top and left in
// one colour, the bottom and right in the other, the top-right and bottom-left corner pixels
// belonging to the bottom-right colour.
void Frame3D(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width) {
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
        p.fillRect(QRect(l, t, 1, b - t + 1), topLeft);      // left column
        p.fillRect(QRect(l, t, rt - l, 1), topLeft);         // top row, top-right corner excluded
        p.fillRect(QRect(rt, t, 1, b - t), bottomRight);     // right column, bottom excluded
        p.fillRect(QRect(l, b, rt - l + 1, 1), bottomRight); // bottom row
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TPanel::SetBevels(Bevel outer, Bevel inner, int width) {
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = width;
    update();
}

void TPanel::SetSingleBorder(bool on) {
    singleBorder_ = on;
    update();
}

int TPanel::FrameWidth() const {
    return (singleBorder_ ? 1 : 0) + (outer_ != Bevel::None ? bevelWidth_ : 0) +
           (inner_ != Bevel::None ? bevelWidth_ : 0);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    QRect r = rect();
    if (singleBorder_) Frame3D(p, r, Shadow, Highlight, 1);
    for (Bevel bevel : {outer_, inner_}) {
        if (bevel == Bevel::Raised) Frame3D(p, r, Highlight, Shadow, bevelWidth_);
        if (bevel == Bevel::Lowered) Frame3D(p, r, Shadow, Highlight, bevelWidth_);
    }
}
