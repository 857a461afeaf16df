// Real air: the slip of small droplets in the simulation, and the two analyses that undo it, the
// slip correction and the extrapolation to 1/(p·r) = 0, tried on timings the simulation gives.
#include "model/Analysis.h"
#include "model/ClassResults.h"
#include "model/Extrapolation.h"
#include "model/Notebook.h"
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <random>
#include <vector>

using namespace Data;

namespace {

class RealAirTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        SetRealAir(true);
    }

    /// The speed (m/s, positive with gravity) the simulation gives a droplet at a pressure (kPa)
    /// and a signed voltage.
    static double SimulatedSpeed(double radius, int charges, double kilopascals, double volts) {
        EXPECT_TRUE(SetChamberPressure(kilopascals * 1000));
        PlateVoltage = volts;
        return -SettledVY(Droplet(radius, charges));
    }

    /// A lab at these pressures (kPa): droplets of known sizes and charges, each timed falling
    /// with the supply off and sinking against a reversed field, over 30 ticks, the times read
    /// to a hundredth of a second as a careful student reads them.
    static std::vector<NotebookRow> Lab(std::vector<double> pressures, unsigned seed, int each) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> radius(0.5e-6, 1.2e-6), volts(300, 1000);
        std::uniform_int_distribution<int> charges(1, 3);
        std::vector<NotebookRow> rows;
        int droplet = 0;
        for (const double p : pressures) {
            for (int i = 0; i < each;) {
                const double r = radius(random), U = volts(random);
                const int n = charges(random);
                const double fall = SimulatedSpeed(r, n, p, 0);
                const double moving = SimulatedSpeed(r, n, p, -U);
                if (moving > -5e-6) continue; // too slow to time well
                ++droplet;
                for (const auto& [speed, voltage] : {std::pair{fall, 0.0}, std::pair{moving, -U}}) {
                    NotebookRow row;
                    row.Droplet = droplet;
                    row.Ticks = 30;
                    row.Time = std::round(300e-6 / std::fabs(speed) * 100) / 100;
                    row.Direction = speed > 0 ? MotionDirection::Fall : MotionDirection::Rise;
                    row.Voltage = voltage;
                    row.Celsius = 20;
                    row.Pressure = p;
                    rows.push_back(row);
                }
                ++i;
            }
        }
        RecomputeNotebook(rows);
        return rows;
    }

    static double RelativeError(double value, double truth) { return (value - truth) / truth; }
};

TEST_F(RealAirTest, TheSlipCorrectionGivesBackWhatTheSimulationMoved) {
    struct Case {
        double radius, kilopascals, volts;
        int charges;
    };
    for (const Case c :
         {Case{0.5e-6, 101.3, -400, 1}, Case{1.5e-6, 101.3, 700, 3}, Case{0.8e-6, 20, -300, 2},
          Case{0.5e-6, 1, -1000, 1}, Case{1.2e-6, 110, 250, 2}}) {
        SCOPED_TRACE(c.kilopascals);
        const SlippingAir air{c.kilopascals * 1000, SlipConstant};
        const double fall = SimulatedSpeed(c.radius, c.charges, c.kilopascals, 0);
        const double r = RadiusFromFallSpeed(fall, 20, air);
        EXPECT_NEAR(r, c.radius, c.radius * 1e-3);
        const double moving = SimulatedSpeed(c.radius, c.charges, c.kilopascals, c.volts);
        EXPECT_NEAR(ChargeFromMotion(r, moving, c.volts, 20, air), c.charges * ElemCharge,
                    1e-3 * ElemCharge);
        // Stokes' law alone takes the droplet for a larger one, and more so in thinner air.
        const double stokes = RadiusFromFallSpeed(fall, 20, {air.Pressure, 0});
        EXPECT_GT(stokes, c.radius * std::sqrt(1 + 0.9 * SlipConstant / air.Pressure / c.radius));
    }
    // Without a pressure nothing can be worked out.
    EXPECT_TRUE(std::isnan(RadiusFromFallSpeed(1e-4, 20, {0, SlipConstant})));
    EXPECT_TRUE(std::isnan(ChargeFromMotion(1e-6, 1e-4, 300, 20, {-5, SlipConstant})));
}

TEST_F(RealAirTest, TheAnalysesOfALabAtRoomPressureAndAt20Kilopascals) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<NotebookRow> rows = Lab({101.3, 20}, seed, 8);
        // The room-pressure half worked out with Stokes' law alone (no pressure cells).
        std::vector<NotebookRow> stokes(rows.begin(), rows.begin() + 16);
        for (NotebookRow& row : stokes)
            row.Pressure.reset();
        RecomputeNotebook(stokes);
        EXPECT_GT(RelativeError(NotebookEstimate(stokes).value, ElemCharge), 0.08);

        EXPECT_NEAR(RelativeError(NotebookEstimate(rows).value, ElemCharge), 0, 0.01);
        const ChargeExtrapolation line = ExtrapolateCharge(rows);
        ASSERT_TRUE(line.Found);
        EXPECT_EQ(line.Droplets, 16);
        EXPECT_EQ(line.Points.size(), 16u);
        EXPECT_NEAR(RelativeError(line.E, ElemCharge), 0, 0.02);
        EXPECT_NEAR(RelativeError(line.Slip, SlipConstant), 0, 0.10);
        EXPECT_GT(line.EUncertainty, 0);
        EXPECT_LT(line.EUncertainty, 0.05 * ElemCharge);
        EXPECT_GT(line.SlipUncertainty, 0);
        EXPECT_LT(line.SlipUncertainty, 0.5 * SlipConstant);
    }
}

TEST_F(RealAirTest, NoLineFromTooFewDropletsOrOneValueOf1OverPr) {
    const std::vector<NotebookRow> rows = Lab({101.3, 20}, 7, 2);
    std::vector<NotebookRow> three(rows.begin(), rows.begin() + 6);
    EXPECT_FALSE(ExtrapolateCharge(three).Found);
    EXPECT_EQ(ExtrapolateCharge(three).Droplets, 3);
    EXPECT_TRUE(ExtrapolateCharge(rows).Found);
    // Four droplets alike at one pressure lie at one value of 1/(p·r).
    std::vector<NotebookRow> alike;
    for (int droplet = 1; droplet <= 4; ++droplet)
        for (std::size_t k = 0; k < 2; ++k) {
            alike.push_back(rows[k]);
            alike.back().Droplet = droplet;
        }
    RecomputeNotebook(alike);
    EXPECT_FALSE(ExtrapolateCharge(alike).Found);
    // The ideal chamber's notebook has nothing to extrapolate.
    std::vector<NotebookRow> ideal = rows;
    for (NotebookRow& row : ideal)
        row.Pressure.reset();
    EXPECT_FALSE(TimedInRealAir(ideal));
    EXPECT_EQ(ExtrapolateCharge(ideal).Droplets, 0);
}

TEST_F(RealAirTest, PressuresOutsideTheChamberAreRefused) {
    for (const double pascals : {999.0, 110001.0, 0.0, -1.0, std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(SetChamberPressure(pascals)) << pascals;
        EXPECT_EQ(ChamberPressure, StartPressure);
    }
    EXPECT_TRUE(SetChamberPressure(1000));
    EXPECT_TRUE(SetChamberPressure(110000));
    EXPECT_EQ(ChamberPressure, 110000);
    StartRun();
    EXPECT_EQ(ChamberPressure, StartPressure) << "each run starts at room pressure";
}

} // namespace
