#include "ui/layer/Picture.h"

#include <QPaintEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& picture) {
    image_ = picture;
    // Only an opaque picture covering the whole control lets Qt skip painting what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent, !image_.hasAlphaChannel() && image_.width() >= width() &&
                                              image_.height() >= height());
    update();
}

QImage& TImage::NewBitmap(int width, int height) {
    SetPicture(QImage(width, height, QImage::Format_RGB32));
    image_.fill(Qt::white);
    return image_;
}

void TImage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Rectangle by rectangle: markers moving all over the field leave many small rectangles
    // whose bounding box is nearly the whole picture.
    for (const QRect& rect : event->region()) {
        const QRect area = rect & image_.rect();
        if (!area.isEmpty()) p.drawImage(area.topLeft(), image_, area);
    }
    if (overlay_) overlay_(p, event->rect());
}
