// The microscope view: which droplets get a marker and where, the scroll bars with their
// readouts, the injection (recentring, new droplets, no temperature jump) and the speeds at
// which droplets rise through the view.
#include "assets/Pictures.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/PixelChecks.h"
#include "ui/DropMarker.h"
#include "ui/PictureImages.h"

#include <cmath>
#include <limits>
#include <set>

namespace {

// The view centre in window client coordinates: Image3 sits at (8, 24) and is 450 × 450.
constexpr int CentreX = 8 + 225;
constexpr int CentreY = 24 + 225;

class MicroscopeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ActivateWithoutLoop();
        Data::SeedRandom(20240611);
    }

    static DropMarker* Marker(int i) { return Data::Drops[i].Marker; }
    bool Shown(int i) const { return Marker(i)->isVisibleTo(form->Client()); }
    int ShownCount() const {
        int n = 0;
        for (int i = 1; i <= Data::DropletCount; ++i)
            n += Shown(i) ? 1 : 0;
        return n;
    }

    /// Makes droplet 1 the only active one, at (x, y) metres.
    static void PlaceOnlyDroplet(double x, double y) {
        for (Data::TDroplet& d : Data::Drops)
            d.Active = 0;
        Data::Drops[1].Active = 1;
        Data::Drops[1].X = x;
        Data::Drops[1].Y = y;
    }
};

} // namespace

// --- Markers --------------------------------------------------------------------------------

TEST_F(MicroscopeTest, NoMarkerIsVisibleBeforeTheFirstInjection) {
    form->PlaceDropletMarkers();
    EXPECT_EQ(ShownCount(), 0);
    for (int i = 0; i < 5; ++i)
        Data::SimulationTick();
    EXPECT_EQ(ShownCount(), 0);
}

TEST_F(MicroscopeTest, MarkersAreSmallYellowDotsOverTheField) {
    PlaceOnlyDroplet(0, 0);
    form->PlaceDropletMarkers();
    DropMarker* m = Marker(1);
    EXPECT_EQ(m->parentWidget(), form->Client());
    EXPECT_EQ(m->size(), QSize(4, 4));
    EXPECT_EQ(QColor(m->BrushColor()), QColor(255, 255, 0));
    form->show();
    // Drawn above the field picture: the window's pixel at the marker centre is yellow.
    const QImage window = form->Client()->grab().toImage();
    EXPECT_EQ(window.pixel(CentreX, CentreY), PixelChecks::Yellow);
    form->hide();
}

TEST_F(MicroscopeTest, DropletsInsideTheFieldCircleAreShownAtTheirPixel) {
    struct Case {
        double x, y; // µm from the view centre
        bool shown;
        int px, py; // truncated pixel offsets
    };
    const Case cases[] = {
        {0, 0, true, 0, 0},           {199.5, 0, true, 199, 0},
        {-199.5, 0, true, -199, 0},   {0, 199.5, true, 0, 199},
        {0, -199.5, true, 0, -199},   {200.5, 0, false, 0, 0},
        {-200.5, 0, false, 0, 0},     {0, 200.5, false, 0, 0},
        {0, -200.5, false, 0, 0},     {141.5, 141.5, true, 141, 141}, // 141² + 141² = 39762
        {142.5, -141.5, false, 0, 0},                                 // 142² + 141² = 40045
        {-0.7, 0.9, true, 0, 0}, // truncated towards zero, not floored
        {-12.9, 37.2, true, -12, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " um, " << c.y << " um");
        PlaceOnlyDroplet(c.x * 1e-6, c.y * 1e-6);
        form->PlaceDropletMarkers();
        EXPECT_EQ(Shown(1), c.shown);
        if (c.shown) {
            EXPECT_EQ(Marker(1)->pos(), QPoint(CentreX + c.px - 2, CentreY + c.py - 2));
        }
        EXPECT_EQ(ShownCount(), c.shown ? 1 : 0);
    }
}

TEST_F(MicroscopeTest, FarAwayOrNonFiniteDropletsAreHiddenWithoutOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double far : {1e6, -1e6, 1e300, -1e300, inf, -inf, nan, 3e-4, 46341e-6}) {
        SCOPED_TRACE(far);
        for (bool alongX : {true, false}) {
            PlaceOnlyDroplet(alongX ? far : 0, alongX ? 0 : far);
            form->PlaceDropletMarkers();
            EXPECT_FALSE(Shown(1));
        }
        PlaceOnlyDroplet(far, far);
        form->PlaceDropletMarkers();
        EXPECT_FALSE(Shown(1));
    }
}

// --- Scroll bars ----------------------------------------------------------------------------

