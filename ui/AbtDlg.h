#pragma once
// TAboutDlg: the About box, with its lines from the text catalogue centred in a white panel.

#include "ui/layer/BevelPanel.h"
#include "ui/layer/Layout.h"
#include "ui/layer/ModalDialog.h"

#include <QLabel>
#include <QPushButton>

class TAboutDlg : public TModalDialog {
    Q_OBJECT

public:
    explicit TAboutDlg(QWidget* parent = nullptr);
    const ControlSet& Controls() const { return controls_; }

    QPushButton* OKBtn = nullptr;
    TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr; ///< the teacher's settings in force

protected:
    void FormActivate() override;

private:
    ControlSet controls_;
    bool shownBefore_ = false;
    int designedButtonTop_ = 0;
};
