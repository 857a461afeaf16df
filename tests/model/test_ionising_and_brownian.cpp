// The ionising source (whole elementary charges gained or lost, the injection's draws left alone)
// and the Brownian jitter (its spread against 2·D·t).
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

using namespace Data;

using IonisingTest = ModelTest;

TEST_F(IonisingTest, ABurstChangesAThirdOfTheChargesByOneElementaryChargeAndNothingElse) {
    SeedNoise(11);
    InjectAllDroplets();
    for (int i = 91; i <= 100; ++i)
        Drops[i].Active = 0;
    int trials = 0, changed = 0, gained = 0;
    for (int burst = 0; burst < 300; ++burst) {
        const DropletArray before = Drops;
        IoniseDroplets();
        for (int i = 1; i <= DropletCount; ++i) {
            const TDroplet &a = before[i], &b = Drops[i];
            EXPECT_EQ(std::memcmp(&a, &b, offsetof(TDroplet, Charge)), 0) << "motion untouched";
            EXPECT_EQ(a.Radius, b.Radius);
            if (a.Active <= 0) {
                EXPECT_EQ(a.Charge, b.Charge) << "a droplet outside the chamber";
                continue;
            }
            ++trials;
            const double steps = (b.Charge - a.Charge) / ElemCharge;
            ASSERT_NEAR(std::fabs(steps), a.Charge == b.Charge ? 0 : 1, 1e-9);
            EXPECT_EQ(b.Charge, std::round(b.Charge / ElemCharge) * ElemCharge) << "whole e";
            changed += a.Charge != b.Charge;
            gained += steps > 0;
        }
    }
    // 27,000 trials: a third changed, half of those up, each within four standard errors.
    EXPECT_NEAR(changed / double(trials), 1.0 / 3, 4 * std::sqrt(2.0 / 9 / trials));
    EXPECT_NEAR(gained / double(changed), 0.5, 4 * std::sqrt(0.25 / changed));
    // Charges may pass zero: a negative droplet moves the other way in the field.
    bool negative = false;
    for (const TDroplet& d : Drops)
        negative |= d.Charge < 0;
    EXPECT_TRUE(negative);
}

TEST_F(IonisingTest, ABurstLeavesEveryLaterInjectionAsItWouldHaveBeen) {
    auto run = [](bool burst) {
        SeedRandom(5);
        SeedNoise(9);
        InjectAllDroplets();
        if (burst) IoniseDroplets();
        InjectAllDroplets();
        return Drops;
    };
    const DropletArray with = run(true), without = run(false);
    EXPECT_EQ(std::memcmp(&with, &without, sizeof with), 0);
}

TEST_F(IonisingTest, BrownianSpreadGrowsAsTwoDTimesTheTime) {
    // In the ideal chamber, and in real air at 10 kPa, where the slip factor 1 + b/(p·r) of a
    // 0.5 µm droplet (2.64) speeds the jitter up as it does the fall.
    for (const double kilopascals : {0.0, 10.0}) {
        SCOPED_TRACE(kilopascals);
        SetRealAir(kilopascals > 0);
        if (kilopascals > 0) SetChamberPressure(kilopascals * 1000);
        BrownianMotion = true;
        SeedNoise(2024);
        const double r = 0.5e-6, seconds = 1;
        std::vector<double> offsets;
        for (int run = 0; run < 20; ++run) {
            for (TDroplet& d : Drops)
                d = Droplet(r);
            for (int tick = 0; tick < seconds / TickPeriod; ++tick)
                SimulationTick();
            // Gravity moves every droplet alike; the jitter is what differs.
            double meanY = 0;
            for (const TDroplet& d : Drops)
                meanY += d.Y / DropletCount;
            for (const TDroplet& d : Drops) {
                offsets.push_back(d.X);
                offsets.push_back(d.Y - meanY);
            }
        }
        double variance = 0;
        for (double x : offsets)
            variance += x * x / static_cast<double>(offsets.size());
        // D = k_B·T / (6π·η·r) at 20 °C, times the slip; 4,000 offsets give the variance to
        // about 2 %.
        const double slip = kilopascals > 0 ? 2.64 : 1;
        const double D = Boltzmann * 293 / (6 * std::numbers::pi * AirViscosity(293) * r) * slip;
        EXPECT_NEAR(variance / (2 * D * seconds), 1, 0.08);
        // A 0.5 µm droplet jitters by about 7 µm in a second in the ideal chamber.
        if (kilopascals == 0) {
            EXPECT_NEAR(std::sqrt(variance), 6.8e-6, 0.3e-6);
        }
    }
}
