#include "ui/DropMarker.h"

#include "assets/Colors.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"

#include <QPainter>

namespace {
constexpr int RingWidth = MainDesign::Microscope::RingWidth;

/// A circle `side` pixels across, `RingWidth` thick, transparent inside and out: a filled circle
/// with a smaller one cut out of its middle, so that the field shows through around the dot.
QImage Ring(int side, const QColor& colour) {
    QImage ring = TShape::Picture(TShape::Kind::Circle, QSize(side, side), colour, QColor());
    const int innerSide = side - 2 * RingWidth;
    const QImage inner =
        TShape::Picture(TShape::Kind::Circle, QSize(innerSide, innerSide), colour, QColor());
    for (int y = 0; y < innerSide; ++y)
        for (int x = 0; x < innerSide; ++x)
            if (qAlpha(inner.pixel(x, y)) != 0) ring.setPixel(x + RingWidth, y + RingWidth, 0);
    return ring;
}
} // namespace

DropMarker::DropMarker(MarkerLayer* layer) : layer_(layer) {}

void DropMarker::move(QPoint to) {
    if (to == pos_) return;
    const QRect left = PaintedRect();
    pos_ = to;
    if (!visible_) return;
    // A step of a pixel or two: the pixels left and entered as one small rectangle.
    const QRect entered = PaintedRect();
    if (left.intersects(entered.adjusted(-1, -1, 1, 1))) {
        layer_->Invalidate(left | entered);
    } else {
        layer_->Invalidate(left);
        layer_->Invalidate(entered);
    }
}

bool DropMarker::isVisibleTo(const QWidget* ancestor) const {
    const QWidget* client = layer_->Client();
    return visible_ && (client == ancestor || client->isVisibleTo(ancestor));
}

void DropMarker::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    layer_->Invalidate(PaintedRect());
}

QWidget* DropMarker::parentWidget() const {
    return layer_->Client();
}

QColor DropMarker::BrushColor() const {
    return QColor(selected_ ? Palette::Followed : Palette::Marker);
}

void DropMarker::SetSelected(bool selected) {
    // Asked for every marker at every tick: only a change costs anything.
    if (selected == selected_) return;
    // The ring's pixels, whether it appears or goes.
    const QRect before = PaintedRect();
    selected_ = selected;
    if (visible_) layer_->Invalidate(before | PaintedRect());
}

MarkerLayer::MarkerLayer(QWidget* client, TImage* field, int count)
    : client_(client), field_(field) {
    // The same pixels a circle shape control of the marker's size draws, without an outline.
    const QSize size(DropMarker::Size, DropMarker::Size);
    yellow_ = TShape::Picture(TShape::Kind::Circle, size, QColor(Palette::Marker), QColor());
    red_ = TShape::Picture(TShape::Kind::Circle, size, QColor(Palette::Followed), QColor());
    ring_ = Ring(DropMarker::Size + 2 * DropMarker::RingMargin, QColor(Palette::Followed));
    for (int i = 0; i < count; ++i) {
        markers_.push_back(std::make_unique<DropMarker>(this));
        markers_.back()->show();
    }
    field_->SetOverlay([this](QPainter& painter, const QRect& area) { Paint(painter, area); });
}

MarkerLayer::~MarkerLayer() {
    if (field_) field_->SetOverlay({});
}

void MarkerLayer::Invalidate(const QRect& rect) {
    if (field_) field_->update(rect.translated(-field_->pos()));
}

void MarkerLayer::Paint(QPainter& painter, const QRect& area) const {
    const QPoint origin = field_->pos();
    for (const auto& marker : markers_) {
        if (marker->isHidden() || !marker->PaintedRect().translated(-origin).intersects(area))
            continue;
        const QRect at = marker->geometry().translated(-origin);
        if (marker->Selected()) {
            painter.drawImage(marker->PaintedRect().translated(-origin).topLeft(), ring_);
            painter.drawImage(at.topLeft(), red_);
        } else {
            painter.drawImage(at.topLeft(), yellow_);
        }
    }
}
