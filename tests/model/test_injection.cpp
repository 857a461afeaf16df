// Spraying droplets: ranges, draw order, and the replacement of the whole set.
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <set>

using namespace Data;

using InjectionTest = ModelTest;

TEST_F(InjectionTest, DrawsPositionRadiusAndChargeInThatOrder) {
    SeedRandom(777);
    const double r1 = Random(), r2 = Random(), r3 = Random();
    const int k = RandomInt(4);
    SeedRandom(777);
    TDroplet d;
    d.VX = 5;
    d.VY = -5;
    InjectDroplet(d);
    EXPECT_EQ(d.Active, 1);
    EXPECT_EQ(d.X, (r1 - 0.3) * 8e-4);
    EXPECT_EQ(d.Y, (r2 - 0.5) * 8e-4);
    EXPECT_EQ(d.Radius, r3 * 1e-6 + 5e-7);
    EXPECT_EQ(d.Charge, k * ElemCharge);
    EXPECT_EQ(d.VX, 0.0);
    EXPECT_EQ(d.VY, 0.0);
}

TEST_F(InjectionTest, ValuesStayWithinTheirRanges) {
    std::set<int> charges;
    for (int i = 0; i < 20000; ++i) {
        TDroplet d;
        InjectDroplet(d);
        ASSERT_GE(d.X, -0.24e-3);
        ASSERT_LT(d.X, 0.56e-3);
        ASSERT_GE(d.Y, -0.4e-3);
        ASSERT_LT(d.Y, 0.4e-3);
        ASSERT_GE(d.Radius, 0.5e-6);
        ASSERT_LT(d.Radius, 1.5e-6);
        const double k = d.Charge / ElemCharge;
        ASSERT_NEAR(k, std::round(k), 1e-9);
        charges.insert(static_cast<int>(std::round(k)));
    }
    EXPECT_EQ(charges, (std::set<int>{0, 1, 2, 3}));
}

TEST_F(InjectionTest, RandomNeverReachesOneAndIntegersCoverTheirRange) {
    int counts[4] = {};
    for (int i = 0; i < 100000; ++i) {
        const double r = Random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++counts[RandomInt(4)];
    }
    for (int c : counts)
        EXPECT_NEAR(c, 25000, 1000);
    EXPECT_EQ(RandomInt(0), 0);
}

TEST_F(InjectionTest, SecondInjectionReplacesEveryDroplet) {
    for (int i = 1; i <= 100; ++i)
        InjectDroplet(Drops[i]);
    for (int n = 0; n < 50; ++n)
        SimulationTick();
    const DropletArray before = Drops;
    for (int i = 1; i <= 100; ++i)
        InjectDroplet(Drops[i]);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_NE(Drops[i].X, before[i].X);
        EXPECT_NE(Drops[i].Y, before[i].Y);
        EXPECT_NE(Drops[i].Radius, before[i].Radius);
        EXPECT_EQ(Drops[i].VX, 0.0);
        EXPECT_EQ(Drops[i].VY, 0.0);
    }
}

TEST_F(InjectionTest, SameSeedSameDroplets) {
    SeedRandom(99);
    TDroplet a, b;
    InjectDroplet(a);
    SeedRandom(99);
    InjectDroplet(b);
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Radius, b.Radius);
    EXPECT_EQ(a.Charge, b.Charge);
}
