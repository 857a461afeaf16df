#include "ui/DropMarker.h"

#include "assets/Colors.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"

#include <QPainter>

DropMarker::DropMarker(MarkerLayer* layer) : layer_(layer) {}

void DropMarker::move(QPoint to) {
    if (to == pos_) return;
    const QRect left = geometry();
    pos_ = to;
    if (!visible_) return;
    // A step of a pixel or two: the pixels left and entered as one small rectangle.
    if (left.intersects(geometry().adjusted(-1, -1, 1, 1))) {
        layer_->Invalidate(left | geometry());
    } else {
        layer_->Invalidate(left);
        layer_->Invalidate(geometry());
    }
}

bool DropMarker::isVisibleTo(const QWidget* ancestor) const {
    const QWidget* client = layer_->Client();
    return visible_ && (client == ancestor || client->isVisibleTo(ancestor));
}

void DropMarker::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    layer_->Invalidate(geometry());
}

QWidget* DropMarker::parentWidget() const {
    return layer_->Client();
}

QColor DropMarker::BrushColor() const {
    return QColor(selected_ ? Colors::Red : Colors::Yellow);
}

void DropMarker::SetSelected(bool selected) {
    // Asked for every marker at every tick: only a change costs anything.
    if (selected == selected_) return;
    selected_ = selected;
    if (visible_) layer_->Invalidate(geometry());
}

MarkerLayer::MarkerLayer(QWidget* client, TImage* field, int count)
    : client_(client), field_(field) {
    // The same pixels a circle shape control of the marker's size draws, without an outline.
    const QSize size(DropMarker::Size, DropMarker::Size);
    yellow_ = TShape::Picture(TShape::Kind::Circle, size, QColor(Colors::Yellow), QColor());
    red_ = TShape::Picture(TShape::Kind::Circle, size, QColor(Colors::Red), QColor());
    for (int i = 0; i < count; ++i) {
        markers_.push_back(std::make_unique<DropMarker>(this));
        markers_.back()->show();
    }
    field_->SetOverlay([this](QPainter& painter, const QRect& area) { Paint(painter, area); });
}

MarkerLayer::~MarkerLayer() {
    field_->SetOverlay({});
}

void MarkerLayer::Invalidate(const QRect& rect) {
    field_->update(rect.translated(-field_->pos()));
}

void MarkerLayer::Paint(QPainter& painter, const QRect& area) const {
    const QPoint origin = field_->pos();
    for (const auto& marker : markers_) {
        const QRect at = marker->geometry().translated(-origin);
        if (!marker->isHidden() && at.intersects(area))
            painter.drawImage(at.topLeft(), marker->Selected() ? red_ : yellow_);
    }
}
