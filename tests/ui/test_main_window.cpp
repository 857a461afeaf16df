// The main window: its built layout against the design table, the captions, the start-up timer,
// activation once per run, closing, the About box pause and the stopwatch.
#include "tests/ui/MainWindowFixture.h"
#include "ui/PressureView.h"
#include "ui/layer/BevelPanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QThread>

namespace {
QColor PixelOf(QWidget* w, int x, int y) {
    return QColor(w->grab().toImage().pixel(x, y));
}
} // namespace

TEST_F(MainWindowTest, EveryControlSitsWhereTheDesignPutsIt) {
    struct Row {
        const char* name;
        const char* parent; // "" for the window
        QRect box;          // labels size themselves to their text: only their position counts
        const char* text = nullptr; // where the design fixes it
    };
    // As built: the window's direct children sit 11 pixels lower than their stored tops.
    // clang-format off
    const Row rows[] = {
        {"Image3", "", {8, 24, 450, 450}},          {"ScrollBar1", "", {28, 486, 420, 12}},
        {"ScrollBar2", "", {472, 48, 12, 420}},     {"Label1", "", {224, 504, 0, 0}, " 0,200 mm"},
        {"Label2", "", {460, 8, 0, 0}, " 0,200 mm"}, {"Panel5", "", {505, 24, 89, 481}},
        {"Label7", "Panel5", {8, 16, 0, 0}},        {"Edit2", "Panel5", {16, 32, 49, 21}, "20"},
        {"UpDown2", "Panel5", {65, 32, 16, 21}},    {"Image1", "Panel5", {16, 64, 57, 393}},
        {"Shape2", "Panel5", {30, 318, 5, 65}},     {"Panel1", "", {601, 24, 161, 57}},
        {"BitBtn1", "Panel1", {24, 16, 121, 25}},   {"Panel3", "", {602, 88, 161, 145}},
        {"Label4", "Panel3", {48, 8, 0, 0}}, {"Edit1", "Panel3", {32, 40, 105, 37}, "00:00,0"},
        {"Label6", "Panel3", {40, 80, 0, 0}, "min."}, {"Label5", "Panel3", {80, 80, 0, 0}, "sec."},
        {"BitBtn4", "Panel3", {12, 104, 75, 25}, "Start/Reset"},
        {"BitBtn5", "Panel3", {92, 104, 61, 25}, "Stop"}, {"Panel2", "", {602, 240, 161, 193}},
        {"Label3", "Panel2", {16, 8, 0, 0}},        {"Edit7", "Panel2", {72, 8, 65, 21}, "0"},
        {"UpDown1", "Panel2", {137, 8, 16, 21}},    {"Image2", "Panel2", {8, 32, 145, 105}},
        {"Shape1", "Panel2", {120, 136, 10, 10}},   {"BitBtn2", "Panel2", {8, 152, 89, 25}},
        {"BitBtn3", "Panel2", {104, 152, 49, 25}},  {"Panel4", "", {602, 440, 161, 65}},
        {"BitBtn6", "Panel4", {24, 16, 121, 25}},   {"Panel6", "", {8, 502, 200, 35}},
        {"Edit3", "Panel6", {96, 7, 49, 21}, "101.3"}, {"UpDown3", "Panel6", {145, 7, 16, 21}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* w = form->findChild<QWidget*>(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(),
                  row.parent[0] ? form->findChild<QWidget*>(row.parent) : form->Client());
        const QSize size = row.box.isEmpty() ? w->size() : row.box.size();
        EXPECT_EQ(w->geometry(), QRect(row.box.topLeft(), size));
        if (row.text) {
            EXPECT_EQ(w->property("text").toString(), row.text);
        }
    }
}

TEST_F(MainWindowTest, DesignTextsColoursAndRanges) {
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Tessilar-kísérlet"));
    EXPECT_EQ(form->Voltage()->UpDown1->Max(), 995);
    EXPECT_EQ(form->Voltage()->UpDown1->Increment(), 2);
    EXPECT_EQ(form->Thermometer()->UpDown2->Position(), 20);
    for (QScrollBar* bar : {form->Microscope()->ScrollBar1, form->Microscope()->ScrollBar2}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->value(), 50);
    }
    form->show();
    EXPECT_EQ(PixelOf(form->Client(), 3, 3), QColor(0, 128, 128));
    QWidget* panel = form->Controls().Find("Panel4");
    EXPECT_EQ(PixelOf(panel, 8, 8), QColor(192, 192, 192));
    EXPECT_EQ(PixelOf(panel, 0, 0), QColor(255, 255, 255)); // raised bevels
    EXPECT_EQ(PixelOf(panel, 160, 64), QColor(128, 128, 128));
    EXPECT_EQ(form->Stopwatch()->Edit1->palette().color(QPalette::Base), QColor(0, 0, 128));
    EXPECT_EQ(form->Stopwatch()->Edit1->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_EQ(form->Stopwatch()->Edit1->font().pixelSize(), 24);
    EXPECT_TRUE(form->Stopwatch()->Edit1->font().bold());
    EXPECT_TRUE(form->Microscope()->Label1->font().bold());
    EXPECT_EQ(form->Microscope()->Label1->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_EQ(QColor(form->Voltage()->Shape1->BrushColor()), QColor(0, 128, 128));
    form->hide();
}

TEST_F(MainWindowTest, WindowHasCloseBoxButNoMinimiseOrMaximise) {
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->pos(), QPoint(475, 124));
}

TEST_F(MainWindowTest, KeyboardOrderRunsThroughThePanels) {
    // Injection, the microscope, voltage supply, view, stopwatch, exit, temperature, with real
    // air the pressure, and round to the first.
    for (const bool realAir : {false, true}) {
        SCOPED_TRACE(realAir);
        form->Show(form->Session().SetRealAir(realAir));
        std::vector<const QWidget*> order = {
            form->Microscope()->BitBtn1,    form->Microscope()->Image3,
            form->Voltage()->BitBtn2,       form->Voltage()->BitBtn3,
            form->Voltage()->Edit7,         form->Voltage()->UpDown1,
            form->Microscope()->ScrollBar1, form->Microscope()->ScrollBar2,
            form->Stopwatch()->Edit1,       form->Stopwatch()->BitBtn4,
            form->Stopwatch()->BitBtn5,     form->BitBtn6,
            form->Thermometer()->Edit2,     form->Thermometer()->UpDown2};
        if (realAir)
            order.insert(order.end(), {form->Pressure()->Edit3, form->Pressure()->UpDown3});
        order.push_back(form->Microscope()->BitBtn1);
        QWidget* w = form->Microscope()->BitBtn1;
        for (const QWidget* expected : order) {
            EXPECT_EQ(w, expected) << w->objectName().toStdString();
            // As the Tab key goes: past what takes no focus and what is hidden.
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(form.get()));
        }
    }
}

