#pragma once
// The stopwatch panel: the display in simulated time, Start/Reset and Stop, and what is announced
// to a screen reader when the stopwatch stops or a timing is recorded.

#include "ui/layer/Layout.h"

#include <QObject>

namespace Lab {
class Session;
}
class QLabel;
class QLineEdit;
class QPushButton;

class StopwatchView final : public QObject {
    Q_OBJECT

public:
    StopwatchView(QWidget* client, const ControlSet& controls, const Lab::Session& session);

    QLabel* Label4;
    QLineEdit* Edit1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;

    /// The display as the session has it.
    void Draw();
    /// Says the session's announcement about the display.
    void Announce();
    /// The names assistive technology gives the panel's controls, in the catalogue's language.
    void ApplyNames();

private:
    const Lab::Session& session_;
};