TEST_F(MicroscopeTest, ScrollBarsWriteReadoutsAndOffsets) {
    struct Case {
        int position;
        const char* readout; // with ',' as the separator
        double offset;       // m
    };
    const Case cases[] = {
        {0, " 0,000 mm     ", 200e-6},    {1, " 0,004 mm     ", 196e-6},
        {50, " 0,200 mm     ", 0},        {99, " 0,396 mm     ", -196e-6},
        {100, " 0,400 mm     ", -200e-6}, {37, " 0,148 mm     ", 52e-6},
    };
    for (char separator : {',', '.'}) {
        Data::DecimalSeparator = separator;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "'" << separator << "' at " << c.position);
            QString readout = QString::fromLatin1(c.readout);
            readout.replace(',', QChar::fromLatin1(separator));
            // Each case starts from another position, so the change handler runs.
            form->Microscope()->ScrollBar1->setValue(c.position == 50 ? 51 : 50);
            form->Microscope()->ScrollBar2->setValue(c.position == 50 ? 51 : 50);
            form->Microscope()->ScrollBar1->setValue(c.position);
            form->Microscope()->ScrollBar2->setValue(c.position);
            EXPECT_EQ(form->Microscope()->Label1->text(), readout);
            EXPECT_EQ(form->Microscope()->Label2->text(), readout);
            EXPECT_NEAR(Data::ViewOffsetX, c.offset, 1e-15);
            EXPECT_NEAR(Data::ViewOffsetY, c.offset, 1e-15);
        }
    }
}

TEST_F(MicroscopeTest, MovingAThumbRightOrDownMovesTheDropletsRightOrDown) {
    PlaceOnlyDroplet(0.5e-6, 0.5e-6);
    form->Microscope()->ScrollBar1->setValue(
        25); // view offset +100 µm: the droplet appears 100 µm left
    EXPECT_TRUE(Shown(1));
    EXPECT_EQ(Marker(1)->x(), CentreX - 99 - 2);
    form->Microscope()->ScrollBar1->setValue(75);
    EXPECT_EQ(Marker(1)->x(), CentreX + 100 - 2);
    form->Microscope()->ScrollBar2->setValue(75);
    EXPECT_EQ(Marker(1)->y(), CentreY + 100 - 2);
    form->Microscope()->ScrollBar2->setValue(25);
    EXPECT_EQ(Marker(1)->y(), CentreY - 99 - 2);
    form->Microscope()->ScrollBar1->setValue(0); // 199.5 µm left and 99.5 µm up: outside the circle
    EXPECT_FALSE(Shown(1));
}

// --- Injection ------------------------------------------------------------------------------

TEST_F(MicroscopeTest, InjectionRecentresTheViewAndSpraysEveryDroplet) {
    form->Microscope()->ScrollBar1->setValue(10);
    form->Microscope()->ScrollBar2->setValue(90);
    ASSERT_NE(Data::ViewOffsetX, 0.0);
    for (Data::TDroplet& d : Data::Drops) {
        d = Data::TDroplet{1.0, 1.0, 5.0, 5.0, 7 * Data::ElemCharge, 9e-6, 0, d.Marker};
    }
    Data::SimTime = 12.34;
    Data::VoltageSetting = 300;
    Data::VoltageOn = true;
    Data::PolarityPositive = false;
    Data::PlateVoltage = 0; // stale: the injection applies the supply state again

    form->BitBtn1Click();

    EXPECT_EQ(Data::ViewOffsetX, 0.0);
    EXPECT_EQ(Data::ViewOffsetY, 0.0);
    EXPECT_EQ(form->Microscope()->ScrollBar1->value(), 50);
    EXPECT_EQ(form->Microscope()->ScrollBar2->value(), 50);
    EXPECT_EQ(form->Microscope()->Label1->text(), " 0,200 mm     ");
    EXPECT_EQ(form->Microscope()->Label2->text(), " 0,200 mm     ");
    EXPECT_EQ(Data::InjectTime, 12.34);
    EXPECT_EQ(Data::TempRefTime, 12.34);
    EXPECT_EQ(Data::PlateVoltage, -300.0);
    EXPECT_EQ(form->Voltage()->Shape1->grab().toImage().pixel(5, 5), PixelChecks::Lime);
    std::set<int> charges;
    for (const Data::TDroplet& d : Data::Drops) {
        EXPECT_EQ(d.Active, 1);
        EXPECT_GE(d.X, -0.24e-3);
        EXPECT_LT(d.X, 0.56e-3);
        EXPECT_GE(d.Y, -0.4e-3);
        EXPECT_LT(d.Y, 0.4e-3);
        EXPECT_EQ(d.VX, 0.0);
        EXPECT_EQ(d.VY, 0.0);
        EXPECT_GE(d.Radius, 0.5e-6);
        EXPECT_LT(d.Radius, 1.5e-6);
        const double k = d.Charge / Data::ElemCharge;
        EXPECT_NEAR(k, std::round(k), 1e-9);
        charges.insert(static_cast<int>(std::lround(k)));
        EXPECT_NE(d.Marker, nullptr); // markers are kept
    }
    EXPECT_EQ(charges, (std::set<int>{0, 1, 2, 3}));
    // The new droplets appear at the next view refresh, around the centre.
    Data::SimulationTick();
    EXPECT_GT(ShownCount(), 10);
}

