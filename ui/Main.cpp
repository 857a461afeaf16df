#include "ui/Main.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "design/MainDesign.h"
#include "lab/ClassCode.h"
#include "model/Data.h"
#include "notebook/NotebookStore.h"
#include "ui/AbtDlg.h"
#include "ui/DescriptionOpener.h"
#include "ui/Language.h"
#include "ui/MicroscopeView.h"
#include "ui/NotebookWindow.h"
#include "ui/PressureView.h"
#include "ui/PswdDlg.h"
#include "ui/StopwatchView.h"
#include "ui/TeacherDlg.h"
#include "ui/ThermometerView.h"
#include "ui/VoltageView.h"
#include "ui/Warning.h"
#include "ui/layer/FocusRing.h"
#include "ui/layer/Fonts.h"
#include "ui/layer/MessagePump.h"
#include "ui/layer/UpDown.h"
#include "ui/layer/WindowVisibility.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

namespace {
QString Text(int n, std::initializer_list<std::string_view> places = {}) {
    return QString::fromStdString(Data::GetText(n, places));
}
} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName("Form1");
    setFont(DefaultFont());
    setWindowTitle(QString::fromUtf8(MainDesign::DesignTitle));
    move(MainDesign::DesignLeft, MainDesign::DesignTop);
    resize(MainDesign::DesignWidth, MainDesign::DesignHeight);

    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    SetBackgroundColor(client_, MainDesign::ClientColor);
    setCentralWidget(client_);

    controls_ = BuildControls(client_, MainDesign::Controls(), MainDesign::WindowChildShift);
    microscope_ = new MicroscopeView(client_, controls_, session_);
    voltage_ = new VoltageView(client_, controls_, session_);
    thermometer_ = new ThermometerView(client_, controls_, session_);
    stopwatch_ = new StopwatchView(client_, controls_, session_);
    pressure_ = new PressureView(client_, controls_, session_);
    BitBtn6 = controls_.Bind<QPushButton>("BitBtn6");
    SetTabOrder(controls_, MainDesign::KeyboardOrder());
    BuildMenu();
    new FocusRing(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    notebook_ = new NotebookStore(this);
    ConnectHandlers();
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() {
    // The tick must not reach a window that no longer exists.
    session_.Detach();
}

void TForm1::SetDialogs(TAboutDlg* about, TLanguageDlg* language, TPasswordDlg* password) {
    aboutDlg_ = about;
    languageDlg_ = language;
    passwordDlg_ = password;
}

void TForm1::BuildMenu() {
    menuBar()->setFont(font());
    const auto run = [this](Command command) { Run(command); };
    menus_ = BuildCommandMenus(menuBar(), run);
    BindCommandKeys(this, run);
    Vge1 = menus_.Items.at(Command::End);
    Mrs1 = menus_.Menus.at("Mrs1");
    Jegyzfzet1 = menus_.Items.at(Command::Notebook);
    Ionizls1 = menus_.Items.at(Command::Ionise);
    Brownmozgs1 = menus_.Items.at(Command::BrownianMotion);
    Valdilevego1 = menus_.Items.at(Command::RealAir);
    Sg1 = menus_.Menus.at("Sg1");
    Nvjegy1 = menus_.Items.at(Command::About);
    Lers1 = menus_.Items.at(Command::Guide);
    Nyelv1 = menus_.Items.at(Command::Language);
    Tanribelltsok1 = menus_.Items.at(Command::TeacherSettings);
}

void TForm1::Run(Command command) {
    switch (command) {
    case Command::End:
        return Vge1Click();
    case Command::About:
        return Nvjegy1Click();
    case Command::Guide:
        return Sg1Click();
    case Command::Language:
        return LanguageItemClick();
    case Command::StartStopwatch:
        return BitBtn4Click();
    case Command::StopStopwatch:
        return BitBtn5Click();
    case Command::Notebook:
        return Jegyzfzet1Click();
    case Command::Record:
        return RecordTiming();
    case Command::Ionise:
        return Ionizls1Click();
    case Command::BrownianMotion:
        return Brownmozgs1Click();
    case Command::RealAir:
        return Valdilevego1Click();
    case Command::TeacherSettings:
        return Tanribelltsok1Click();
    }
}

void TForm1::ConnectHandlers() {
    // A close-kind button closes its window without a click handler of its own.
    connect(BitBtn6, &QPushButton::clicked, this, &QWidget::close);
    connect(stopwatch_->BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(stopwatch_->BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(microscope_->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(voltage_->BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(voltage_->BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(voltage_->Edit7, &QLineEdit::textChanged, this, &TForm1::Edit7Change);
    connect(thermometer_->Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(thermometer_->Edit2, &QLineEdit::editingFinished, this, &TForm1::Edit2EditingFinished);
    connect(pressure_->Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(pressure_->Edit3, &QLineEdit::editingFinished, this, &TForm1::Edit3EditingFinished);
    connect(microscope_->ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar1Change);
    connect(microscope_->ScrollBar2, &QScrollBar::valueChanged, this, &TForm1::ScrollBar2Change);
    connect(microscope_, &MicroscopeView::Clicked, this, &TForm1::SelectDropletAt);
    connect(microscope_, &MicroscopeView::KeyPressed, this, &TForm1::MicroscopeKey);
    const std::pair<TUpDown*, Lab::Field> spinButtons[] = {
        {voltage_->UpDown1, Lab::Field::Voltage},
        {thermometer_->UpDown2, Lab::Field::Temperature},
        {pressure_->UpDown3, Lab::Field::Pressure}};
    for (const auto& [upDown, field] : spinButtons) {
        connect(upDown, &TUpDown::StepRequested, this,
                [this, field](int direction) { Show(session_.Spin(field, direction)); });
        connect(upDown, &TUpDown::MoveRequested, this,
                [this, field](int position) { Show(session_.SpinTo(field, position)); });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TForm1::ClearDropletSelection);
    connect(notebook_, &NotebookStore::OpenProblem, this,
            [this](const QString& path, const QString& aside, const QString& problem) {
                const std::string file = path.toStdString(), why = problem.toStdString();
                Inform(aside.isEmpty()
                           ? Text(Texts::NotebookLeftAlone, {file, why})
                           : Text(Texts::NotebookSetAside, {file, why, aside.toStdString()}));
            });
    connect(notebook_, &NotebookStore::WriteProblem, this,
            [this](const QString& path, const QString& problem) {
                Inform(Text(Texts::NotebookNotSaved, {path.toStdString(), problem.toStdString()}));
            });
}

// --- Lifecycle ----------------------------------------------------------------------------------

void TForm1::FormCreate() {
    startupPending_ = true;
    microscope_->DrawReadouts();
    // The scheduler lives as long as the window, which releases it at the end of the program.
    Idozito = new TIdozito(this);
    CreateDropletMarkers();
    Data::StopStopwatch();
    // The tick's two ways out reach the window through the session, which draws only what can be
    // seen and catches up once the window can be seen again.
    session_.Attach({.Seen = [this] { return !ViewUnseen(); }, .Draw = [this](int c) { Show(c); }});
    microscope_->BitBtn1->setFocus(); // the injection button has the focus when the window opens
}

void TForm1::Timer1Timer() {
    if (!startupPending_) return;
    Data::Randomize();
    resize(MainDesign::StartWidth, MainDesign::StartHeight);
    KeepOnScreen();
    Timer1->stop();
    startupPending_ = false;
}

void TForm1::KeepOnScreen() {
    // The designed position suits screens of 1280 x 900 and more; on a smaller (or scaled)
    // screen the window moves just enough to be seen whole, or at least from its top-left.
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    int x = std::min(frame.x(), area.right() + 1 - frame.width());
    int y = std::min(frame.y(), area.bottom() + 1 - frame.height());
    x = std::max(x, area.x());
    y = std::max(y, area.y());
    if (QPoint(x, y) != frame.topLeft()) move(x, y);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) RequestActivation();
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager a window is never activated: then the activation step runs as
    // soon as the event loop is idle after showing.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) RequestActivation();
    });
}

void TForm1::RequestActivation() {
    if (activationRequested_) return;
    activationRequested_ = true;
    // Run from the event loop rather than inside the event handler that noticed it, because the
    // activation step runs the scheduler's loop until the window closes.
    QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

void TForm1::FormActivate() {
    if (activated_) return;
    activated_ = true;
    // A window closed before its activation came round must not start the loop: nothing could
    // stop it any more.
    if (!isVisible()) return;
    microscope_->BitBtn1->setFocus();
    ApplyCaptions();
    Show(session_.BeginRun());
    ApplyTeacherSettings();
    OpenNotebook();
    visibility_ = new WindowVisibility(this);
    Idozito->Setup(static_cast<std::uint32_t>(Data::TickPeriod / 0.001), &Data::SimulationTick);
    // Ticks that show nothing may come a few at a time, as long as every one that changes the
    // view comes on its own time: simulated time keeps its pace, the program wakes less often.
    Idozito->SetFiringsTogether([this] { return TicksTogether(); });
    Idozito->Start();
}

bool TForm1::FormCloseQuery() {
    Idozito->Stop();
    ProcessMessages();
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TForm1::ApplyCaptions() {
    ApplyDesignCaptions(controls_, MainDesign::Controls());
    ApplyCommandCaptions(menus_);
    setWindowTitle(QString::fromStdString(
        Data::TitleWithIdentifier(MainDesign::TitleCaption, Identifier().toStdString())));
    microscope_->ApplyNames();
    voltage_->ApplyNames();
    thermometer_->ApplyNames();
    stopwatch_->ApplyNames();
    pressure_->ApplyNames();
    if (notebookWindow_) notebookWindow_->ApplyCaptions(Identifier());
}

QString TForm1::Identifier() const {
    return passwordDlg_ ? passwordDlg_->Identifier() : QString();
}

std::uint32_t TForm1::TicksTogether() const {
    if (visibility_ && !visibility_->Seen()) return TIdozito::AllTogether;
    const int quiet = session_.QuietTicks(static_cast<int>(TIdozito::MostFiringsTogether));
    return quiet == Lab::Session::UntilInput ? TIdozito::AllTogether
                                             : static_cast<std::uint32_t>(quiet);
}

bool TForm1::ViewUnseen() const {
    // A tick followed at once by more of its group is seen by nobody: the last one shows.
    return (visibility_ && !visibility_->Seen()) || Idozito->FiringsLeft() > 0;
}

void TForm1::Show(int changes) {
    using namespace Lab;
    if (changes & ChangedMarkers) microscope_->DrawMarkers();
    if (changes & ChangedReadouts) microscope_->DrawReadouts();
    if (changes & ChangedDescription) microscope_->Describe();
    if (changes & ChangedSupply) voltage_->DrawSupply();
    if (changes & ChangedVoltageField) voltage_->DrawField();
    if (changes & ChangedColumn) thermometer_->DrawColumn();
    if (changes & ChangedTemperatureField) thermometer_->DrawField();
    if (changes & ChangedStopwatch) stopwatch_->Draw();
    if (changes & ChangedAnnouncement) stopwatch_->Announce();
    if (changes & ChangedBrownian) Brownmozgs1->setChecked(Data::BrownianMotion);
    if (changes & ChangedRealAir) {
        Valdilevego1->setChecked(Data::RealAir);
        pressure_->DrawShown();
        // The notebook's pressure column is shown while the chamber holds real air.
        if (notebookWindow_) notebookWindow_->Draw();
    }
    if (changes & ChangedPressureField) pressure_->DrawField();
    if (changes & ChangedNotebook) {
        notebook_->Keep(session_.Rows(), session_.BurstMarks());
        if (notebookWindow_) notebookWindow_->Draw();
    }
}

// --- Commands -----------------------------------------------------------------------------------

void TForm1::Vge1Click() {
    BitBtn6->click();
}

void TForm1::Nvjegy1Click() {
    if (aboutDlg_) aboutDlg_->ShowModal();
}

void TForm1::Sg1Click() {
    // With the system's viewer where there is one, else in a window of the program's own.
    if (!description_) description_ = new DescriptionOpener(this);
    description_->Open();
}

void TForm1::LanguageItemClick() {
    if (languageDlg_ && languageDlg_->ShowModal() == mrOk) ApplyCaptions();
}

void TForm1::Tanribelltsok1Click() {
    if (!teacherDlg_) teacherDlg_ = new TTeacherDlg(this);
    teacherDlg_->ShowModal();
}

void TForm1::BitBtn4Click() {
    Show(session_.StartStopwatch());
}

void TForm1::BitBtn5Click() {
    Show(session_.StopStopwatch());
}

void TForm1::Edit7Change() {
    Show(session_.FieldChanged(Lab::Field::Voltage, voltage_->Edit7->text().toStdString(),
                               Lab::Edit::Typed));
}

void TForm1::BitBtn2Click() {
    Show(session_.ReversePolarity());
}

void TForm1::BitBtn3Click() {
    Show(session_.SwitchSupply());
}

void TForm1::ApplyVoltage() {
    Data::ApplySupply();
    Show(Lab::ChangedSupply);
}

void TForm1::DrawVoltmeter() {
    voltage_->DrawVoltmeter();
}

void TForm1::CreateDropletMarkers() {
    Data::ClearDroplets();
    microscope_->CreateMarkers();
}

void TForm1::PlaceDropletMarkers() {
    session_.TakeMarkers();
    microscope_->DrawMarkers();
}

void TForm1::BitBtn1Click() {
    Show(session_.Inject());
}

void TForm1::ScrollBar1Change() {
    Show(session_.ShiftView(Lab::Axis::Across, microscope_->ScrollBar1->value()));
}

void TForm1::ScrollBar2Change() {
    Show(session_.ShiftView(Lab::Axis::UpDown, microscope_->ScrollBar2->value()));
}

void TForm1::SelectDropletAt(QPoint offset) {
    Show(session_.FollowAt(offset.x(), offset.y(), MainDesign::Microscope::ClickReach));
}

void TForm1::ClearDropletSelection() {
    Show(session_.LetGo());
}

void TForm1::MicroscopeKey(const QString& name) {
    if (name == "Escape") return ClearDropletSelection();
    if (const auto key = Lab::Session::FollowKeyNamed(name.toStdString()))
        Show(session_.Follow(*key));
}

void TForm1::DescribeMicroscope() {
    microscope_->Describe();
}

void TForm1::RecordTiming() {
    Show(session_.Record());
}

void TForm1::Jegyzfzet1Click() {
    if (!notebookWindow_) {
        notebookWindow_ = new NotebookWindow(session_, this);
        connect(notebookWindow_, &NotebookWindow::Commanded, this, &TForm1::Show);
        notebookWindow_->ApplyCaptions(Identifier());
    }
    notebookWindow_->Draw();
    notebookWindow_->ShowAndRaise();
}

void TForm1::Ionizls1Click() {
    Show(session_.Ionise());
}

void TForm1::Brownmozgs1Click() {
    Show(session_.SetBrownianMotion(Brownmozgs1->isChecked()));
}

void TForm1::Valdilevego1Click() {
    Show(session_.SetRealAir(Valdilevego1->isChecked()));
}

void TForm1::ApplyTeacherSettings() {
    // A teacher may switch the jitter and real air on from the start, and leave radius and charge
    // to the students, in the program folder's catalogue. Nothing the student wrote changes, so
    // the notebook is only drawn again.
    const int changes =
        session_.SetBrownianMotion(Data::ProgramSwitch("Settings", "BrownianMotion", false)) |
        session_.SetRealAir(Data::ProgramSwitch("Settings", "RealAir", false)) |
        session_.SetAskedDroplets(
            Lab::SettingsOfProgramFolder().Droplets.value_or(Lab::DefaultDroplets)) |
        session_.SetCalculations(Data::ProgramSwitch("Notebook", "Calculations", true));
    // The class code that makes each student's chamber their own; one that cannot be used is
    // said, and the chamber is sprayed at random.
    if (const auto code = Data::ProgramSetting("Assessment", "ClassCode")) {
        if (const auto fault = Lab::ClassCodeFaultOf(*code))
            Inform(Text(Texts::ClassCodeUnusable, {*code, Lab::Describe(*fault)}));
        session_.SetClassCode(*code);
    }
    Show(changes & ~Lab::ChangedNotebook);
    if (notebookWindow_) notebookWindow_->Draw();
}

void TForm1::OpenNotebook() {
    // The identifier's notebook, and the identifier the rows recorded from now on name.
    session_.SetStudent(Identifier().toStdString());
    Notebook::Opened opened = notebook_->OpenFor(Identifier());
    // Opening writes nothing: the file stays as it was until the notebook changes.
    Show(session_.OpenNotebook(std::move(opened.Rows), opened.Marks) & ~Lab::ChangedNotebook);
    if (notebookWindow_) notebookWindow_->Draw();
}

void TForm1::Edit2Change() {
    QLineEdit* field = thermometer_->Edit2;
    Show(session_.FieldChanged(Lab::Field::Temperature, field->text().toStdString(),
                               field->isModified() ? Lab::Edit::Typed : Lab::Edit::Written));
}

void TForm1::Edit2EditingFinished() {
    // Enter or leaving the field: the field shows the value in force, whatever was left in it.
    Show(session_.EditingFinished(Lab::Field::Temperature));
}

void TForm1::Edit3Change() {
    QLineEdit* field = pressure_->Edit3;
    Show(session_.FieldChanged(Lab::Field::Pressure, field->text().toStdString(),
                               field->isModified() ? Lab::Edit::Typed : Lab::Edit::Written));
}

void TForm1::Edit3EditingFinished() {
    Show(session_.EditingFinished(Lab::Field::Pressure));
}

void TForm1::UpdateThermometer() {
    session_.TakeColumn();
    thermometer_->DrawColumn();
}

void TForm1::Inform(const QString& text) {
    QMessageBox* box = NewWarning(this, Text(Texts::NotebookTitle), text);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
