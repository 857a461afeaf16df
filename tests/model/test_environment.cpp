// The laws of the chamber air at their characteristic points.
#include "tests/model/ModelTestSupport.h"

#include <cmath>

using namespace Data;

using EnvironmentTest = ModelTest;

TEST_F(EnvironmentTest, TemperatureRelaxesFromPrevTowardsAmbientWithTenSecondConstant) {
    PrevTemp = 293;
    AmbientTemp = 313;
    TempRefTime = 5;
    EXPECT_EQ(AirTemperatureAt(5), 293.0); // exactly PrevTemp at the reference time
    EXPECT_NEAR(AirTemperatureAt(15), 293 + 20 * (1 - std::exp(-1.0)), 1e-12);
    EXPECT_NEAR(AirTemperatureAt(15), 305.64, 0.01);
    EXPECT_LT(AirTemperatureAt(204.9), 313.0);
    EXPECT_EQ(AirTemperatureAt(205), 313.0); // 200 s later: exactly the set value
    EXPECT_EQ(AirTemperatureAt(1e9), 313.0);
    // Far before the reference time the law is cut off the same way.
    EXPECT_EQ(AirTemperatureAt(-195), 313.0);
}

TEST_F(EnvironmentTest, ViscosityAndDensityFollowTheTemperature) {
    EXPECT_NEAR(AirViscosityAt(0), 1.844e-5, 1e-8);
    EXPECT_NEAR(AirDensityAt(0), 1.2047, 1e-4);
    EXPECT_EQ(AirDensityAt(0), 1.293 * 273.0 / 293.0);
    PrevTemp = AmbientTemp = 373;
    EXPECT_NEAR(AirViscosityAt(0), std::sqrt(373.0) * 1.689e-6 - 1.047e-5, 1e-20);
    EXPECT_NEAR(AirDensityAt(0), 1.293 * 273.0 / 373.0, 1e-15);
    PrevTemp = AmbientTemp = 273;
    EXPECT_EQ(AirDensityAt(0), 1.293);
    // Warmer air is more viscous.
    EXPECT_LT(AirViscosityAt(0), std::sqrt(373.0) * 1.689e-6 - 1.047e-5);
}

TEST_F(EnvironmentTest, InjectionDriftPushesLeftAndDiesAwayAfterTenSeconds) {
    InjectTime = 2;
    const AirDrift atInjection = AirDriftAt(2);
    EXPECT_EQ(atInjection.ux, -0.0005);
    EXPECT_EQ(atInjection.uy, 0.0);
    EXPECT_NEAR(AirDriftAt(2.5).ux, -0.0005 * std::exp(-1.0), 1e-18);
    EXPECT_LT(AirDriftAt(11.99).ux, 0.0);
    const AirDrift later = AirDriftAt(12);
    EXPECT_EQ(later.ux, 0.0);
    EXPECT_EQ(later.uy, 0.0);
    EXPECT_EQ(AirDriftAt(500).ux, 0.0);
}

TEST_F(EnvironmentTest, SubStepsPerTickAndSchedulerIntervalAreExactlyTen) {
    EXPECT_EQ(static_cast<int>(TickPeriod / SubStep), 10);
    EXPECT_EQ(static_cast<int>(TickPeriod / 0.001), 10);
}