TEST_F(MicroscopeTest, InjectionUsesTheReadoutSeparatorInForce) {
    Data::DecimalSeparator = '.';
    form->Microscope()->ScrollBar1->setValue(20);
    form->BitBtn1Click();
    EXPECT_EQ(form->Microscope()->Label1->text(), " 0.200 mm     ");
    EXPECT_EQ(Data::ViewOffsetX, 0.0);
    form->Microscope()->ScrollBar1->setValue(
        20); // the next change applies its position in full again
    EXPECT_NEAR(Data::ViewOffsetX, 120e-6, 1e-15);
}

TEST_F(MicroscopeTest, InjectionDuringATemperatureChangeKeepsTheTemperatureCurve) {
    form->Thermometer()->Edit2->setText("40");
    ASSERT_EQ(Data::AmbientTemp, 313.0);
    for (int i = 0; i < 500; ++i)
        Data::SimulationTick();
    const double before = Data::AirTemperatureAt(Data::SimTime);
    ASSERT_NEAR(before, 313 - 20 * std::exp(-0.5), 1e-9);
    form->BitBtn1Click();
    EXPECT_NEAR(Data::AirTemperatureAt(Data::SimTime), before, 1e-9);
    EXPECT_EQ(Data::TempRefTime, Data::SimTime);
    // The relaxation goes on along the same curve towards 313 K.
    double last = before;
    for (int i = 1; i <= 500; ++i) {
        Data::SimulationTick();
        ASSERT_GT(Data::CurTemp, last) << "tick " << i;
        ASSERT_LT(Data::CurTemp - last, 0.05) << "tick " << i;
        last = Data::CurTemp;
    }
    EXPECT_NEAR(Data::CurTemp, 313 - 20 * std::exp(-1.0), 1e-6);
}

TEST_F(MicroscopeTest, WithoutVoltageDropletsRiseAtTheirSettlingSpeeds) {
    form->BitBtn1Click();
    for (int i = 0; i < 1050; ++i)
        Data::SimulationTick(); // the injection drift has died
    ASSERT_EQ(Data::AirDriftAt(Data::SimTime).ux, 0.0);
    ASSERT_EQ(Data::PlateVoltage, 0.0);
    struct Case {
        double radius; // m
        double x;      // m, keeps the markers apart
        double pixelsPerSecond;
    };
    const Case cases[] = {{0.5e-6, -100.5e-6, 26}, {1.0e-6, 0.5e-6, 102}, {1.5e-6, 100.5e-6, 226}};
    for (int i = 0; i < 3; ++i) {
        Data::TDroplet& d = Data::Drops[i + 1];
        d.Radius = cases[i].radius;
        d.X = cases[i].x;
        d.Y = 150e-6;
        d.VX = d.VY = 0;
    }
    Data::SimulationTick();
    double y0[3];
    int top0[3];
    for (int i = 0; i < 3; ++i) {
        y0[i] = Data::Drops[i + 1].Y;
        ASSERT_TRUE(Shown(i + 1));
        top0[i] = Marker(i + 1)->y();
    }
    for (int i = 0; i < 100; ++i)
        Data::SimulationTick(); // one simulated second
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].radius);
        const double rise = (y0[i] - Data::Drops[i + 1].Y) / Data::PixelSize;
        EXPECT_NEAR(rise, cases[i].pixelsPerSecond, 1.0);
        ASSERT_TRUE(Shown(i + 1));
        EXPECT_NEAR(top0[i] - Marker(i + 1)->y(), cases[i].pixelsPerSecond, 2.0);
        EXPECT_EQ(Marker(i + 1)->x(), CentreX + static_cast<int>(cases[i].x / 1e-6) - 2);
    }
}

// --- The field picture ----------------------------------------------------------------------

TEST_F(MicroscopeTest, FieldPictureIsShownUnscaledAndCutToTheControl) {
    const QImage& picture = MicroscopeFieldPicture();
    // The desktop's image is the stored picture, pixel for pixel.
    ASSERT_TRUE(PixelChecks::IsThePicture(picture, Pictures::MicroscopeField()));
    ASSERT_EQ(picture.size(), QSize(452, 462));
    EXPECT_EQ(form->Microscope()->Image3->size(), QSize(450, 450));
    form->PlaceDropletMarkers();
    const QImage shown = PixelChecks::Grab(*form->Microscope()->Image3);
    ASSERT_EQ(shown.size(), QSize(450, 450));
    const QImage expected = picture.copy(0, 0, 450, 450).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, expected);
    // Around the reticle centre: the white crosshair over the black field.
    EXPECT_EQ(shown.pixel(226, 231), PixelChecks::White);
    EXPECT_EQ(shown.pixel(226, 100), PixelChecks::White);
    EXPECT_EQ(shown.pixel(100, 231), PixelChecks::White);
    EXPECT_EQ(shown.pixel(213, 244), PixelChecks::Black);
    EXPECT_EQ(shown.pixel(0, 0), PixelChecks::Teal);
}
