// The temperature column: the thermometer's liquid column for the chamber temperature, the set
// temperature field with its spin buttons and nested rewrites, the decimal separator switch, the
// chamber's relaxation as the window shows it, and the droplet speed it sets.
#include "assets/Pictures.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/PixelChecks.h"
#include "ui/PictureImages.h"

#include <QApplication>
#include <QTest>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr int ColumnBottom = 384;

class ThermometerTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ActivateWithoutLoop();
    }

    QRect Column() const { return form->Thermometer()->Shape2->geometry(); }

    static void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            Data::SimulationTick();
    }
};

} // namespace

// --- The column -----------------------------------------------------------------------------

TEST_F(ThermometerTest, ColumnTopFollowsTheChamberTemperatureThreePixelsPerDegree) {
    struct Case {
        double kelvin;
        int top;
    };
    // 272.9 K is −0.3 pixels, which truncates towards zero, to 0.
    const Case cases[] = {
        {293, 322},   {273, 382},   {373, 82},    {313, 262},   {305.64, 285},
        {273.5, 381}, {273.3, 382}, {372.99, 83}, {280.2, 361}, {272.9, 382},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kelvin);
        Data::CurTemp = c.kelvin;
        form->UpdateThermometer();
        EXPECT_EQ(Column().top(), c.top);
        EXPECT_EQ(Column().height(), ColumnBottom - c.top);
        EXPECT_EQ(Column().left(), 30);
        EXPECT_EQ(Column().width(), 5);
    }
}

TEST_F(ThermometerTest, ExtremeTemperaturesGiveASaneColumn) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double kelvin : {1e300, -1e300, inf, -inf, std::nan(""), 1e9, -1e9}) {
        SCOPED_TRACE(kelvin);
        Data::CurTemp = kelvin;
        form->UpdateThermometer();
        const QRect column = Column();
        EXPECT_GE(column.height(), 0);
        EXPECT_EQ(column.left(), 30);
        if (kelvin > 373) {
            EXPECT_LE(column.top(), 82);
            EXPECT_EQ(column.top() + column.height(), ColumnBottom);
        } else if (kelvin < 273) {
            EXPECT_LE(column.height(), 2);
        } else { // not a number
            EXPECT_GE(column.top(), 82);
            EXPECT_LE(column.top(), 382);
            EXPECT_EQ(column.top() + column.height(), ColumnBottom);
        }
    }
    Data::CurTemp = 293; // and it recovers
    form->UpdateThermometer();
    EXPECT_EQ(Column(), QRect(30, 322, 5, 62));
}

// --- The set temperature field --------------------------------------------------------------

