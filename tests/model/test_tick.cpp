// The simulation tick: simulated time, the hooks, the stopwatch, determinism, and agreement with
// stepping every droplet the plain way.
#include "tests/model/ModelTestSupport.h"
#include "tests/support/FixedLesson.h"
#include "tests/support/LiteralTick.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace Data;

using TickTest = ModelTest;

namespace {
void InjectAll() {
    for (int i = 1; i <= 100; ++i)
        InjectDroplet(Drops[i]);
    InjectTime = SimTime;
    TempRefTime = SimTime;
}

bool BitIdentical(const DropletArray& a, const DropletArray& b) {
    for (int i = 1; i <= 100; ++i) {
        const TDroplet &x = a[i], &y = b[i];
        if (std::memcmp(&x.X, &y.X, sizeof(double)) || std::memcmp(&x.Y, &y.Y, sizeof(double)) ||
            std::memcmp(&x.VX, &y.VX, sizeof(double)) ||
            std::memcmp(&x.VY, &y.VY, sizeof(double)) || x.Active != y.Active)
            return false;
    }
    return true;
}
} // namespace

TEST_F(TickTest, WithoutDropletsTimeTemperatureAndStopwatchStillAdvance) {
    PrevTemp = 293;
    AmbientTemp = 313;
    std::string shown;
    StopwatchDisplayHook = [&](const std::string& s) { shown = s; };
    StopwatchRunning = true;
    SimulationTick();
    EXPECT_EQ(SimTime, 0.01);
    EXPECT_EQ(CurTemp, AirTemperatureAt(0.01));
    EXPECT_GT(CurTemp, 293.0);
    EXPECT_EQ(shown, "00:00,0  ");
    for (const TDroplet& d : Drops) {
        EXPECT_EQ(d.Active, 0);
        EXPECT_EQ(d.Y, 0.0);
    }
}

TEST_F(TickTest, SimulatedTimeIsSetFromEachTicksOwnStart) {
    SimTime = 3.3;
    double expected = 3.3;
    for (int n = 0; n < 100; ++n) {
        SimulationTick();
        expected = expected + 0.01;
        ASSERT_EQ(SimTime, expected) << "tick " << n;
    }
    EXPECT_NEAR(SimTime, 4.3, 1e-12);
}

TEST_F(TickTest, InactiveDropletsAreUntouchedAndActiveOnesMove) {
    InjectAll();
    for (int i = 2; i <= 100; i += 2)
        Drops[i].Active = 0;
    const DropletArray before = Drops;
    SimulationTick();
    for (int i = 1; i <= 100; ++i) {
        if (i % 2 == 0) {
            EXPECT_EQ(Drops[i].Y, before[i].Y);
            EXPECT_EQ(Drops[i].VY, before[i].VY);
        } else {
            EXPECT_NE(Drops[i].Y, before[i].Y);
        }
    }
}

TEST_F(TickTest, ViewRefreshRunsOnceAfterTheFirstSubStepThenTheStopwatchIsShown) {
    InjectAll();
    TDroplet start = Drops[1];
    std::vector<std::string> calls;
    double yAtRefresh = 0, timeAtRefresh = -1;
    ViewRefreshHook = [&] {
        calls.push_back("view");
        yAtRefresh = Drops[1].Y;
        timeAtRefresh = SimTime;
    };
    StopwatchDisplayHook = [&](const std::string& s) { calls.push_back("stopwatch " + s); };
    StopwatchRunning = true;
    StopwatchStart = 0;
    SimulationTick();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "view");
    EXPECT_EQ(calls[1], "stopwatch 00:00,0  ");
    // The droplets had moved one sub-step when the view was refreshed; time had not advanced.
    StepDroplet(start, SubStep, 0);
    EXPECT_EQ(yAtRefresh, start.Y);
    EXPECT_EQ(timeAtRefresh, 0.0);
}

TEST_F(TickTest, StoppedStopwatchIsNotWritten) {
    int writes = 0;
    StopwatchDisplayHook = [&](const std::string&) { ++writes; };
    StopwatchRunning = false;
    SimulationTick();
    EXPECT_EQ(writes, 0);
}

