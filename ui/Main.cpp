#include "ui/Main.h"

#include "assets/Colors.h"
#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "design/MainDesign.h"
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "ui/AbtDlg.h"
#include "ui/DescriptionOpener.h"
#include "ui/DropMarker.h"
#include "ui/Language.h"
#include "ui/NotebookWindow.h"
#include "ui/PictureImages.h"
#include "ui/PswdDlg.h"
#include "ui/layer/Captions.h"
#include "ui/layer/Fonts.h"
#include "ui/layer/MessagePump.h"
#include "ui/layer/WindowVisibility.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

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
    Image1 = controls_.Bind<TImage>("Image1");
    Image2 = controls_.Bind<TImage>("Image2");
    Image3 = controls_.Bind<TImage>("Image3");
    ScrollBar1 = controls_.Bind<QScrollBar>("ScrollBar1");
    ScrollBar2 = controls_.Bind<QScrollBar>("ScrollBar2");
    Label1 = controls_.Bind<QLabel>("Label1");
    Label2 = controls_.Bind<QLabel>("Label2");
    Label3 = controls_.Bind<QLabel>("Label3");
    Label4 = controls_.Bind<QLabel>("Label4");
    Label7 = controls_.Bind<QLabel>("Label7");
    Edit1 = controls_.Bind<QLineEdit>("Edit1");
    Edit2 = controls_.Bind<QLineEdit>("Edit2");
    Edit7 = controls_.Bind<QLineEdit>("Edit7");
    UpDown1 = controls_.Bind<TUpDown>("UpDown1");
    UpDown2 = controls_.Bind<TUpDown>("UpDown2");
    Shape1 = controls_.Bind<TShape>("Shape1");
    Shape2 = controls_.Bind<TShape>("Shape2");
    BitBtn1 = controls_.Bind<QPushButton>("BitBtn1");
    BitBtn2 = controls_.Bind<QPushButton>("BitBtn2");
    BitBtn3 = controls_.Bind<QPushButton>("BitBtn3");
    BitBtn4 = controls_.Bind<QPushButton>("BitBtn4");
    BitBtn5 = controls_.Bind<QPushButton>("BitBtn5");
    BitBtn6 = controls_.Bind<QPushButton>("BitBtn6");
    // The spin buttons step from a whole number typed into their field, read as the voltage
    // field reads it.
    const auto readInteger = [](const QString& text) -> std::optional<long long> {
        if (const auto n = Data::ParseInteger(text.toStdString())) return *n;
        return std::nullopt;
    };
    UpDown1->SetFieldReader(readInteger);
    UpDown2->SetFieldReader(readInteger);
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2})
        bar->setFocusPolicy(Qt::TabFocus);
    // The microscope takes the focus (by Tab, or by a click on a droplet) to follow droplets
    // from the keyboard.
    Image3->setFocusPolicy(Qt::StrongFocus);
    SetTabOrder(controls_, MainDesign::KeyboardOrder());
    BuildMenu();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    ConnectHandlers();
    SetUpMeasurement();
    SetUpAccessibility();
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() {
    // The tick must not reach a window that no longer exists.
    Data::ViewRefreshHook = nullptr;
    Data::StopwatchDisplayHook = nullptr;
    for (Data::TDroplet& d : Data::Drops)
        d.Marker = nullptr;
}