TEST_F(ThermometerTest, FieldIsClampedReformattedAndApplied) {
    struct Case {
        const char* typed;
        const char* shown;
        double ambient; // K
        int spin;
    };
    const Case cases[] = {
        {"150", "100.00", 373, 100},
        {"-3", " 0.00", 273, 0},
        {"35.5", "35.50", 308.5, 35},
        {"20.5", "20.50", 293.5, 20},
        {"5", " 5.00", 278, 5},
        {"1e1", "10.00", 283, 10},
        {"  7.25", " 7.25", 280.25, 7},
        {"-0", " 0.00", 273, 0},
        {"99.999", "100.00", 372.999, 99},
        {"100", "100.00", 373, 100},
        {".5", " 0.50", 273.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form->Thermometer()->UpDown2->SetPosition(20);
        form->Thermometer()->Edit2->setText("20.25"); // the spin buttons stay at 20 for every case
        ASSERT_EQ(form->Thermometer()->UpDown2->Position(), 20);
        form->Thermometer()->Edit2->setText(c.typed);
        EXPECT_EQ(form->Thermometer()->Edit2->text(), c.shown);
        EXPECT_DOUBLE_EQ(Data::AmbientTemp, c.ambient);
        EXPECT_EQ(form->Thermometer()->UpDown2->Position(), c.spin);
    }
}

TEST_F(ThermometerTest, TypingAppliesEachNumberAndFormatsOnlyWhenEditingEnds) {
    struct Case {
        const char* keys; // '<' is Backspace, '^' selects all
        const char* shown;
        double celsius;
        int spin;
        const char* finished; // after Enter, or the focus leaving the field
    };
    const Case cases[] = {
        {"40", "40", 40, 40, "40.00"},       {"100", "100", 100, 100, "100.00"},
        {"35.5", "35.5", 35.5, 35, "35.50"}, {"150", "150", 100, 100, "100.00"},
        {"-3", "-3", 0, 0, " 0.00"},         {"41<2", "42", 42, 42, "42.00"},
        {"35.5<<", "35", 35, 35, "35.00"},   {"40^<", "", 40, 40, "40.00"},
        {"4x", "4x", 4, 4, " 4.00"},
    };
    for (bool byEnter : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.keys) + (byEnter ? " Enter" : " focus out"));
            form->Thermometer()->Edit2->setText("20");
            form->Thermometer()->Edit2->clear();
            for (const char* k = c.keys; *k; ++k) {
                if (*k == '<')
                    QTest::keyClick(form->Thermometer()->Edit2, Qt::Key_Backspace);
                else if (*k == '^')
                    form->Thermometer()->Edit2->selectAll();
                else
                    QTest::keyClick(form->Thermometer()->Edit2, *k);
            }
            EXPECT_EQ(form->Thermometer()->Edit2->text(), c.shown);
            EXPECT_EQ(Data::AmbientTemp, c.celsius + 273);
            EXPECT_EQ(form->Thermometer()->UpDown2->Position(), c.spin);
            if (byEnter) {
                QTest::keyClick(form->Thermometer()->Edit2, Qt::Key_Return);
            } else {
                QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
                QApplication::sendEvent(form->Thermometer()->Edit2, &focusOut);
            }
            EXPECT_EQ(form->Thermometer()->Edit2->text(), c.finished);
            EXPECT_EQ(Data::AmbientTemp, c.celsius + 273);
        }
    }
}

TEST_F(ThermometerTest, InvalidTextChangesNothing) {
    form->Thermometer()->Edit2->setText("30");
    Data::SimulationTick();
    const double ambient = Data::AmbientTemp, prev = Data::PrevTemp, ref = Data::TempRefTime;
    ASSERT_EQ(ambient, 303.0);
    for (const char* typed : {"abc", "", "3,5", "12 ", "1e", "--1", ".", "1e400"}) {
        SCOPED_TRACE(typed);
        form->Thermometer()->Edit2->setText(typed);
        EXPECT_EQ(form->Thermometer()->Edit2->text(), typed);
        EXPECT_EQ(Data::AmbientTemp, ambient);
        EXPECT_EQ(Data::PrevTemp, prev);
        EXPECT_EQ(Data::TempRefTime, ref);
        EXPECT_EQ(form->Thermometer()->UpDown2->Position(), 30);
    }
}

TEST_F(ThermometerTest, SpinButtonsSetWholeDegrees) {
    form->Thermometer()->UpDown2->Step(1);
    EXPECT_EQ(form->Thermometer()->Edit2->text(), "21.00");
    EXPECT_EQ(Data::AmbientTemp, 294.0);
    form->Thermometer()->UpDown2->SetPosition(100);
    EXPECT_EQ(form->Thermometer()->Edit2->text(), "100.00");
    EXPECT_EQ(Data::AmbientTemp, 373.0);
}

TEST_F(ThermometerTest, FirstEditSwitchesTheDecimalSeparatorForTheReadouts) {
    form->Microscope()->ScrollBar1->setValue(0);
    EXPECT_EQ(form->Microscope()->Label1->text(), " 0,000 mm     ");
    form->Thermometer()->Edit2->setText("abc"); // even an edit that is not a number
    EXPECT_EQ(Data::DecimalSeparator, '.');
    form->Microscope()->ScrollBar1->setValue(50);
    EXPECT_EQ(form->Microscope()->Label1->text(), " 0.200 mm     ");
    form->Microscope()->ScrollBar2->setValue(100);
    EXPECT_EQ(form->Microscope()->Label2->text(), " 0.400 mm     ");
}

// --- Relaxation -----------------------------------------------------------------------------

