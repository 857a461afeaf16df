// Sleeping until a message: every firing missed while asleep comes, on its own schedule, before
// the message is handled; time lost while awake is not made up; and a lesson slept through ends
// in the very state it reaches when ticked through.
#include "model/Data.h"
#include "scheduler/Idozit.h"
#include "tests/support/ModelDigest.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

/// Makes wall time pass the way it does for a sleeping program: the clock stands still except
/// when the event loop blocks while the scheduler is asleep; then the next planned absence passes
/// at once.
class Absences {
public:
    Absences(TIdozito& scheduler, std::uint32_t start, std::vector<std::uint32_t> absences)
        : now(start), absences_(std::move(absences)) {
        scheduler.SetClock([this] { return now; });
        connection_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                       &QAbstractEventDispatcher::aboutToBlock, [this, &scheduler] {
                                           if (scheduler.Asleep() && next_ < absences_.size())
                                               now += absences_[next_++];
                                       });
    }
    ~Absences() { QObject::disconnect(connection_); }
    Absences(const Absences&) = delete;
    Absences& operator=(const Absences&) = delete;

    std::uint32_t now;

private:
    std::vector<std::uint32_t> absences_;
    std::size_t next_ = 0;
    QMetaObject::Connection connection_;
};

} // namespace

TEST(SchedulerSleep, EveryFiringMissedWhileAsleepComesBeforeTheMessageIsHandled) {
    struct Case {
        std::uint32_t start, absence;
        std::uint32_t firings; ///< made before the message's handler runs
        std::uint32_t lastMs;  ///< the schedule goes on from the last of them
    };
    const Case cases[] = {
        {1000, 0, 0, 1000},
        {1000, 10, 0, 1000},
        {1000, 11, 1, 1011},
        {1000, 21, 1, 1011},
        {1000, 22, 2, 1022},
        {1000, 600000, 54545, 600995},      // ten minutes
        {0xFFFFFFFFu - 100, 1000, 90, 889}, // across the wrap of the clock
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.absence);
        TIdozito t;
        Absences clock(t, c.start, {c.absence});
        std::vector<std::uint32_t> left; // FiringsLeft() as each firing saw it
        std::size_t firingsSeen = 0;
        std::uint32_t lastMsSeen = 0;
        t.SetFiringsTogether([] { return TIdozito::AllTogether; });
        t.Setup(10, [&] { left.push_back(t.FiringsLeft()); });
        QTimer::singleShot(5, [&] {
            firingsSeen = left.size();
            lastMsSeen = t.LastMs;
            t.Stop();
        });
        t.Start();
        EXPECT_EQ(firingsSeen, c.firings);
        EXPECT_EQ(lastMsSeen, c.lastMs);
        EXPECT_EQ(left.size(), c.firings) << "nothing more fires once the clock stands still";
        // Only the last of the group is seen by anyone: the others are told more follow.
        for (std::size_t i = 0; i < left.size(); ++i)
            ASSERT_EQ(left[i], left.size() - 1 - i) << i;
    }
}

TEST(SchedulerSleep, TimeLostAwakeIsNotMadeUpEvenWhenNothingDependsOnTheFirings) {
    // A handler that holds the loop for a second (a modal dialog, say): afterwards at most the
    // firings allowed together come, and the schedule restarts from then.
    TIdozito t;
    std::uint32_t now = 5000;
    int firings = 0, firingsAfter = -1;
    std::uint32_t lastMsAfter = 0;
    t.SetClock([&] { return now; });
    t.SetFiringsTogether([] { return TIdozito::AllTogether; });
    t.Setup(10, [&] { ++firings; });
    QTimer::singleShot(5, [&] {
        now += 1000;
        QTimer::singleShot(5, [&] {
            firingsAfter = firings;
            lastMsAfter = t.LastMs;
            t.Stop();
        });
    });
    t.Start();
    EXPECT_EQ(firingsAfter, static_cast<int>(TIdozito::MostFiringsTogether));
    EXPECT_EQ(lastMsAfter, 6000u);
}

TEST(SchedulerSleep, ALessonSleptThroughEndsWhereTickingThroughEnds) {
    // Droplets jittering and falling in a field, the stopwatch running: two minutes away, a new
    // set temperature, one more minute away. Asleep, the scheduler makes 10909 ticks and then
    // 5455 (the 6 ms left over from the first absence count towards the second), each as the
    // loop would have made it awake, and the state is the same to the last bit.
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
    for (int n = 0; n < 10909; ++n)
        Data::SimulationTick();
    Data::SetAmbientTemperature(45);
    for (int n = 0; n < 5455; ++n)
        Data::SimulationTick();
    const std::uint64_t tickedThrough = TestSupport::ModelDigest();
    const std::string shownTickedThrough = shown;

    startLesson();
    TIdozito t;
    Absences clock(t, 0, {120006, 60000});
    t.SetFiringsTogether([] { return TIdozito::AllTogether; });
    t.Setup(10, &Data::SimulationTick);
    std::uint64_t sleptThrough = 0;
    QTimer::singleShot(5, [&] {
        Data::SetAmbientTemperature(45);
        QTimer::singleShot(5, [&] {
            sleptThrough = TestSupport::ModelDigest();
            t.Stop();
        });
    });
    t.Start();
    Data::StopwatchDisplayHook = nullptr;
    Data::ResetChamber();

    EXPECT_EQ(sleptThrough, tickedThrough);
    EXPECT_EQ(shown, shownTickedThrough);
}