TEST_F(TickTest, StopwatchCountsSimulatedTimeFromItsStart) {
    std::string shown;
    StopwatchDisplayHook = [&](const std::string& s) { shown = s; };
    for (int n = 0; n < 50; ++n)
        SimulationTick();
    StopwatchStart = SimTime;
    StopwatchRunning = true;
    for (int n = 0; n < 7549; ++n)
        SimulationTick(); // 75.49 s
    EXPECT_EQ(shown, "01:15,4  ");
    SimulationTick();
    SimulationTick(); // 75.51 s
    EXPECT_EQ(shown, "01:15,5  ");
}

TEST_F(TickTest, FixedSeedAndLessonGiveTheStoredDigest) {
    // A change of compiler, flags or mathematical library that alters a single bit of the motion
    // shows here. The stored digest is that of x86-64 with glibc; elsewhere the last bits of the
    // exponential may differ, and only the repeat must agree.
    auto run = [] { return FixedLesson::Run(); };
    const std::uint64_t first = run();
    EXPECT_EQ(first, run()) << "the same run twice";
#if defined(__x86_64__) && defined(__GLIBC__)
    EXPECT_EQ(first, FixedLesson::StoredDigest) << std::hex << first;
#endif
    // Real air moves every droplet differently, the same way on every run.
    const std::uint64_t realAir = FixedLesson::RealAirRun();
    EXPECT_EQ(realAir, FixedLesson::RealAirRun());
    EXPECT_NE(realAir, first);
#if defined(__x86_64__) && defined(__GLIBC__)
    EXPECT_EQ(realAir, FixedLesson::StoredRealAirDigest) << std::hex << realAir;
#endif
    // Off again, the ideal chamber is bit for bit what it was.
    EXPECT_EQ(run(), first);
}

TEST_F(TickTest, AgreesBitForBitWithSteppingEveryDropletThePlainWay) {
    // A lesson's worth of changes: injections, voltage switched and reversed, temperature set
    // during a relaxation, droplets switched off, real air at changing pressures. Both ticks must
    // give the same bits throughout.
    struct Change {
        int atTick;
        void (*apply)();
    };
    const std::vector<Change> lesson = {
        {0, [] { InjectAll(); }},
        {150, [] { PlateVoltage = 500; }},
        {400,
         [] { PrevTemp = AirTemperatureAt(SimTime), AmbientTemp = 313, TempRefTime = SimTime; }},
        {900, [] { PlateVoltage = -500; }},
        {1500, [] { InjectAll(); }},
        {2000, [] { PrevTemp = CurTemp, AmbientTemp = 278, TempRefTime = SimTime; }},
        {2600, [] { Drops[7].Active = 0, Drops[8].Radius = 1.2e-6; }},
        {3000, [] { PlateVoltage = 0; }},
        {9000, [] { PlateVoltage = 1000, Drops[9].Charge = 2 * ElemCharge; }},
        // Real air: thinner, then with a droplet's charge changed, ideal again, real once more.
        {9500, [] { SetRealAir(true), SetChamberPressure(20000); }},
        {9700, [] { SetChamberPressure(1000), Drops[9].Charge = -ElemCharge; }},
        {9800, [] { SetRealAir(false); }},
        {9900, [] { SetRealAir(true), Drops[10].Radius = 0.6e-6; }},
    };
    auto run = [&](void (*tick)()) {
        Data::ResetChamber();
        PrevTemp = AmbientTemp = CurTemp = 293;
        SeedRandom(31337);
        std::size_t next = 0;
        for (int n = 0; n < 10000; ++n) {
            while (next < lesson.size() && lesson[next].atTick == n)
                lesson[next++].apply();
            tick();
        }
        return std::make_pair(Drops, SimTime);
    };
    const auto fast = run(&SimulationTick);
    const auto plain = run(&Reference::LiteralSimulationTick);
    EXPECT_TRUE(BitIdentical(fast.first, plain.first));
    EXPECT_EQ(fast.second, plain.second);
    EXPECT_NE(fast.first[1].Y, 0.0);
}