TEST_F(ThermometerTest, ChamberFollowsTheSetTemperatureWithTenSecondTimeConstant) {
    form->Thermometer()->Edit2->setText("40");
    EXPECT_EQ(Data::AmbientTemp, 313.0);
    EXPECT_EQ(Data::PrevTemp, 293.0);
    Ticks(1000);                              // ten simulated seconds
    EXPECT_NEAR(Data::CurTemp, 305.64, 1e-2); // 1 - 1/e of the way from 20 °C to 40 °C
    EXPECT_EQ(Column().top(), 285);
    EXPECT_EQ(Column().top() + Column().height(), ColumnBottom);
}

TEST_F(ThermometerTest, ColumnShowsTheTemperatureOfThePreviousTick) {
    // A chamber long settled at 100 °C while the column still shows the 20 °C of activation.
    Data::AmbientTemp = Data::PrevTemp = 373;
    Data::TempRefTime = -1000;
    Ticks(1);
    EXPECT_EQ(Data::CurTemp, 373.0);
    EXPECT_EQ(Column().top(), 322); // drawn in the first sub-step, before the temperature update
    Ticks(1);
    EXPECT_EQ(Column().top(), 82);
}

TEST_F(ThermometerTest, NewSettingInMidRelaxationStartsFromTheCurrentTemperature) {
    form->Thermometer()->Edit2->setText("40");
    Ticks(300);
    const double current = Data::CurTemp;
    ASSERT_GT(current, 297.0);
    form->Thermometer()->Edit2->setText("10");
    EXPECT_EQ(Data::PrevTemp, current);
    EXPECT_EQ(Data::AmbientTemp, 283.0);
    EXPECT_EQ(Data::TempRefTime, Data::SimTime);
    EXPECT_NEAR(Data::AirTemperatureAt(Data::SimTime), current, 1e-9);
    double last = current;
    for (int i = 1; i <= 300; ++i) {
        Data::SimulationTick();
        ASSERT_LT(Data::CurTemp, last) << "tick " << i; // now falling towards 283 K
        ASSERT_GT(Data::CurTemp, last - 0.05) << "tick " << i;
        last = Data::CurTemp;
    }
    EXPECT_NEAR(Data::CurTemp, 283 + (current - 283) * std::exp(-0.3), 1e-6);
}

TEST_F(ThermometerTest, DropletSpeedFollowsTheSetTemperature) {
    // An uncharged 1 µm droplet's speed in m/s: warmer air is more viscous and a little lighter,
    // so the droplet rises more slowly.
    const std::pair<const char*, double> celsiusAndSpeed[] = {
        {"0", -1.0861e-4}, {"20", -1.0270e-4}, {"100", -8.5532e-5}};
    Data::TDroplet& d = Data::Drops[1];
    for (const auto& [celsius, speed] : celsiusAndSpeed) {
        SCOPED_TRACE(celsius);
        form->Thermometer()->Edit2->setText(celsius);
        Ticks(20001); // more than 20 time constants: the chamber is exactly at the set value
        d.Active = 1;
        d.X = d.Y = d.VX = d.VY = d.Charge = 0;
        d.Radius = 1e-6;
        Ticks(1);
        EXPECT_NEAR(d.VY, speed, 1e-8);
    }
}

// --- The picture ----------------------------------------------------------------------------

TEST_F(ThermometerTest, PictureIsShownUnscaledAndCutToTheControl) {
    const QImage& picture = ThermometerPicture();
    // The desktop's image is the stored picture, pixel for pixel.
    ASSERT_TRUE(PixelChecks::IsThePicture(picture, Pictures::Thermometer()));
    ASSERT_EQ(picture.size(), QSize(62, 393));
    EXPECT_EQ(form->Thermometer()->Image1->size(), QSize(57, 393));
    const QImage shown = PixelChecks::Grab(*form->Thermometer()->Image1);
    ASSERT_EQ(shown.size(), QSize(57, 393));
    EXPECT_EQ(shown, picture.copy(0, 0, 57, 393).convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(shown.pixel(0, 0), PixelChecks::Silver);
}
