#pragma once
// TForm1: the experiment bench. The microscope view on the left, the temperature column in the
// middle and, on the right, the injection, stopwatch, voltage supply and exit panels. This class
// owns the window's lifecycle (creation, start-up timer, activation, close) and its commands;
// each panel's behaviour lives in a file of its own (MainMicroscope, MainVoltage,
// MainThermometer, MainStopwatch).

#include "scheduler/Idozit.h"
#include "ui/layer/BevelPanel.h"
#include "ui/layer/Layout.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"
#include "ui/layer/UpDown.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <memory>

class DescriptionOpener;
class MarkerLayer;
class NotebookStore;
class NotebookWindow;
class TAboutDlg;
class TLanguageDlg;
class TPasswordDlg;
class QAction;
class QMenu;
class QShortcut;
class QKeyEvent;
namespace Data {
struct NotebookRow;
}
class WindowVisibility;

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

    // Stopwatch.
    void BitBtn4Click();
    void BitBtn5Click();
    void ShowStopwatch(const std::string& text);
    /// The tick's view refresh: the droplet markers, then the thermometer column. While nobody
    /// can see the window nothing is drawn; it is all brought up to date once it can be seen.
    void RefreshView();
    /// How many of the next ticks may run together after one wake-up, all but the last showing
    /// nothing: a few while no droplet can come into view, the thermometer is settled and the
    /// stopwatch's next change is a few ticks away; all that pass until the next input or the
    /// window can be seen again while it cannot be seen, or while nothing in it can change.
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
    /// Selects the droplet whose marker is nearest to a click at `point` (window coordinates)
    /// within a few pixels, or none.
    void SelectDropletAt(QPoint point);
    /// Follows no droplet any more.
    void ClearDropletSelection();
    /// A key pressed on the focused microscope: Space or Enter follows the droplet nearest the
    /// centre, an arrow the nearest droplet that way, Esc none. False for any other key.
    bool MicroscopeKey(const QKeyEvent* key);
    /// Brings the microscope's description for assistive technology up to date; the window does
    /// this once a second and at once after the student's own choices.
    void DescribeMicroscope();
    QString MicroscopeDescriptionShown() const { return microscopeDescription_; }
    /// Records the stopwatch reading as a new notebook row.
    void RecordTiming();
    /// The Notebook menu item: shows the notebook window or brings it to the front.
    void Jegyzfzet1Click();
    /// The Ionise menu item (F9): one burst of the ionising source.
    void Ionizls1Click();
    /// The Brownian motion menu item: switches the droplets' thermal jitter on or off.
    void Brownmozgs1Click();
    /// Opens the notebook kept for the identifier.
    void OpenNotebook();
    /// A teacher's choices in the program folder's catalogue: Brownian motion from the start,
    /// and whether the notebook works out radius and charge.
    void ApplyTeacherSettings();
    NotebookStore* Notebook() const { return notebook_; }
    NotebookWindow* NotebookView() const { return notebookWindow_; }

    // Temperature.
    void Edit2Change();
    /// Enter in the temperature field, or the focus leaving it.
    void Edit2EditingFinished();
    void UpdateThermometer();
    /// True when the thermometer's column will not move again while the set temperature stays.
    bool ThermometerSettled() const;

    const ControlSet& Controls() const { return controls_; }
    TIdozito* Scheduler() const { return Idozito; }
    QWidget* Client() const { return client_; }

    // The controls the handlers use.
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit7 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TUpDown* UpDown2 = nullptr;
    TShape* Shape1 = nullptr;
    TShape* Shape2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QAction* Vge1 = nullptr;
    QMenu* Mrs1 = nullptr; ///< the Measurement menu
    QAction* Jegyzfzet1 = nullptr;
    QAction* Ionizls1 = nullptr;
    QAction* Brownmozgs1 = nullptr;
    QMenu* Sg1 = nullptr;
    QAction* Nvjegy1 = nullptr;
    QAction* Lers1 = nullptr;
    QAction* Nyelv1 = nullptr;
    QTimer* Timer1 = nullptr;
    TIdozito* Idozito = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void ConnectHandlers();
    void SetUpMeasurement();
    void SetUpAccessibility();
    /// The accessible names of the controls that show no caption of their own.
    void ApplyAccessibleNames();
    void AnnounceStopwatch();
    void AnnounceRow(const Data::NotebookRow& row, int number);
    QString Identifier() const;
    /// A message that does not stop the simulation.
    void Inform(const QString& text);
    void RequestActivation();
    void KeepOnScreen();
    /// Writes the set temperature in force into the temperature field, with two decimals.
    void ShowSetTemperature();
    /// True while what a tick draws would be seen by nobody: the window cannot be seen, or more
    /// ticks follow at once.
    bool ViewUnseen() const;

    QWidget* client_ = nullptr;
    ControlSet controls_;
    bool startupPending_ = false;
    bool activationRequested_ = false;
    bool activated_ = false;
    bool showingSetTemperature_ = false;
    TAboutDlg* aboutDlg_ = nullptr;
    TLanguageDlg* languageDlg_ = nullptr;
    TPasswordDlg* passwordDlg_ = nullptr;
    NotebookStore* notebook_ = nullptr;
    NotebookWindow* notebookWindow_ = nullptr;
    bool burstSinceLastRow_ = false;
    int sprayNumberOffset_ = 0; ///< added to the droplets' numbers 1 to 100 in the notebook
    WindowVisibility* visibility_ = nullptr;
    std::unique_ptr<MarkerLayer> markerLayer_; ///< draws the droplet markers over the field
    bool viewBehind_ = false; ///< refreshes were left out while the window could not be seen
    QString stopwatchBehind_; ///< the stopwatch text not shown while the window was unseen
    DescriptionOpener* description_ = nullptr; ///< made at the first Description command
    QString microscopeDescription_; ///< what assistive technology was last told the view shows
    QTimer* describeTimer_ = nullptr;
    /// Runs the description's timer while assistive technology is active.
    class DescriptionSwitch final : public QAccessible::ActivationObserver {
    public:
        explicit DescriptionSwitch(QTimer* timer);
        ~DescriptionSwitch() override;
        DescriptionSwitch(const DescriptionSwitch&) = delete;
        DescriptionSwitch& operator=(const DescriptionSwitch&) = delete;
        void accessibilityActiveChanged(bool active) override;

    private:
        QTimer* timer_;
    };
    std::unique_ptr<DescriptionSwitch> describeSwitch_;
};