TEST_F(MainWindowTest, MenuHasEndMeasurementAndHelpWithAboutDescriptionAndLanguage) {
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0], form->Vge1);
    EXPECT_EQ(top[1]->menu(), form->Mrs1);
    EXPECT_TRUE(form->Mrs1->actions().contains(form->Jegyzfzet1));
    EXPECT_EQ(top[2]->menu(), form->Sg1);
    const QList<QAction*> items = form->Sg1->actions();
    EXPECT_TRUE(items.contains(form->Nvjegy1));
    EXPECT_TRUE(items.contains(form->Lers1));
    EXPECT_TRUE(items.contains(form->Nyelv1));
}

TEST_F(MainWindowTest, StartupTimerSizesTheWindowOnceAndStops) {
    EXPECT_EQ(form->size(), QSize(798, 564));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 1);
    QApplication::processEvents();
    for (int i = 0; i < 200 && form->Timer1->isActive(); ++i) {
        QThread::msleep(2);
        QApplication::processEvents();
    }
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->size(), QSize(800, 600));
    form->resize(640, 480);
    form->Timer1Timer(); // nothing pending any more
    EXPECT_EQ(form->size(), QSize(640, 480));
}

TEST_F(MainWindowTest, CaptionsComeFromTheCatalogueWithTheIdentifierInTheTitle) {
    WriteCatalogue("S0005=&Vége\nS0004=&Súgó\nS0401=Névjegy\nS0017=&Leírás\nS0018=&Nyelv\n"
                   "S0011=&Befecskendezés\nS0012=&Pólusváltás\nS0013=Be/&Ki\nS0014=Feszültség\n"
                   "S0015=Stopperóra\nS0016=Hőmérséklet\nS0200=Tessilar-kísérlet\n");
    password->Password->setText("Kovács Anna");
    form->ApplyCaptions();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Tessilar-kísérlet   /   Kovács Anna"));
    EXPECT_EQ(form->Vge1->text(), QString::fromUtf8("&Vége"));
    // The exit button shows the same text without claiming the menu item's mnemonic key.
    EXPECT_EQ(form->BitBtn6->text(), QString::fromUtf8("Vége"));
    EXPECT_EQ(form->Sg1->title(), QString::fromUtf8("&Súgó"));
    EXPECT_EQ(form->Voltage()->BitBtn2->text(), QString::fromUtf8("&Pólusváltás"));
    EXPECT_EQ(form->Thermometer()->Label7->text(), QString::fromUtf8("Hőmérséklet"));
    EXPECT_EQ(form->Stopwatch()->Label4->text(), QString::fromUtf8("Stopperóra"));
}

