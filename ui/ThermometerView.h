#pragma once
// The temperature column: the set temperature field with its spin buttons, and the thermometer
// whose liquid column shows the chamber temperature, drawn from the session.

#include "ui/layer/Layout.h"

#include <QObject>

namespace Lab {
class Session;
}
class QLabel;
class QLineEdit;
class TImage;
class TShape;
class TUpDown;

class ThermometerView final : public QObject {
    Q_OBJECT

public:
    ThermometerView(QWidget* client, const ControlSet& controls, const Lab::Session& session);

    QLabel* Label7;
    QLineEdit* Edit2;
    TUpDown* UpDown2;
    TImage* Image1;
    TShape* Shape2;

    /// The column up to the top the session last took.
    void DrawColumn();
    /// The field's text and the spin buttons' position as the session has them.
    void DrawField();
    /// The names assistive technology gives the panel's controls, in the catalogue's language.
    void ApplyNames();

private:
    const Lab::Session& session_;
};
