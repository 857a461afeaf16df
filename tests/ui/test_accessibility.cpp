// The main window for assistive technology and the keyboard: every control's role, name and
// reading as Qt's accessibility interfaces give them, the microscope followed from the keyboard
// with its description, the announcements of F6 and F8, the followed droplet's ring and the
// focus frame.
#include "model/Notebook.h"
#include "notebook/NotebookStore.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/PixelChecks.h"
#include "ui/DropMarker.h"
#include "ui/SpokenControls.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusFrame>
#include <QPaintEvent>
#include <QTest>
#include <vector>

namespace {

struct Heard {
    QObject* object;
    QAccessible::Event type;
    QString description; ///< the object's description when the event came
};
std::vector<Heard>* heard = nullptr;

void Listen(QAccessibleEvent* event) {
    if (!heard) return;
    QAccessibleInterface* iface = event->accessibleInterface();
    heard->push_back({event->object(), event->type(),
                      iface ? iface->text(QAccessible::Description) : QString()});
}

class AccessibilityTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        std::filesystem::copy_file(std::string(TESSILAR_DIST_DIR) + "/English/Tessilar.ini",
                                   folder_ / "Tessilar.ini");
        Data::CloseTextCatalogue();
        Data::DecimalSeparator = '.';
        ActivateWithoutLoop();
        form->ApplyCaptions();
        heard = &events;
        // Qt passes events on only while assistive technology listens, which it never does
        // offscreen; the spoken controls' own log shows what it would have been told.
        WatchSpokenEvents(Listen);
    }
    void TearDown() override {
        WatchSpokenEvents({});
        heard = nullptr;
        MainWindowTest::TearDown();
    }

    static QAccessibleInterface* Of(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
    static QString Said(QWidget* w, QAccessible::Text t) { return Of(w)->text(t); }
    /// Droplet i alone at (x, y) µm from the view centre, moving vy µm/s down the view.
    static void Place(int i, double x, double y, double vy = 0) {
        Data::Drops[i].Active = 1;
        Data::Drops[i].X = x * 1e-6;
        Data::Drops[i].Y = y * 1e-6;
        Data::Drops[i].VY = vy * 1e-6;
    }

    std::vector<Heard> events;
};

} // namespace

TEST_F(AccessibilityTest, EveryControlHasItsRoleNameAndReading) {
    form->Voltage()->Edit7->setText("500");
    form->BitBtn3Click(); // the supply on
    Data::CurTemp = Data::CelsiusOffset + 23.44;
    Data::StopwatchShown = 5.97;
    struct Case {
        QWidget* control;
        QAccessible::Role role;
        const char* name;
        const char* reading; // the value and, where the control has no text, the description
        double number;       // the value interface's; NaN for none
    };
    const double none = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {form->Microscope()->Image3, QAccessible::Canvas, "Microscope", "no droplet in view", none},
        {form->Voltage()->Image2, QAccessible::Dial, "Voltmeter", "500 V", 500},
        {form->Voltage()->Shape1, QAccessible::Graphic, "Supply lamp", "on", none},
        {form->Thermometer()->Image1, QAccessible::Graphic, "Thermometer", "23.4 °C", 23.44},
        {form->Stopwatch()->Edit1, QAccessible::StaticText, "Stopwatch", "5.9 s", 5.9},
        {form->Voltage()->UpDown1, QAccessible::SpinBox, "Voltage", "500", 500},
        {form->Thermometer()->UpDown2, QAccessible::SpinBox, "Temperature", "20", 20},
        {form->Voltage()->Edit7, QAccessible::EditableText, "Voltage", "500", none},
        {form->Thermometer()->Edit2, QAccessible::EditableText, "Temperature", "20", none},
        {form->Microscope()->ScrollBar1, QAccessible::ScrollBar, "View position across", "", 50},
        {form->Microscope()->ScrollBar2, QAccessible::ScrollBar, "View position up and down", "",
         50},
        {form->Microscope()->BitBtn1, QAccessible::Button, "Inject droplets", "", none},
        {form->BitBtn6, QAccessible::Button, "Exit", "", none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        QAccessibleInterface* iface = Of(c.control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.name));
        if (c.reading[0] != '\0') {
            EXPECT_EQ(iface->text(QAccessible::Value), QString::fromUtf8(c.reading));
        }
        if (c.role != QAccessible::EditableText && c.reading[0] != '\0') {
            EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(c.reading));
        }
        QAccessibleValueInterface* value = iface->valueInterface();
        EXPECT_EQ(value != nullptr, !std::isnan(c.number));
        if (value) {
            EXPECT_NEAR(value->currentValue().toDouble(), c.number, 1e-9);
        }
    }
    EXPECT_TRUE(Of(form->Microscope()->Image3)->state().focusable);
    EXPECT_FALSE(Said(form->Microscope()->Image3, QAccessible::Help).isEmpty());
    // Reversed, the voltmeter reads a negative voltage, and the voltage change was told.
    events.clear();
    form->BitBtn2Click();
    EXPECT_EQ(Said(form->Voltage()->Image2, QAccessible::Value), "-500 V");
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&](const Heard& h) {
        return h.object == form->Voltage()->Image2 && h.type == QAccessible::ValueChanged;
    }));
}

