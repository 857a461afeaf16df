#pragma once
// TPasswordDlg: the identity prompt that gates the program. The identifier is shown in the main
// window's title; it is not checked or stored.

#include "ui/layer/Layout.h"
#include "ui/layer/ModalDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TPasswordDlg : public TModalDialog {
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget* parent = nullptr);

    /// The identifier typed so far.
    QString Identifier() const { return Password->text(); }
    const ControlSet& Controls() const { return controls_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void FormActivate() override;

private:
    ControlSet controls_;
};
