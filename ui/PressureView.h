#pragma once
// The real air's pressure: a field in kPa with its spin buttons below the instruments, shown only
// while the chamber holds real air, drawn from the session.

#include "ui/layer/Layout.h"

#include <QObject>

namespace Lab {
class Session;
}
class QLabel;
class QLineEdit;
class TUpDown;

class PressureView final : public QObject {
    Q_OBJECT

public:
    PressureView(QWidget* client, const ControlSet& controls, const Lab::Session& session);

    QWidget* Panel6;
    QLabel* Label8;
    QLineEdit* Edit3;
    TUpDown* UpDown3;

    /// Shown with real air, hidden in the ideal chamber.
    void DrawShown();
    /// The field's text and the spin buttons' position as the session has them.
    void DrawField();
    /// The names assistive technology gives the panel's controls, in the catalogue's language.
    void ApplyNames();

private:
    const Lab::Session& session_;
};
