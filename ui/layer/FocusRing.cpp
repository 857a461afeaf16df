#include "ui/layer/FocusRing.h"

#include <QApplication>
#include <QPainter>

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window), window_(window) {
    setObjectName("FocusRing");
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
    Follow(QApplication::focusWidget());
}

void FocusRing::Follow(QWidget* focused) {
    const bool ours = focused && focused != window_ && window_->isAncestorOf(focused) &&
                      focused->window() == window_;
    setWidget(ours ? focused : nullptr);
}

void FocusRing::resizeEvent(QResizeEvent* event) {
    QFocusFrame::resizeEvent(event);
    // Only the frame itself lies over the control, so that the control's own repaints (the
    // microscope's moving markers) never have to paint the ring too.
    const QRegion outer(rect());
    setMask(outer.subtracted(QRegion(rect().adjusted(Width, Width, -Width, -Width))));
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QRegion frame =
        QRegion(rect()).subtracted(QRegion(rect().adjusted(Width, Width, -Width, -Width)));
    for (const QRect& r : frame)
        painter.drawRect(r);
}
