#pragma once
// TLanguageDlg: chooses a language folder (a subfolder of the program folder with its own
// catalogue).

#include "ui/layer/Layout.h"
#include "ui/layer/ModalDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class TLanguageDlg : public TModalDialog {
    Q_OBJECT

public:
    explicit TLanguageDlg(QWidget* parent = nullptr);
    const ControlSet& Controls() const { return controls_; }

    void BitBtn1Click();

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void FormActivate() override;

private:
    ControlSet controls_;
};
