#pragma once
// TTeacherDlg: the teacher's settings of a lesson and the forms they are given out in: the page's
// address with its QR code, the program folder's Tessilar.ini lines, a copy of the browser
// edition's page with the settings inside, and a SCORM 1.2 package of that page.

#include "lab/Lesson.h"
#include "ui/layer/Layout.h"
#include "ui/layer/ModalDialog.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TImage;
class TUpDown;

class TTeacherDlg : public TModalDialog {
    Q_OBJECT

public:
    explicit TTeacherDlg(QWidget* parent = nullptr);
    const ControlSet& Controls() const { return controls_; }

    /// The settings the controls give: only what differs from the defaults counts as given.
    Lab::LessonSettings Settings() const;
    /// The address with the settings, the text its QR code holds.
    QString Address() const;
    /// The browser edition's page this dialog copies: beside the program in a folder "web", or
    /// where the package installs it; the first that exists, else the installed place.
    static QString PagePath();
    /// Writes the page with the settings inside to `path`; false (and a message) when it cannot.
    bool SavePageTo(const QString& path);
    /// Writes the SCORM 1.2 package to `path`; false (and a message) when it cannot.
    bool SaveScormTo(const QString& path);

    QComboBox* ComboBox1 = nullptr; ///< language
    QCheckBox* CheckBox1 = nullptr; ///< calculations
    QCheckBox* CheckBox2 = nullptr; ///< Brownian motion
    QCheckBox* CheckBox3 = nullptr; ///< real air
    QLineEdit* Edit1 = nullptr;     ///< class code
    QLineEdit* Edit2 = nullptr;     ///< droplets to time
    TUpDown* UpDown1 = nullptr;
    QLineEdit* Edit3 = nullptr; ///< the page's address
    QLineEdit* Edit4 = nullptr; ///< the address with the settings
    QPushButton* Button1 = nullptr;
    TImage* Image1 = nullptr; ///< the address's QR code
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* OKBtn = nullptr;
    QLabel* Label7 = nullptr; ///< what the last command did

protected:
    void FormActivate() override;

private:
    /// The outputs again from the settings: the address, its QR code and the ini lines.
    void Refresh();
    void CopyAddress();
    void SavePage();
    void SaveScorm();
    /// The page with the settings inside, or nothing (and a message) when it cannot be read.
    std::optional<std::string> PageWithSettings();
    void Warn(const QString& text);

    ControlSet controls_;
    bool filling_ = false;
};
