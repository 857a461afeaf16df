#pragma once
// GuideWindow: the laboratory guide shown by the program itself, for systems that cannot open the
// RTF document: the guide's HTML rendering in a read-only, scrollable text browser. It is not
// modal, so the simulation runs on while the student reads.

#include <QString>
#include <QWidget>

class QTextBrowser;

class GuideWindow : public QWidget {
    Q_OBJECT

public:
    /// A window of its own that hides and closes with `owner`.
    explicit GuideWindow(QWidget* owner);

    /// Shows the HTML page read from `path`; false, with nothing shown, when it cannot be read.
    bool Load(const QString& path);
    /// Brings the half of the guide at `anchor` ("hu" or "en") into view, now or when shown.
    void ShowLanguage(const QString& anchor);
    QTextBrowser* Browser() const { return browser_; }

    /// The window title: the guide has both languages, so the title does too.
    static constexpr const char* Title = "Tessilar – laboratóriumi útmutató / laboratory guide";
    /// Files larger than this are no guide of ours and are not read, bytes.
    static constexpr qint64 MaxPageBytes = 8 * 1024 * 1024;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* browser_ = nullptr;
    QString pendingAnchor_;
};
