#pragma once
// The voltage supply panel: the voltage field with its spin buttons, the on/off switch with its
// lamp, the polarity reversal and the voltmeter dial, drawn from the session and the chamber.

#include "ui/layer/Layout.h"

#include <QObject>

namespace Lab {
class Session;
}
class QLabel;
class QLineEdit;
class QPushButton;
class TImage;
class TShape;
class TUpDown;

class VoltageView final : public QObject {
    Q_OBJECT

public:
    VoltageView(QWidget* client, const ControlSet& controls, const Lab::Session& session);

    QLabel* Label3;
    QLineEdit* Edit7;
    TUpDown* UpDown1;
    TImage* Image2;
    TShape* Shape1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    /// The lamp and the dial for the supply as it stands.
    void DrawSupply();
    /// The dial alone, its needle at the plate voltage.
    void DrawVoltmeter();
    /// The field's text and the spin buttons' position as the session has them.
    void DrawField();
    /// The names assistive technology gives the panel's controls, in the catalogue's language.
    void ApplyNames();

private:
    const Lab::Session& session_;
};
