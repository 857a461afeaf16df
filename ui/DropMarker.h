#pragma once
// The on-screen marker of one droplet: a 4 × 4 dot over the microscope field, yellow, or red
// with a red ring around it while the student follows that droplet (told apart by shape as well
// as colour).
//
// A hundred markers move every tick. As controls of their own each move and each repaint would
// go through the whole of Qt's widget machinery, so they are drawn instead over the field picture
// by MarkerLayer, at the end of the picture's own repaint; a marker keeps a control's place, size
// and visibility in the window and repaints just the pixels it leaves and enters.

#include "design/MainDesign.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

class MarkerLayer;
class QPainter;
class TImage;

class DropMarker final {
public:
    static constexpr int Size = MainDesign::Microscope::MarkerSize;
    /// The followed droplet's ring lies this many pixels outside the dot on every side.
    static constexpr int RingMargin = MainDesign::Microscope::RingMargin;
    explicit DropMarker(MarkerLayer* layer);

    // Place, size and visibility in the window's client area, as a control's.
    QPoint pos() const { return pos_; }
    int x() const { return pos_.x(); }
    int y() const { return pos_.y(); }
    int width() const { return Size; }
    int height() const { return Size; }
    QSize size() const { return {Size, Size}; }
    QRect geometry() const { return {pos_, size()}; }
    /// The pixels the marker covers on the field: the dot, and the ring while selected.
    QRect PaintedRect() const {
        return selected_ ? geometry().adjusted(-RingMargin, -RingMargin, RingMargin, RingMargin)
                         : geometry();
    }
    void move(QPoint to);
    void move(int x, int y) { move(QPoint(x, y)); }
    bool isHidden() const { return !visible_; }
    /// Shown, and drawn on `ancestor` or a widget inside it.
    bool isVisibleTo(const QWidget* ancestor) const;
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    /// The widget the marker belongs to: the window's client area.
    QWidget* parentWidget() const;

    QColor BrushColor() const;
    /// Red with a ring while selected, yellow otherwise.
    void SetSelected(bool selected);
    bool Selected() const { return selected_; }

private:
    MarkerLayer* layer_;
    QPoint pos_;
    bool visible_ = false;
    bool selected_ = false;
};

/// Draws the markers over the field picture, in their order (a later marker over an earlier one).
/// Markers outside the picture are not seen, as none is ever placed there while the window shows.
class MarkerLayer final {
public:
    /// `count` markers at (0, 0), shown, belonging to `client` and drawn over `field`, a picture
    /// control on it.
    MarkerLayer(QWidget* client, TImage* field, int count);
    ~MarkerLayer();
    MarkerLayer(const MarkerLayer&) = delete;
    MarkerLayer& operator=(const MarkerLayer&) = delete;

    DropMarker* Marker(int index) const { return markers_[static_cast<std::size_t>(index)].get(); }
    QWidget* Client() const { return client_; }
    /// Repaints the rectangle (client coordinates) at the next repaint.
    void Invalidate(const QRect& rect);

private:
    void Paint(QPainter& painter, const QRect& area) const;

    QWidget* client_;
    QPointer<TImage> field_; ///< goes with the window's controls, which may go first
    std::vector<std::unique_ptr<DropMarker>> markers_;
    QImage yellow_, red_, ring_;
};
