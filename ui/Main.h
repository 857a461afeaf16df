#pragma once
// TForm1: the experiment bench. The microscope view on the left, the temperature column in the
// middle and, on the right, the injection, stopwatch, voltage supply and exit panels.
//
// The window owns its lifecycle (creation, start-up timer, activation, close), the student's
// session and one view per panel. Each handler reads its widget, gives the session one command
// and draws what the command says changed (Show); the views draw from the session and decide
// nothing themselves.

#include "design/Commands.h"
#include "lab/Session.h"
#include "scheduler/Idozit.h"
#include "ui/CommandMenus.h"
#include "ui/layer/Layout.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class DescriptionOpener;
class MicroscopeView;
class NotebookStore;
class NotebookWindow;
class PressureView;
class StopwatchView;
class TAboutDlg;
class TLanguageDlg;
class TPasswordDlg;
class TTeacherDlg;
class ThermometerView;
class VoltageView;
class WindowVisibility;
class QAction;
class QMenu;
class QPushButton;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    /// The other windows of the program, which the commands and captions use.
    void SetDialogs(TAboutDlg* about, TLanguageDlg* language, TPasswordDlg* password);

    // Lifecycle.
    void FormCreate();
    void Timer1Timer();
    void FormActivate();
    bool FormCloseQuery();
    void ApplyCaptions();
    /// True once the activation step has begun; it runs once per run.
    bool Activated() const { return activated_; }
    /// For harnesses that drive the window themselves: showing it will not start the scheduler.
    void SkipActivation() { activationRequested_ = activated_ = true; }

    // Commands.
    void Vge1Click();
    void Nvjegy1Click();
    void Sg1Click(); // the Description item
    void LanguageItemClick();
    /// The teacher's settings of a lesson and the forms they are given out in.
    void Tanribelltsok1Click();

    // Stopwatch.
    void BitBtn4Click();
    void BitBtn5Click();
    /// How many of the next ticks may run together after one wake-up, all but the last showing
    /// nothing: all that pass until the next input or the window can be seen again while it
    /// cannot be seen; otherwise as the session's view allows.
    std::uint32_t TicksTogether() const;

    // Voltage supply.
    void Edit7Change();
    void BitBtn2Click();
    void BitBtn3Click();
    void ApplyVoltage();
    void DrawVoltmeter();

    // Microscope view and injection.
    void CreateDropletMarkers();
    void PlaceDropletMarkers();
    void BitBtn1Click();
    void ScrollBar1Change();
    void ScrollBar2Change();

    // Measurement: following a droplet, recording timings into the notebook.
    /// Follows the droplet whose marker is nearest a click this far from the view centre (view
    /// pixels), within a click's reach, or none.
    void SelectDropletAt(QPoint offset);
    /// Follows no droplet any more.
    void ClearDropletSelection();
    /// A key that chooses a droplet (or lets it go) pressed on the focused microscope.
    void MicroscopeKey(const QString& name);
    /// Brings the microscope's description for assistive technology up to date.
    void DescribeMicroscope();
    /// Records the stopwatch reading as a new notebook row.
    void RecordTiming();
    /// The Notebook menu item: shows the notebook window or brings it to the front.
    void Jegyzfzet1Click();
    /// The Ionise menu item (F9): one burst of the ionising source.
    void Ionizls1Click();
    /// The Brownian motion menu item: switches the droplets' thermal jitter on or off.
    void Brownmozgs1Click();
    /// The Real air menu item: fills the chamber with real air, or with the ideal fluid again.
    void Valdilevego1Click();
    /// Opens the notebook kept for the identifier.
    void OpenNotebook();
    /// A teacher's choices in the program folder's catalogue: Brownian motion and real air from
    /// the start, and whether the notebook works out radius and charge.
    void ApplyTeacherSettings();

    // Temperature.
    void Edit2Change();
    /// Enter in the temperature field, or the focus leaving it.
    void Edit2EditingFinished();
    void UpdateThermometer();

    // Pressure (real air).
    void Edit3Change();
    /// Enter in the pressure field, or the focus leaving it.
    void Edit3EditingFinished();

    /// Draws what a command or a tick changed (a sum of Lab::Change flags), and keeps the
    /// notebook when it changed.
    void Show(int changes);

    Lab::Session& Session() { return session_; }
    MicroscopeView* Microscope() const { return microscope_; }
    VoltageView* Voltage() const { return voltage_; }
    ThermometerView* Thermometer() const { return thermometer_; }
    StopwatchView* Stopwatch() const { return stopwatch_; }
    PressureView* Pressure() const { return pressure_; }
    NotebookStore* Notebook() const { return notebook_; }
    NotebookWindow* NotebookView() const { return notebookWindow_; }
    const ControlSet& Controls() const { return controls_; }
    TIdozito* Scheduler() const { return Idozito; }
    QWidget* Client() const { return client_; }

    // The window's own controls; the panels' are their views'.
    QPushButton* BitBtn6 = nullptr;
    QAction* Vge1 = nullptr;
    QMenu* Mrs1 = nullptr; ///< the Measurement menu
    QAction* Jegyzfzet1 = nullptr;
    QAction* Ionizls1 = nullptr;
    QAction* Brownmozgs1 = nullptr;
    QAction* Valdilevego1 = nullptr;
    QMenu* Sg1 = nullptr;
    QAction* Nvjegy1 = nullptr;
    QAction* Lers1 = nullptr;
    QAction* Nyelv1 = nullptr;
    QAction* Tanribelltsok1 = nullptr;
    QTimer* Timer1 = nullptr;
    TIdozito* Idozito = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void ConnectHandlers();
    void Run(Command command);
    QString Identifier() const;
    /// A message that does not stop the simulation.
    void Inform(const QString& text);
    void RequestActivation();
    void KeepOnScreen();
    /// True while what a tick draws would be seen by nobody: the window cannot be seen, or more
    /// ticks follow at once.
    bool ViewUnseen() const;

    Lab::Session session_;
    QWidget* client_ = nullptr;
    ControlSet controls_;
    MicroscopeView* microscope_ = nullptr;
    VoltageView* voltage_ = nullptr;
    ThermometerView* thermometer_ = nullptr;
    StopwatchView* stopwatch_ = nullptr;
    PressureView* pressure_ = nullptr;
    CommandMenus menus_;
    bool startupPending_ = false;
    bool activationRequested_ = false;
    bool activated_ = false;
    TAboutDlg* aboutDlg_ = nullptr;
    TLanguageDlg* languageDlg_ = nullptr;
    TPasswordDlg* passwordDlg_ = nullptr;
    TTeacherDlg* teacherDlg_ = nullptr; ///< made at its first showing
    NotebookStore* notebook_ = nullptr;
    NotebookWindow* notebookWindow_ = nullptr;
    WindowVisibility* visibility_ = nullptr;
    DescriptionOpener* description_ = nullptr; ///< made at the first Description command
};
