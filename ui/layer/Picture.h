#pragma once
// A picture control: shows a stored picture or a bitmap the program draws on, unscaled from its
// top-left corner and cut off at the control's edges.

#include <QImage>
#include <QWidget>
#include <functional>

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    /// Shows a stored picture (shared, not copied).
    void SetPicture(const QImage& picture);
    /// Gives the control a new bitmap of the given size to draw on, filled white.
    QImage& NewBitmap(int width, int height);
    /// The picture or bitmap shown.
    QImage& Bitmap() { return image_; }
    const QImage& Bitmap() const { return image_; }
    /// Repaints after the program has drawn on the bitmap.
    void Changed() { update(); }
    /// Draws over the picture at every repaint (control coordinates; only `area` needs it),
    /// for what moves over it too often to be a control of its own.
    void SetOverlay(std::function<void(QPainter&, const QRect& area)> overlay) {
        overlay_ = std::move(overlay);
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    std::function<void(QPainter&, const QRect&)> overlay_;
};
