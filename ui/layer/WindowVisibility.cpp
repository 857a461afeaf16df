#include "ui/layer/WindowVisibility.h"

#include <QApplication>
#include <QStyleHints>
#include <QWindow>
#include <cstdint>
#include <cstdlib>

#ifdef TESSILAR_HAVE_XCB
#include <xcb/xcb.h>
#endif

WindowVisibility::WindowVisibility(QWidget* window) : QObject(window), window_(window) {
    AskForVisibilityNotifications();
    connect(qApp, &QApplication::focusChanged, this, &WindowVisibility::FollowCaretBlinking);
}

WindowVisibility::~WindowVisibility() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    covered_ = false;
    FollowCaretBlinking();
}

void WindowVisibility::FollowCaretBlinking() {
    const QWidget* focus = QApplication::focusWidget();
    const bool still = covered_ && window_ && focus && window_->isAncestorOf(focus);
    if (still == caretStill_) return;
    caretStill_ = still;
    // The blinking period is the application's; only one field has the focus at a time.
    QStyleHints* hints = QGuiApplication::styleHints();
    if (still) caretFlashMs_ = hints->cursorFlashTime();
    hints->setCursorFlashTime(still ? 0 : caretFlashMs_);
}

void WindowVisibility::AskForVisibilityNotifications() {
#ifdef TESSILAR_HAVE_XCB
    // Only on the X platform itself: others (offscreen) may offer the interface without a server.
    if (QGuiApplication::platformName() != "xcb" || !window_ || !window_->windowHandle()) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    windowId_ = window_->windowHandle()->winId();
    // Qt's own event mask stays; the visibility notifications are added to it.
    const xcb_get_window_attributes_cookie_t cookie =
        xcb_get_window_attributes(connection, static_cast<xcb_window_t>(windowId_));
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, cookie, nullptr);
    if (!attributes) return;
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, static_cast<xcb_window_t>(windowId_),
                                 XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

bool WindowVisibility::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
#ifdef TESSILAR_HAVE_XCB
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_VISIBILITY_NOTIFY) return false;
    const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
    if (visibility->window == windowId_) {
        covered_ = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
        FollowCaretBlinking();
    }
#else
    (void)type;
    (void)message;
#endif
    return false; // Qt sees the event too
}

bool WindowVisibility::Seen() const {
    if (!window_ || !window_->isVisible()) return true;
    const QWindow* handle = window_->windowHandle();
    return !window_->isMinimized() && !covered_ && (!handle || handle->isExposed());
}
