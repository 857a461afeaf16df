// Sleeping until a message: every firing missed asleep comes, on its own schedule, before the
// message is handled; time lost awake is not made up; a lesson slept through ends bit for bit
// where one ticked through does.
#include "model/Data.h"
#include "scheduler/Idozit.h"
#include "tests/support/ModelDigest.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
/// Runs `t` (nothing ever depends on its firings) on the clock `now`, which stands still but for
/// the planned absences, each passing at once when the loop blocks asleep; the handlers come one
/// after another, each after a sleep, the last stopping the loop.
void SleepThrough(TIdozito& t, std::uint32_t& now, std::vector<std::uint32_t> absences,
                  std::vector<std::function<void()>> handlers) {
    std::size_t next = 0, handled = 0;
    t.SetClock([&] { return now; });
    t.SetFiringsTogether([] { return TIdozito::AllTogether; });
    const auto block = QObject::connect(QAbstractEventDispatcher::instance(),
                                        &QAbstractEventDispatcher::aboutToBlock, [&] {
                                            if (t.Asleep() && next < absences.size())
                                                now += absences[next++];
                                        });
    std::function<void()> handle = [&] {
        handlers[handled]();
        if (++handled == handlers.size()) return t.Stop();
        QTimer::singleShot(5, handle);
    };
    QTimer::singleShot(5, handle);
    t.Start();
    QObject::disconnect(block);
}
} // namespace

TEST(SchedulerSleep, EveryFiringMissedAsleepComesBeforeTheMessageAndNoneLostAwake) {
    struct Case {
        std::uint32_t start, absence, heldAwake; ///< ms; a handler holds the loop (a dialog)
        std::size_t firings;                     ///< made before the handler runs
        std::uint32_t lastMs;                    ///< the schedule goes on from the last of them
        std::size_t firingsAfter;                ///< once the handler has held the loop
        std::uint32_t lastMsAfter;
    };
    const Case cases[] = {
        {1000, 0, 0, 0, 1000, 0, 1000},
        {1000, 10, 0, 0, 1000, 0, 1000},
        {1000, 21, 0, 1, 1011, 1, 1011},
        {1000, 22, 0, 2, 1022, 2, 1022},
        {1000, 600000, 0, 54545, 600995, 54545, 600995}, // ten minutes
        {0xFFFFFFFFu - 100, 1000, 0, 90, 889, 90, 889},  // across the wrap of the clock
        {1000, 0, 1000, 0, 1000, TIdozito::MostFiringsTogether, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.absence);
        TIdozito t;
        std::uint32_t now = c.start;
        std::vector<std::uint32_t> left; // FiringsLeft() as each firing saw it
        std::size_t firings = 0, firingsAfter = 0;
        std::uint32_t lastMs = 0, lastMsAfter = 0;
        t.Setup(10, [&] { left.push_back(t.FiringsLeft()); });
        SleepThrough(t, now, {c.absence, 0},
                     {[&] { firings = left.size(), lastMs = t.LastMs, now += c.heldAwake; },
                      [&] { firingsAfter = left.size(), lastMsAfter = t.LastMs; }});
        EXPECT_EQ(firings, c.firings);
        EXPECT_EQ(lastMs, c.lastMs);
        EXPECT_EQ(firingsAfter, c.firingsAfter);
        EXPECT_EQ(lastMsAfter, c.lastMsAfter);
        // Only the last of a group is seen by anyone: the others are told more follow.
        for (std::size_t i = 0; i < c.firings; ++i)
            ASSERT_EQ(left[i], c.firings - 1 - i) << i;
    }
}

TEST(SchedulerSleep, ALessonSleptThroughEndsWhereTickingThroughEnds) {
    // Droplets jittering and falling in a field, the stopwatch running: two minutes away, a new
    // set temperature, one more minute away. Asleep, the scheduler makes 10909 ticks, then 5455
    // (the 7 ms left over from the first absence count towards the second).
    std::string shown;
    const auto startLesson = [&shown] {
        Data::ResetChamber();
        Data::StartRun();
        Data::SeedRandom(2024);
        Data::SeedNoise(7);
        Data::SetBrownianMotion(true);
        Data::SetVoltageSetting(350);
        Data::SwitchSupply();
        Data::InjectAllDroplets();
        Data::StartStopwatch();
        Data::StopwatchDisplayHook = [&shown](const std::string& text) { shown = text; };
    };
    startLesson();
    for (int n = 0; n < 10909 + 5455; ++n) {
        if (n == 10909) Data::SetAmbientTemperature(45);
        Data::SimulationTick();
    }
    const std::uint64_t tickedThrough = TestSupport::ModelDigest();
    const std::string shownTickedThrough = shown;

    startLesson();
    TIdozito t;
    std::uint32_t now = 0;
    std::uint64_t sleptThrough = 0;
    t.Setup(10, &Data::SimulationTick);
    SleepThrough(t, now, {120006, 60000},
                 {[] { Data::SetAmbientTemperature(45); },
                  [&] { sleptThrough = TestSupport::ModelDigest(); }});
    Data::StopwatchDisplayHook = nullptr;
    Data::ResetChamber();
    EXPECT_EQ(sleptThrough, tickedThrough);
    EXPECT_EQ(shown, shownTickedThrough);
}
