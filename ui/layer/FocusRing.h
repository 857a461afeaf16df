#pragma once
// A frame around whichever control of a window has the keyboard focus, drawn the same way on
// every control, also on those whose look shows no focus of its own (pictures, scroll bars, spin
// buttons). As a QFocusFrame it follows the control when it moves and stays out of the window's
// accessibility tree.

#include <QFocusFrame>

class FocusRing final : public QFocusFrame {
    Q_OBJECT

public:
    /// Frames the focused control of `window` from now on.
    explicit FocusRing(QWidget* window);
    /// Thickness of the frame, pixels.
    static constexpr int Width = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Follow(QWidget* focused);

    QWidget* window_;
};
