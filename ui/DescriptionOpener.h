#pragma once
// DescriptionOpener: the Description menu item's way to the laboratory guide in the program
// folder. It asks the system to open TESSILAR.rtf (xdg-open, without waiting for it, so the
// simulation keeps running); when the system cannot, it shows TESSILAR.html in the program's own
// GuideWindow, and when the guide is not there, a message naming what it looked for.

#include <QObject>
#include <QPointer>
#include <QString>

class GuideWindow;
class QProcess;
class QWidget;

class DescriptionOpener : public QObject {
    Q_OBJECT

public:
    /// The guide window and the messages belong to `owner`, the main window.
    explicit DescriptionOpener(QWidget* owner);
    ~DescriptionOpener() override;

    /// Opens the guide; returns at once.
    void Open();
    /// True while the system's opener runs and has not yet answered.
    bool Waiting() const { return waiting_ > 0; }
    /// The program's own guide window once it has been shown; null before.
    GuideWindow* Window() const;

    static constexpr const char* DocumentName = "TESSILAR.rtf";
    static constexpr const char* PageName = "TESSILAR.html";
    /// The desktop's command that opens a file with the user's preferred application.
    static constexpr const char* SystemOpener = "xdg-open";

private:
    void Answered(QProcess* process, bool opened);
    void ShowOwnWindow(bool documentFound);
    void ShowMessage(const QString& text);

    QWidget* owner_;
    QPointer<GuideWindow> window_;
    int waiting_ = 0;
};