TEST_F(MainWindowTest, MissingCatalogueShowsNoneEverywhere) {
    password->Password->setText("anna");
    form->ApplyCaptions();
    EXPECT_EQ(form->windowTitle(), "None   /   anna");
    for (QString text :
         {form->Vge1->text(), form->Sg1->title(), form->Nvjegy1->text(), form->Lers1->text(),
          form->Microscope()->BitBtn1->text(), form->Voltage()->BitBtn2->text(),
          form->Voltage()->BitBtn3->text(), form->BitBtn6->text(), form->Voltage()->Label3->text(),
          form->Stopwatch()->Label4->text(), form->Thermometer()->Label7->text()})
        EXPECT_EQ(text, "None");
}

TEST_F(MainWindowTest, EmptyIdentifierLeavesTheSeparatorAtTheEndOfTheTitle) {
    WriteCatalogue("S0200=Tessilar\n");
    form->ApplyCaptions();
    EXPECT_EQ(form->windowTitle(), "Tessilar   /   ");
}

TEST_F(MainWindowTest, ActivationSetsTheChamberAndRunsTheSimulationUntilClosed) {
    Data::PlateVoltage = 123; // activation leaves the plate voltage alone
    form->show();
    double timeInside = -1;
    RunActivated(300, [&] {
        timeInside = Data::SimTime;
        form->activateWindow(); // as a window manager would, if the platform has not
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        EXPECT_EQ(QApplication::focusWidget(), form->Microscope()->BitBtn1);
        EXPECT_EQ(Data::AmbientTemp, 293.0);
        EXPECT_EQ(Data::PrevTemp, 293.0);
        EXPECT_FALSE(Data::VoltageOn);
        EXPECT_TRUE(Data::PolarityPositive);
        EXPECT_EQ(Data::VoltageSetting, 0.0);
        EXPECT_EQ(Data::PlateVoltage, 123.0);
        EXPECT_TRUE(form->Scheduler()->Running);
    });
    EXPECT_GT(timeInside, 0.05); // ticks ran while the window was open
    EXPECT_EQ(form->Scheduler()->IntervalMs, 10u);
    EXPECT_FALSE(form->Scheduler()->Running);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Data::CurTemp, 293.0);
}

TEST_F(MainWindowTest, ActivationRunsOncePerRunEvenWhenNoWindowManagerActivates) {
    int ticksSeen = 0;
    QTimer::singleShot(250, form.get(), [&] {
        EXPECT_TRUE(form->Activated());
        ticksSeen = static_cast<int>(Data::SimTime / 0.01);
        // A second activation (focus regained) must not start another loop or reset anything.
        Data::AmbientTemp = 300;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activate);
        form->FormActivate();
        QApplication::processEvents();
        EXPECT_EQ(Data::AmbientTemp, 300.0);
        form->close();
    });
    // Shown without any window manager: the activation runs when the event loop is idle.
    form->show();
    for (int i = 0; i < 500 && form->isVisible(); ++i) {
        QThread::msleep(2);
        QApplication::processEvents();
    }
    EXPECT_TRUE(form->Activated());
    EXPECT_GT(ticksSeen, 3);
    EXPECT_FALSE(form->Scheduler()->Running);
}

