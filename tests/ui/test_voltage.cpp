// The voltage supply panel: the voltage field and its spin buttons, the on/off switch with its
// lamp, the polarity reversal, the voltmeter dial's pixels and the field the droplets feel.
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/PixelChecks.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

namespace {

using PixelChecks::Black;
using PixelChecks::Grey;
using PixelChecks::White;

/// Pixels that are black on `dial` but not on `reference`: what a needle added to the dial.
std::set<std::pair<int, int>> AddedBlack(const QImage& dial, const QImage& reference) {
    std::set<std::pair<int, int>> added;
    for (int y = 0; y < dial.height(); ++y)
        for (int x = 0; x < dial.width(); ++x)
            if (dial.pixel(x, y) == Black && reference.pixel(x, y) != Black) added.insert({x, y});
    return added;
}

/// Steps a copy of a droplet exactly as one tick steps it from the current simulated time.
void StepAsOneTick(Data::TDroplet& d) {
    double t = Data::SimTime;
    for (int k = 0; k < 10; ++k) {
        Data::StepDroplet(d, Data::SubStep, t);
        t = t + Data::SubStep;
    }
}

class VoltageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ActivateWithoutLoop();
    }

    QImage Dial() const { return form->Voltage()->Image2->Bitmap().copy(); }
    QRgb Lamp() const { return form->Voltage()->Shape1->grab().toImage().pixel(5, 5); }

    /// Types the text over whatever the field holds, one key at a time.
    void Type(const QString& text) {
        form->Voltage()->Edit7->selectAll();
        QTest::keyClicks(form->Voltage()->Edit7, text);
    }
};

} // namespace

// --- The voltage field ----------------------------------------------------------------------

