#pragma once
// A dialog shown modally with the classic results: OK is 1, Cancel is 2. The default button
// answers Enter, the cancel button Esc, and the close box gives Cancel. The activation step runs
// once per showing, before the dialog appears.

#include <QDialog>

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

class TModalDialog : public QDialog {
    Q_OBJECT

public:
    explicit TModalDialog(QWidget* parent = nullptr);

    /// Shows the dialog and runs its own message loop until it has a result.
    int ShowModal();

public slots:
    void reject() override;

protected:
    /// Runs each time the dialog is shown.
    virtual void FormActivate() {}
    /// Sets the client area's size and keeps it fixed.
    void SetClientSize(int width, int height);
    /// Centres the dialog on the screen it will appear on.
    void CentreOnScreen();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool activated_ = false;
};