TEST_F(MainWindowTest, AboutBoxFreezesSimulatedTimeAndChangesNothingElse) {
    form->show();
    double before = -1, after = -1;
    std::string stopwatchBefore, stopwatchAfter;
    RunActivated(150, [&] {
        form->BitBtn4Click();
        Data::AmbientTemp = 303;
        QTimer::singleShot(50, [&] {
            before = Data::SimTime;
            stopwatchBefore = form->Stopwatch()->Edit1->text().toStdString();
            // While the About box is open for 300 ms no tick may run.
            QTimer::singleShot(300, [&] {
                after = Data::SimTime;
                stopwatchAfter = form->Stopwatch()->Edit1->text().toStdString();
                about->done(mrOk);
            });
        });
        form->Nvjegy1Click();
        EXPECT_EQ(Data::AmbientTemp, 303.0);
        EXPECT_TRUE(Data::StopwatchRunning);
    });
    EXPECT_GE(before, 0.0);
    EXPECT_EQ(before, after);
    EXPECT_EQ(stopwatchBefore, stopwatchAfter);
}

TEST_F(MainWindowTest, StopwatchStartsRestartsAndStopsInSimulatedTime) {
    ActivateWithoutLoop();
    Data::SimTime = 12.34;
    form->BitBtn4Click();
    EXPECT_EQ(form->Stopwatch()->Edit1->text(), "00:00,0"); // the display changes at the next tick
    for (int i = 0; i < 305; ++i)
        Data::SimulationTick();
    EXPECT_EQ(form->Stopwatch()->Edit1->text(), "00:03,0  ");
    form->BitBtn4Click(); // restart while running: from zero again
    Data::SimulationTick();
    EXPECT_EQ(form->Stopwatch()->Edit1->text(), "00:00,0  ");
    for (int i = 0; i < 154; ++i)
        Data::SimulationTick();
    form->BitBtn5Click();
    const QString stopped = form->Stopwatch()->Edit1->text();
    EXPECT_EQ(stopped, "00:01,5  ");
    for (int i = 0; i < 100; ++i)
        Data::SimulationTick();
    EXPECT_EQ(form->Stopwatch()->Edit1->text(), stopped); // stop keeps the last value shown
    form->BitBtn4Click();
    Data::SimulationTick();
    EXPECT_EQ(form->Stopwatch()->Edit1->text(), "00:00,0  ");
}

TEST_F(MainWindowTest, EndCommandClosesTheWindowThroughTheCloseStep) {
    form->show();
    bool closedByEnd = false;
    QTimer::singleShot(150, form.get(), [&] {
        form->Vge1Click();
        closedByEnd = !form->isVisible();
    });
    form->FormActivate(); // returns once the close step has stopped the scheduler
    EXPECT_TRUE(closedByEnd);
    EXPECT_FALSE(form->Scheduler()->Running);
}

TEST_F(MainWindowTest, LanguageChoiceAppliesTheCaptionsAtOnce) {
    WriteCatalogue("S0011=&Befecskendezés\n");
    WriteCatalogue("S0011=&Inject droplets\n", "English");
    form->ApplyCaptions();
    EXPECT_EQ(form->Microscope()->BitBtn1->text(), QString::fromUtf8("&Befecskendezés"));
    QTimer::singleShot(50, [&] {
        language->ComboBox1->setCurrentText("English");
        language->BitBtn1Click();
    });
    form->LanguageItemClick();
    EXPECT_EQ(form->Microscope()->BitBtn1->text(), "&Inject droplets");
}

TEST_F(MainWindowTest, WindowClosedBeforeItsActivationNeverStartsTheLoop) {
    form->show();
    form->close(); // the queued activation comes round after the window is gone
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    EXPECT_FALSE(form->Scheduler()->Running);
    EXPECT_EQ(Data::SimTime, 0.0);
}

TEST_F(MainWindowTest, SleepsUntilInputOnlyWhileNothingInTheWindowCanChange) {
    struct Case {
        const char* what;
        void (*set)();
        bool asleep;
    };
    const Case cases[] = {
        {"an empty chamber, settled, the stopwatch stopped", [] {}, true},
        {"the stopwatch running", [] { Data::StartStopwatch(); }, false},
        {"droplets in the chamber", [] { Data::InjectAllDroplets(); }, false},
        {"the air warming, the column still to rise", [] { Data::SetAmbientTemperature(45); },
         false},
        // 20.2 °C puts the column's top on the same pixel as 20 °C does.
        {"the air warming within the column's last pixel",
         [] { Data::SetAmbientTemperature(20.2); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Data::ResetChamber();
        Data::StartRun();
        c.set();
        Data::SimulationTick();
        EXPECT_EQ(form->TicksTogether() == TIdozito::AllTogether, c.asleep);
    }
}