TEST_F(VoltageTest, FieldIsParsedClampedAndRewritten) {
    struct Case {
        const char* typed;
        double setting;
        const char* shown;
    };
    const Case cases[] = {
        {"1500", 1000, "1000"},       {"-5", 0, "0"},         {"500", 500, "500"},
        {"0500", 500, "500"},         {"1000", 1000, "1000"}, {"1001", 1000, "1000"},
        {"$FFFFFFFF", 0, "0"},        {"$1F4", 500, "500"},   {"0x64", 100, "100"},
        {"   42", 42, "42"},          {"+7", 7, "7"},         {"-2147483648", 0, "0"},
        {"2147483647", 1000, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form->Voltage()->Edit7->setText("333"); // a known value that differs from every case
        ASSERT_EQ(Data::VoltageSetting, 333.0);
        form->Voltage()->Edit7->setText(c.typed);
        EXPECT_EQ(Data::VoltageSetting, c.setting);
        EXPECT_EQ(form->Voltage()->Edit7->text(), c.shown);
    }
}

TEST_F(VoltageTest, InvalidTextChangesNothingAndStaysAsTyped) {
    Data::VoltageOn = true;
    form->Voltage()->Edit7->setText("250");
    const QImage dial = Dial();
    for (const char* typed :
         {"abc", "", "12a", "500 ", "-", "$", "$123456789", "2147483648", "1.5", "-$10"}) {
        SCOPED_TRACE(typed);
        form->Voltage()->Edit7->setText(typed);
        EXPECT_EQ(form->Voltage()->Edit7->text(), typed);
        EXPECT_EQ(Data::VoltageSetting, 250.0);
        EXPECT_EQ(Data::PlateVoltage, 250.0);
        EXPECT_EQ(Dial(), dial);
    }
}

TEST_F(VoltageTest, TypingKeyByKeyAppliesEveryPartialValueAndClampsAtOnce) {
    Type("1500");
    EXPECT_EQ(form->Voltage()->Edit7->text(), "1000");
    EXPECT_EQ(Data::VoltageSetting, 1000.0);
    Type("-5");
    EXPECT_EQ(form->Voltage()->Edit7->text(), "0");
    EXPECT_EQ(Data::VoltageSetting, 0.0);
}

TEST_F(VoltageTest, RewriteRunsTheHandlerOnceMoreOnlyWhenTheTextDiffers) {
    // A second connection sees every change of the field, each of which runs the handler.
    QSignalSpy changes(form->Voltage()->Edit7, &QLineEdit::textChanged);
    form->Voltage()->Edit7->setText("0500");
    ASSERT_EQ(changes.count(), 2);
    // The nested pass (the rewrite) finishes before the outer one reaches this connection.
    EXPECT_EQ(changes.at(0).at(0).toString(), "500");
    EXPECT_EQ(changes.at(1).at(0).toString(), "0500");
    changes.clear();
    form->Voltage()->Edit7->setText("400");
    EXPECT_EQ(changes.count(), 1);
    changes.clear();
    form->Voltage()->Edit7->setText("400"); // the same text: no change, no handler
    EXPECT_EQ(changes.count(), 0);
}

// --- Spin buttons ---------------------------------------------------------------------------

TEST_F(VoltageTest, SpinButtonsStepFromTheFieldThroughTheChangeHandler) {
    form->Voltage()->Edit7->setText("500");
    form->Voltage()->UpDown1->Step(1);
    EXPECT_EQ(form->Voltage()->Edit7->text(), "502");
    EXPECT_EQ(Data::VoltageSetting, 502.0);
    form->Voltage()->UpDown1->Step(-1);
    form->Voltage()->UpDown1->Step(-1);
    EXPECT_EQ(form->Voltage()->Edit7->text(), "498");
    EXPECT_EQ(Data::VoltageSetting, 498.0);

    // A click on the lower arrow goes the same way.
    QTest::mouseClick(
        form->Voltage()->UpDown1, Qt::LeftButton, {},
        QPoint(form->Voltage()->UpDown1->width() / 2, form->Voltage()->UpDown1->height() - 3));
    EXPECT_EQ(form->Voltage()->Edit7->text(), "496");
    EXPECT_EQ(Data::VoltageSetting, 496.0);

    // The typed 1000 is above the spin range; a step up stops at 995.
    form->Voltage()->Edit7->setText("1000");
    form->Voltage()->UpDown1->Step(1);
    EXPECT_EQ(form->Voltage()->Edit7->text(), "995");
    EXPECT_EQ(Data::VoltageSetting, 995.0);
}

// --- Switch, polarity and lamp --------------------------------------------------------------

TEST_F(VoltageTest, SwitchAndPolarityDriveThePlateVoltageAndTheLamp) {
    const QImage zeroDial = Dial();
    EXPECT_EQ(Lamp(), PixelChecks::Teal);
    form->Voltage()->Edit7->setText("500");
    form->BitBtn3Click();
    EXPECT_TRUE(Data::VoltageOn);
    EXPECT_EQ(Data::PlateVoltage, 500.0);
    EXPECT_EQ(Lamp(), PixelChecks::Lime);
    const QImage plusDial = Dial();
    EXPECT_NE(plusDial, zeroDial);

    form->BitBtn2Click();
    EXPECT_EQ(Data::PlateVoltage, -500.0);
    EXPECT_EQ(Lamp(), PixelChecks::Lime);
    const QImage minusDial = Dial();

    form->BitBtn3Click();
    EXPECT_FALSE(Data::VoltageOn);
    EXPECT_EQ(Data::PlateVoltage, 0.0);
    EXPECT_EQ(Lamp(), PixelChecks::Teal);
    EXPECT_EQ(Dial(), zeroDial); // the needle stands vertical again

    form->BitBtn3Click(); // on again: the reversed polarity is kept
    EXPECT_EQ(Data::PlateVoltage, -500.0);
    EXPECT_EQ(Dial(), minusDial);
    form->BitBtn2Click();
    EXPECT_EQ(Data::PlateVoltage, 500.0);
    EXPECT_EQ(Dial(), plusDial);
}

TEST_F(VoltageTest, ButtonClicksReachTheHandlers) {
    form->Voltage()->Edit7->setText("300");
    QTest::mouseClick(form->Voltage()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(Data::PlateVoltage, 300.0);
    QTest::mouseClick(form->Voltage()->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(Data::PlateVoltage, -300.0);
}

TEST_F(VoltageTest, ChangeWhileOffTouchesOnlyTheSetting) {
    const QImage zeroDial = Dial();
    form->Voltage()->Edit7->setText("700");
    EXPECT_EQ(Data::VoltageSetting, 700.0);
    EXPECT_EQ(Data::PlateVoltage, 0.0);
    EXPECT_EQ(Lamp(), PixelChecks::Teal);
    EXPECT_EQ(Dial(), zeroDial);
}

TEST_F(VoltageTest, ChangeWhileOnAppliesAtOnceWithThePolarity) {
    form->BitBtn3Click();
    form->BitBtn2Click();
    form->Voltage()->Edit7->setText("800");
    EXPECT_EQ(Data::PlateVoltage, -800.0);
    form->Voltage()->Edit7->setText("0");
    EXPECT_EQ(Data::PlateVoltage, 0.0);
}

// --- Dial pixels ----------------------------------------------------------------------------

TEST_F(VoltageTest, DialBackgroundBandAndFrame) {
    const QImage dial = Dial();
    ASSERT_EQ(dial.size(), QSize(145, 105));
    EXPECT_EQ(dial.pixel(20, 60), White);
    EXPECT_EQ(dial.pixel(20, 69), White);
    EXPECT_EQ(dial.pixel(20, 70), Grey); // the band starts at (2 × 105) div 3
    EXPECT_EQ(dial.pixel(120, 100), Grey);
    for (QPoint p : {QPoint(0, 0), QPoint(144, 0), QPoint(144, 104), QPoint(0, 104), QPoint(72, 0),
                     QPoint(0, 50), QPoint(144, 50), QPoint(30, 104)})
        EXPECT_EQ(dial.pixel(p), Black) << p.x() << "," << p.y();
    EXPECT_EQ(dial.pixel(72, 78), Black); // hub
    EXPECT_EQ(dial.pixel(68, 78), Black);
}

TEST_F(VoltageTest, NeedleAtZeroRunsUpTheCentreColumnToTheTopEdge) {
    const QImage dial = Dial();
    for (int y = 0; y <= 78; ++y)
        EXPECT_EQ(dial.pixel(72, y), Black) << "row " << y;
    // One pixel wide: its neighbours in the open part of the dial stay white.
    for (int y : {30, 45, 60}) {
        EXPECT_EQ(dial.pixel(71, y), White) << "row " << y;
        EXPECT_EQ(dial.pixel(73, y), White) << "row " << y;
    }
}

TEST_F(VoltageTest, NeedleEndsAtThePointOfItsVoltage) {
    // The needle is 80 pixels long, turned U / 1200 radians from vertical, and its end is
    // truncated to whole pixels: at 500 V, x = 72 + 32.38 and y = 78.75 - 73.16; at 1000 V,
    // x = 72 + 59.21 and y = 78.75 - 53.79. Volts, the end point and the last pixel drawn:
    const std::tuple<double, QPoint, QPoint> cases[] = {{-1000, {13, 24}, {14, 25}},
                                                        {-500, {40, 5}, {40, 6}},
                                                        {0, {72, -1}, {72, 0}},
                                                        {500, {104, 5}, {104, 6}},
                                                        {1000, {131, 24}, {130, 25}}};
    for (const auto& [volts, end, last] : cases) {
        SCOPED_TRACE(volts);
        Data::PlateVoltage = volts == 0 ? 1000 : -volts;
        form->DrawVoltmeter();
        const QImage elsewhere = Dial();
        Data::PlateVoltage = volts;
        form->DrawVoltmeter();
        const QImage dial = Dial();
        EXPECT_EQ(dial.pixel(last), Black);
        // The end point itself is left as it was (at 0 V it lies above the dial).
        EXPECT_EQ(dial.copy(QRect(end, end)), elsewhere.copy(QRect(end, end)));
        // Every pixel the needle adds lies between the hub and the end point.
        const QRect reach(QPoint(std::min(72, end.x()), end.y()),
                          QPoint(std::max(72, end.x()), 78));
        for (const auto& [x, y] : AddedBlack(dial, elsewhere))
            EXPECT_TRUE(reach.contains(x, y)) << x << "," << y;
    }
}

TEST_F(VoltageTest, NeedleAtMinus500IsTheMirrorImage) {
    const QImage zeroDial = Dial();
    form->Voltage()->Edit7->setText("500");
    form->BitBtn3Click();
    const QImage plus = Dial();
    form->BitBtn2Click();
    const QImage minus = Dial();
    // The needle is drawn last, so every pixel of one needle mirrored around column 72 is black
    // on the other dial.
    const auto plusNeedle = AddedBlack(plus, zeroDial);
    const auto minusNeedle = AddedBlack(minus, zeroDial);
    ASSERT_FALSE(plusNeedle.empty());
    ASSERT_FALSE(minusNeedle.empty());
    for (const auto& [x, y] : plusNeedle)
        EXPECT_EQ(minus.pixel(144 - x, y), Black) << x << "," << y;
    for (const auto& [x, y] : minusNeedle)
        EXPECT_EQ(plus.pixel(144 - x, y), Black) << x << "," << y;
    for (const auto& [x, y] : minusNeedle)
        EXPECT_LE(x, 72);
}

// --- The field the droplets feel ------------------------------------------------------------

TEST_F(VoltageTest, ChargedDropletMovesAtTheModelSpeedForThePanelVoltage) {
    Data::TDroplet& d = Data::Drops[1];
    const auto speedAfterTicks = [&]() {
        d.Active = 1;
        d.X = d.Y = d.VX = d.VY = 0;
        d.Radius = 1e-6;
        d.Charge = Data::ElemCharge;
        Data::TDroplet expected = d;
        for (int i = 0; i < 20; ++i) {
            StepAsOneTick(expected);
            Data::SimulationTick();
        }
        EXPECT_DOUBLE_EQ(d.Y, expected.Y);
        EXPECT_DOUBLE_EQ(d.VY, expected.VY);
        return d.VY;
    };
    const double atZero = speedAfterTicks();
    form->Voltage()->Edit7->setText("500");
    form->BitBtn3Click();
    ASSERT_EQ(Data::PlateVoltage, 500.0);
    const double atPlus = speedAfterTicks();
    form->BitBtn2Click();
    ASSERT_EQ(Data::PlateVoltage, -500.0);
    const double atMinus = speedAfterTicks();
    // One elementary charge on a 1 µm droplet at 500 V: about 2.30e-5 m/s, towards smaller Y
    // for a positive plate voltage.
    EXPECT_NEAR(atPlus - atZero, -2.30e-5, 0.01e-5);
    EXPECT_NEAR(atMinus - atZero, 2.30e-5, 0.01e-5);
    EXPECT_NEAR(atZero, -1.027e-4, 0.001e-4);
}
