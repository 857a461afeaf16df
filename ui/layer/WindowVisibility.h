#pragma once
// Whether anyone can see a window: not when it is minimised, and not when other windows cover it
// whole. A window that cannot be seen need not be drawn; what it shows is brought up to date
// when it can be seen again.
//
// Qt tells minimising apart; that a window is covered only the X server knows, which reports it
// to windows that ask (visibility notifications). Elsewhere a covered window counts as seen.
//
// A caret blinking in a covered window that keeps the focus (no window manager takes it away)
// would wake the program twice a second for nobody: it stands still until the window can be
// seen again or the focus goes elsewhere.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWidget>

class WindowVisibility : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    /// Follows `window` (a top-level widget) from now on; call once it has been shown.
    explicit WindowVisibility(QWidget* window);
    ~WindowVisibility() override;

    /// False while the window is shown but minimised, not mapped or covered whole; true
    /// otherwise (a window never shown counts as seen, so that it is kept up to date).
    bool Seen() const;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    void AskForVisibilityNotifications();
    /// Stops the carets blinking while the focus is in the window and the window is covered.
    void FollowCaretBlinking();

    QPointer<QWidget> window_;
    unsigned long windowId_ = 0;
    bool covered_ = false;
    bool caretStill_ = false;
    int caretFlashMs_ = 0; ///< the blinking period in force before the caret stood still
};