void TForm1::SetDialogs(TAboutDlg* about, TLanguageDlg* language, TPasswordDlg* password) {
    aboutDlg_ = about;
    languageDlg_ = language;
    passwordDlg_ = password;
}

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setFont(font());
    Vge1 = bar->addAction(QString::fromUtf8(MainDesign::EndItemText));
    Vge1->setObjectName("Vge1");
    Mrs1 = bar->addMenu(QString::fromUtf8(MainDesign::MeasurementMenuText));
    Mrs1->setObjectName("Mrs1");
    Jegyzfzet1 = Mrs1->addAction(QString::fromUtf8(MainDesign::NotebookItemText));
    Jegyzfzet1->setObjectName("Jegyzfzet1");
    Mrs1->addSeparator();
    Ionizls1 = Mrs1->addAction(QString::fromUtf8(MainDesign::IoniseItemText));
    Ionizls1->setObjectName("Ionizls1");
    Brownmozgs1 = Mrs1->addAction(QString::fromUtf8(MainDesign::BrownianItemText));
    Brownmozgs1->setObjectName("Brownmozgs1");
    Brownmozgs1->setCheckable(true);
    Sg1 = bar->addMenu(QString::fromUtf8(MainDesign::HelpMenuText));
    Sg1->setObjectName("Sg1");
    Nvjegy1 = Sg1->addAction(QString::fromUtf8(MainDesign::AboutItemText));
    Nvjegy1->setObjectName("Nvjegy1");
    Lers1 = Sg1->addAction(QString::fromUtf8(MainDesign::DescriptionItemText));
    Lers1->setObjectName("Lers1");
    Sg1->addSeparator();
    Nyelv1 = Sg1->addAction(QString::fromUtf8(MainDesign::LanguageItemText));
    Nyelv1->setObjectName("Nyelv1");
}

void TForm1::ConnectHandlers() {
    connect(Vge1, &QAction::triggered, this, &TForm1::Vge1Click);
    connect(Nvjegy1, &QAction::triggered, this, &TForm1::Nvjegy1Click);
    connect(Lers1, &QAction::triggered, this, &TForm1::Sg1Click);
    connect(Nyelv1, &QAction::triggered, this, &TForm1::LanguageItemClick);
    // A close-kind button closes its window without a click handler of its own.
    connect(BitBtn6, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(Edit7, &QLineEdit::textChanged, this, &TForm1::Edit7Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(Edit2, &QLineEdit::editingFinished, this, &TForm1::Edit2EditingFinished);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar1Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TForm1::ScrollBar2Change);
}

void TForm1::FormCreate() {
    startupPending_ = true;
    Label1->setText(" 0,200 mm");
    Label1->adjustSize();
    Label2->setText(" 0,200 mm");
    Label2->adjustSize();
    Image2->NewBitmap(Image2->width(), Image2->height());
    // The scheduler lives as long as the window, which releases it at the end of the program.
    Idozito = new TIdozito(this);
    CreateDropletMarkers();
    Data::StopStopwatch();
    Data::ViewRefreshHook = [this] { RefreshView(); };
    Data::StopwatchDisplayHook = [this](const std::string& text) { ShowStopwatch(text); };
    BitBtn1->setFocus(); // the injection button has the focus when the window opens
    Image3->SetPicture(MicroscopeFieldPicture());
    Image1->SetPicture(ThermometerPicture());
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
    BitBtn1->setFocus();
    ApplyCaptions();
    PlaceDropletMarkers();
    Data::StartRun();
    DrawVoltmeter();
    UpdateThermometer();
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
    const auto text = [](int n) { return QString::fromStdString(Data::GetText(n)); };
    Vge1->setText(text(5));
    Sg1->setTitle(text(4));
    Nvjegy1->setText(text(401));
    Lers1->setText(text(17));
    Nyelv1->setText(text(18));
    Mrs1->setTitle(text(20));
    Jegyzfzet1->setText(text(21));
    Ionizls1->setText(text(22));
    Brownmozgs1->setText(text(23));
    BitBtn1->setText(text(11));
    BitBtn2->setText(text(12));
    BitBtn3->setText(text(13));
    // The End menu item carries the same text; its mnemonic key must name one command only.
    BitBtn6->setText(EscapeMnemonics(WithoutMnemonics(text(5))));
    setWindowTitle(text(200) + "   /   " + Identifier());
    SetLabelCaption(Label3, text(14));
    SetLabelCaption(Label4, text(15));
    SetLabelCaption(Label7, text(16));
    ApplyAccessibleNames();
    if (notebookWindow_) notebookWindow_->ApplyCaptions(Identifier());
}

QString TForm1::Identifier() const {
    return passwordDlg_ ? passwordDlg_->Identifier() : QString();
}

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
