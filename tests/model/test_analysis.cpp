// The analysis of timings: a droplet's radius from its fall, its charge from its motion in the
// field, against published figures and against the simulation's own motion.
#include "model/Analysis.h"
#include "model/DropletMotion.h"
#include "model/Notebook.h"
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <random>
#include <utility>
#include <vector>

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

namespace {

/// A student's charges (C): droplets of 0.5 to 1.5 µm carrying 1 to 3 e at 20 °C, each timed
/// over 30 to 60 ticks with the supply off, and again with the supply reversed at 300 to 1000 V
/// where that makes it sink clearly (as the guide advises; the others are passed over), the
/// times cut to the tenths the stopwatch shows, and worked out by the notebook.
std::vector<double> StudentCharges(unsigned seed, int droplets) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> radius(0.5e-6, 1.5e-6), volts(300, 1000);
    std::uniform_int_distribution<int> charges(1, 3), ticks(30, 60);
    const double eta = AirViscosity(293), weight = (OilDensity - AirDensity(293)) * Gravity;
    std::vector<NotebookRow> rows;
    for (int i = 1; i <= droplets;) {
        const double r = radius(random), U = volts(random);
        const double fall = 2 * r * r * weight / (9 * eta);
        const double field =
            charges(random) * ElemCharge * U / (Motion::SixPi * eta * r * PlateGap);
        if (field - fall < 5e-6) continue;
        for (const auto& [speed, voltage] : {std::pair{fall, 0.0}, std::pair{fall - field, -U}}) {
            NotebookRow row;
            row.Droplet = i;
            row.Ticks = ticks(random);
            row.Time = std::floor(*row.Ticks * TickLength * 1e-6 / std::fabs(speed) * 10) / 10;
            row.Direction = speed > 0 ? MotionDirection::Fall : MotionDirection::Rise;
            row.Voltage = voltage;
            row.Celsius = 20;
            rows.push_back(row);
        }
        ++i;
    }
    RecomputeNotebook(rows);
    std::vector<double> q;
    for (const NotebookRow& row : rows)
        if (row.Charge) q.push_back(*row.Charge * 1e-19);
    return q;
}

} // namespace

TEST(ChargeEstimate, FindsTheElementaryChargeInAStudentsTimings) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<double> q = StudentCharges(seed, 20);
        ASSERT_EQ(q.size(), 20u);
        const ChargeEstimate e = EstimateElementaryCharge(q);
        EXPECT_NEAR(e.value, ElemCharge, 0.02 * ElemCharge);
        EXPECT_GE(e.used, 18);
        EXPECT_GT(e.uncertainty, 0);
        EXPECT_LT(e.uncertainty, 0.02 * ElemCharge);
        // One wild value among 25 charges hardly moves it.
        std::vector<double> wild = StudentCharges(seed + 100, 25);
        const double calm = EstimateElementaryCharge(wild).value;
        wild[static_cast<std::size_t>(seed) % wild.size()] = (2.45 + 0.3 * seed) * ElemCharge;
        EXPECT_NEAR(EstimateElementaryCharge(wild).value, calm, 0.03 * calm);
    }
}

TEST(ChargeEstimate, NeedsThreeChargesAndTakesTheirSize) {
    const double e = ElemCharge;
    struct Case {
        std::vector<double> charges;
        double value; // 0: not enough data
        int used;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{1.0 * e, 2.0 * e}, 0, 0},
        {{1.0 * e, 2.0 * e, 0.1e-19, -0.2e-19, 0.0}, 0, 0}, // uncharged droplets do not count
        {{1.0 * e, -2.0 * e, 3.0 * e}, e, 3},               // a negative charge by its size
        {{1.0 * e, 2.02 * e, 2.98 * e, std::nan("")}, e, 3},
        {{2.0 * e, 4.0 * e, 2.0 * e, 4.0 * e}, 2 * e, 4}, // 2e and 4e alone cannot tell e
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.charges.size());
        const ChargeEstimate estimate = EstimateElementaryCharge(c.charges);
        EXPECT_NEAR(estimate.value, c.value, 0.002 * e);
        EXPECT_EQ(estimate.used, c.used);
    }
}