TEST_F(TickTest, AgreesBitForBitAtTheEdgesOfEveryRange) {
    // Extreme radii, charges and voltages, both ends of the thermostat while relaxing and while
    // drifting, and positions where the last bit is hard to bound (zero, subnormal, huge, NaN).
    auto setUp = [] {
        Data::ResetChamber();
        SeedRandom(7);
        InjectAll();
        // Beyond the sprayed range too: at 6 and 20 µm the velocity no longer settles within a
        // sub-step (C ≈ 0.08 and 0.8), so every term of the motion counts.
        const double radii[] = {5e-7, std::nextafter(1.5e-6, 0.0), 1e-6, 1.2e-6, 6e-6, 2e-5};
        for (int i = 1; i <= 100; ++i) {
            Drops[i].Radius = radii[i % 6];
            Drops[i].Charge = (i % 4) * ElemCharge;
        }
        Drops[1].X = 0;
        Drops[1].Y = 0;
        Drops[2].X = 4.9e-324;
        Drops[2].Y = -4.9e-324;
        Drops[3].X = 1e300;
        Drops[4].Y = std::nan("");
        Drops[5].VX = 1e-3;
        Drops[6].VY = -0.0;
        PrevTemp = CurTemp = 273;
        AmbientTemp = 373;
        TempRefTime = SimTime;
        PlateVoltage = 1000;
    };
    auto run = [&](void (*tick)()) {
        setUp();
        for (int n = 0; n < 3000; ++n) {
            if (n == 700) PlateVoltage = -1000;
            if (n == 1200) PrevTemp = CurTemp, AmbientTemp = 273, TempRefTime = SimTime;
            if (n == 2000) PlateVoltage = 0, InjectTime = SimTime;
            tick();
        }
        return Drops;
    };
    const DropletArray fast = run(&SimulationTick);
    const DropletArray plain = run(&Reference::LiteralSimulationTick);
    EXPECT_TRUE(BitIdentical(fast, plain));
}

TEST_F(TickTest, DropletChangedByTheViewRefreshIsSteppedWithItsNewValues) {
    auto run = [](void (*tick)()) {
        Data::ResetChamber();
        PrevTemp = AmbientTemp = CurTemp = 293;
        SeedRandom(5);
        InjectAll();
        int refreshes = 0;
        ViewRefreshHook = [&] {
            if (++refreshes == 3) Drops[4].Radius = 0.7e-6, Drops[4].Charge = 3 * ElemCharge;
        };
        PlateVoltage = 700;
        for (int n = 0; n < 10; ++n)
            tick();
        ViewRefreshHook = nullptr;
        return Drops;
    };
    const DropletArray fast = run(&SimulationTick);
    const DropletArray plain = run(&Reference::LiteralSimulationTick);
    EXPECT_TRUE(BitIdentical(fast, plain));
}

TEST_F(TickTest, LookaheadFindsTheTickThatChangesTheStopwatchAndDropletsThatMayComeIntoView) {
    std::vector<std::string> shown;
    StopwatchDisplayHook = [&](const std::string& text) { shown.push_back(text); };
    EXPECT_EQ(TicksUntilStopwatchChanges(5), 5) << "stopped: nothing changes";
    StartStopwatch();
    for (int i = 0; i < 3; ++i) // so that some changes fall inside a group of five
        SimulationTick();
    int shortGroups = 0;
    for (int group = 0; group < 30; ++group) {
        const int k = TicksUntilStopwatchChanges(5);
        const std::string before = FormatStopwatch(StopwatchShown);
        shown.clear();
        for (int i = 0; i < k; ++i)
            SimulationTick();
        // Every tick of the group but the last shows what was shown before; the last changes
        // it, unless the change lies beyond five ticks.
        for (int i = 0; i + 1 < k; ++i)
            EXPECT_EQ(shown[static_cast<std::size_t>(i)], before) << group;
        if (k < 5) {
            EXPECT_NE(shown.back(), before) << group;
            ++shortGroups;
        }
    }
    EXPECT_GE(shortGroups, 1);

    struct Case {
        double x, vx; // µm, µm/s
        bool brownian, out;
    };
    const Case cases[] = {
        {300, 0, false, true}, {300, -1500, false, true}, {260, -12000, false, false},
        {206, 0, false, true}, {206, 0, true, false},     {150, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Drops[1] = Droplet(1e-6);
        Drops[1].X = c.x * PixelSize;
        Drops[1].VX = c.vx * 1e-6;
        Drops[1].VY = 0;
        BrownianMotion = c.brownian;
        EXPECT_EQ(DropletsStayOutOfView(5, 200), c.out);
    }
    Drops[1].X = std::nan("");
    EXPECT_TRUE(DropletsStayOutOfView(5, 200)) << "a droplet that is nowhere is never seen";
}
