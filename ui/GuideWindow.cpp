#include "ui/GuideWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int PreferredWidth = 760;  // pixels: about 90 characters of the guide's text
constexpr int PreferredHeight = 700; // pixels
} // namespace

GuideWindow::GuideWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("GuideWindow");
    setWindowTitle(QString::fromUtf8(Title));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("GuideText");
    browser_->setReadOnly(true);
    browser_->setOpenLinks(true);          // the table of contents jumps within the page
    browser_->setOpenExternalLinks(false); // and nothing leads out of it
    browser_->document()->setDocumentMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    // A comfortable reading size, kept within the screen.
    QSize size(PreferredWidth, PreferredHeight);
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize area = screen->availableGeometry().size() * 9 / 10;
        size = size.boundedTo(area).expandedTo(QSize(320, 240));
    }
    resize(size);
}

bool GuideWindow::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPageBytes) return false;
    const QByteArray page = file.read(MaxPageBytes + 1);
    if (file.error() != QFileDevice::NoError || page.size() > MaxPageBytes) return false;
    browser_->setHtml(QString::fromUtf8(page));
    return true;
}

void GuideWindow::ShowLanguage(const QString& anchor) {
    if (isVisible())
        browser_->scrollToAnchor(anchor);
    else
        pendingAnchor_ = anchor;
}

void GuideWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pendingAnchor_.isEmpty()) return;
    // Once shown, the page is laid out at the window's width and the anchor's place is known.
    QTimer::singleShot(0, this,
                       [this, anchor = pendingAnchor_] { browser_->scrollToAnchor(anchor); });
    pendingAnchor_.clear();
}