TEST_F(AccessibilityTest, TheKeyboardFollowsDropletsAndTheDescriptionTellsWhere) {
    // A notebook naming droplet 128 makes the next spray's droplets 201 to 300.
    Data::NotebookRow row;
    row.Droplet = 128;
    form->Session().OpenNotebook({row});
    form->BitBtn1Click();
    Data::ClearDroplets();
    Place(1, 0, -143, -41.2); // above the centre, falling (up the view)
    Place(2, 60, -150);       // right of droplet 1
    Place(3, 2, 30, 12.6);    // nearest the centre, rising
    Place(4, 250, 0);         // out of view
    form->PlaceDropletMarkers();
    form->DescribeMicroscope();
    EXPECT_EQ(Said(form->Microscope()->Image3, QAccessible::Description), "3 droplets in view");

    struct Step {
        Qt::Key key;
        int followed;
        const char* description;
    };
    const Step steps[] = {
        {Qt::Key_Space, 3,
         "3 droplets in view; following droplet 203, 30 µm below the centre, rising at 13 µm/s"},
        {Qt::Key_Up, 1,
         "3 droplets in view; following droplet 201, 143 µm above the centre, falling at 41 µm/s"},
        {Qt::Key_Right, 2,
         "3 droplets in view; following droplet 202, 150 µm above the centre, at rest"},
        {Qt::Key_Right, 1, nullptr}, // nothing further right: the nearest one
        {Qt::Key_Down, 3, nullptr},
        {Qt::Key_Return, 3, nullptr},
        {Qt::Key_Escape, 0, "3 droplets in view"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(QKeySequence(s.key).toString().toStdString());
        QTest::keyClick(form->Microscope()->Image3, s.key);
        EXPECT_EQ(form->Session().Followed(), s.followed);
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(Data::Drops[i].Marker->Selected(), i == s.followed);
        if (s.description) {
            EXPECT_EQ(Said(form->Microscope()->Image3, QAccessible::Description),
                      QString::fromUtf8(s.description));
        }
    }
    // The followed droplet goes on being followed as it moves out of view.
    QTest::keyClick(form->Microscope()->Image3, Qt::Key_Space);
    Place(3, 0, 220);
    form->PlaceDropletMarkers();
    form->DescribeMicroscope();
    EXPECT_EQ(form->Session().Followed(), 3);
    EXPECT_EQ(Said(form->Microscope()->Image3, QAccessible::Description),
              "2 droplets in view; following droplet 203, out of view");
}

TEST_F(AccessibilityTest, StoppingTheStopwatchAndRecordingARowAreAnnounced) {
    Place(7, 0, 0);
    form->PlaceDropletMarkers();
    form->SelectDropletAt({0, 0});
    Data::StopwatchRunning = true;
    Data::StopwatchShown = 12.34;
    events.clear();
    form->BitBtn5Click(); // F6
    form->RecordTiming(); // F8
    std::vector<QString> announced;
    for (const Heard& h : events)
        if (h.object == form->Stopwatch()->Edit1 && h.type == QAccessible::DescriptionChanged)
            announced.push_back(h.description);
    ASSERT_EQ(announced.size(), 2u);
    EXPECT_EQ(announced[0], "Stopwatch stopped at 12.3 s");
    EXPECT_EQ(announced[1], "Row 1 recorded: droplet 7, 12.3 s");
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&](const Heard& h) {
        return h.object == form->Stopwatch()->Edit1 && h.type == QAccessible::Alert;
    }));
}

TEST_F(AccessibilityTest, TheFollowedDropletHasARingRepaintedWithIt) {
    Place(1, 0, 0);
    form->PlaceDropletMarkers();
    form->SkipActivation(); // no scheduler loop: the test drives the window
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    DropMarker* marker = Data::Drops[1].Marker;
    // Left of the dot, in the middle of the ring's thickness.
    const QPoint onRing = marker->pos() + QPoint(-DropMarker::RingMargin, DropMarker::Size / 2);
    const auto pixel = [&] { return form->Client()->grab().toImage().pixel(onRing); };
    const QRgb field = pixel();
    EXPECT_NE(field, qRgb(255, 0, 0));

    // Every repaint of the field from here on, in window client coordinates.
    struct Recorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } recorder;
    form->Microscope()->Image3->installEventFilter(&recorder);
    for (const bool follow : {true, false}) {
        SCOPED_TRACE(follow);
        recorder.painted = QRegion();
        // The model's choice and the tick's placing, without a focus change (which would
        // repaint the whole field anyway).
        if (follow)
            form->SelectDropletAt({0, 0});
        else
            form->ClearDropletSelection();
        form->PlaceDropletMarkers();
        QApplication::processEvents();
        const QRect ring =
            marker->geometry().adjusted(-DropMarker::RingMargin, -DropMarker::RingMargin,
                                        DropMarker::RingMargin, DropMarker::RingMargin);
        // Every pixel of the ring repainted (QRegion::contains only asks for an overlap).
        EXPECT_TRUE(QRegion(ring.translated(-form->Microscope()->Image3->pos()))
                        .subtracted(recorder.painted)
                        .isEmpty());
        EXPECT_EQ(pixel(), follow ? qRgb(255, 0, 0) : field);
    }
    form->Microscope()->Image3->removeEventFilter(&recorder);
}

TEST_F(AccessibilityTest, TheFocusedControlIsFramed) {
    form->SkipActivation(); // no scheduler loop: the test drives the window
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* frame = form->findChild<QFocusFrame*>();
    ASSERT_NE(frame, nullptr);
    for (QWidget* control : {static_cast<QWidget*>(form->Microscope()->Image3),
                             static_cast<QWidget*>(form->Microscope()->ScrollBar1),
                             static_cast<QWidget*>(form->Voltage()->UpDown1),
                             static_cast<QWidget*>(form->Microscope()->BitBtn1)}) {
        SCOPED_TRACE(control->objectName().toStdString());
        control->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(frame->widget(), control);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_TRUE(frame->geometry().contains(control->geometry()));
        EXPECT_NE(frame->geometry(), control->geometry());
    }
}
