#pragma once
// A panel: a coloured box with optional raised or lowered bevels and a single-line border.

#include <QWidget>

class TPanel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Lowered };

    explicit TPanel(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    /// Outer and inner bevels and the width of each, in pixels.
    void SetBevels(Bevel outer, Bevel inner, int width);
    /// A one-pixel sunken frame around everything (the "single" border).
    void SetSingleBorder(bool on);
    /// Pixels taken by the border and bevels on each side.
    int FrameWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_{192, 192, 192};
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 1;
    bool singleBorder_ = false;
};
