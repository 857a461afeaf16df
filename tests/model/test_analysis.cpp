// The analysis of timings: a droplet's radius from its fall, its charge from its motion in the
// field, against published figures and against the simulation's own motion.
#include "model/Analysis.h"
#include "tests/model/ModelTestSupport.h"

#include <cmath>

using namespace Data;

using AnalysisTest = ModelTest;

TEST_F(AnalysisTest, PublishedMicrometreDropletAt20Degrees) {
    // A 1 µm droplet at 20 °C falls at 1.027e-4 m/s; one elementary charge at +500 V adds about
    // 2.30e-5 m/s in the direction of gravity.
    EXPECT_NEAR(RadiusFromFallSpeed(1.027e-4, 20), 1e-6, 0.001e-6);
    EXPECT_NEAR(ChargeFromMotion(1e-6, 1.027e-4 + 2.30e-5, 500, 20), ElemCharge, 0.01e-19);
    // The guide's worked example: 300 µm in 6.0 s gives 0.698 µm; balanced at 382 V reversed,
    // or sinking 100 µm in 6.4 s at 500 V reversed, that droplet carries 2 e.
    const double r = RadiusFromFallSpeed(50e-6, 20);
    EXPECT_NEAR(r, 0.698e-6, 0.001e-6);
    EXPECT_NEAR(ChargeFromMotion(r, 0, -382, 20), 3.17e-19, 0.01e-19);
    EXPECT_NEAR(ChargeFromMotion(r, -100e-6 / 6.4, -500, 20), 3.18e-19, 0.01e-19);
    // What cannot be worked out is not a number.
    EXPECT_TRUE(std::isnan(RadiusFromFallSpeed(0, 20)));
    EXPECT_TRUE(std::isnan(RadiusFromFallSpeed(-1e-5, 20)));
    EXPECT_TRUE(std::isnan(ChargeFromMotion(r, 1e-5, 0, 20)));
    EXPECT_TRUE(std::isnan(ChargeFromMotion(std::nan(""), 1e-5, 300, 20)));
}

TEST_F(AnalysisTest, RadiusAndChargeComeBackFromTheSimulatedMotionAt0And100Degrees) {
    struct Case {
        double celsius, radius, volts;
        int charges;
    };
    for (const Case c : {Case{0, 0.7e-6, -350, 2}, Case{100, 1.3e-6, 800, 3},
                         Case{100, 0.55e-6, -1000, 1}, Case{0, 1.1e-6, 250, 0}}) {
        SCOPED_TRACE(c.celsius);
        PrevTemp = AmbientTemp = CurTemp = c.celsius + CelsiusOffset;
        PlateVoltage = 0;
        const double fall = -SettledVY(Droplet(c.radius, c.charges));
        EXPECT_NEAR(RadiusFromFallSpeed(fall, c.celsius), c.radius, c.radius * 1e-12);
        PlateVoltage = c.volts;
        const double moving = -SettledVY(Droplet(c.radius, c.charges));
        EXPECT_NEAR(ChargeFromMotion(c.radius, moving, c.volts, c.celsius), c.charges * ElemCharge,
                    1e-12 * ElemCharge);
    }
}
