// The scheduler's firing rule: spacing, no catch-up, clock wrap, stopping from a handler, and
// suspension while a modal dialog runs.
#include "scheduler/Idozit.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A clock that advances by one millisecond at every reading, so each polling pass moves time on.
struct SteppingClock {
    std::uint32_t now = 0;
    std::uint32_t Read() { return now++; }
};

// Runs the scheduler on a stepping clock (polling without waiting) until `firings` callbacks.
std::vector<std::uint32_t> Fire(TIdozito& t, SteppingClock& clock, int firings,
                                std::function<void()> extra = {}) {
    std::vector<std::uint32_t> at;
    t.SetClock([&] { return clock.Read(); });
    t.SetWaiting(TIdozito::Waiting::Never);
    t.Setup(10, [&] {
        at.push_back(t.NowMs);
        if (extra) extra();
        if (static_cast<int>(at.size()) == firings) t.Stop();
    });
    t.Start();
    return at;
}

} // namespace

TEST(Scheduler, SetupStoresIntervalAndCallbackOnly) {
    TIdozito t;
    int calls = 0;
    t.Setup(10, [&] { ++calls; });
    EXPECT_EQ(t.IntervalMs, 10u);
    EXPECT_FALSE(t.Running);
    EXPECT_EQ(calls, 0);
}

TEST(Scheduler, FiresEveryIntervalPlusOneMillisecond) {
    TIdozito t;
    SteppingClock clock;
    const auto at = Fire(t, clock, 50);
    ASSERT_EQ(at.size(), 50u);
    EXPECT_EQ(at[0], 11u); // Start read 0; the first firing needs more than 10 ms
    for (std::size_t i = 1; i < at.size(); ++i)
        EXPECT_EQ(at[i] - at[i - 1], 11u) << i;
    EXPECT_FALSE(t.Running);
}

TEST(Scheduler, LateFiringIsNotMadeUp) {
    TIdozito t;
    SteppingClock clock;
    int n = 0;
    // The third callback takes 100 ms.
    const auto at = Fire(t, clock, 8, [&] {
        if (++n == 3) clock.now += 100;
    });
    ASSERT_EQ(at.size(), 8u);
    EXPECT_EQ(at[3] - at[2], 101u); // the late firing happens once, as soon as it is seen
    for (std::size_t i = 4; i < at.size(); ++i)
        EXPECT_EQ(at[i] - at[i - 1], 11u) << "the schedule restarts from the late firing";
}

TEST(Scheduler, KeepsFiringAcrossTheWrapOfTheClock) {
    TIdozito t;
    SteppingClock clock;
    clock.now = 0xFFFFFFFFu - 30;
    const auto at = Fire(t, clock, 10);
    ASSERT_EQ(at.size(), 10u);
    EXPECT_LT(at.back(), at.front()); // the clock wrapped during the run
    for (std::size_t i = 1; i < at.size(); ++i)
        EXPECT_EQ(static_cast<std::uint32_t>(at[i] - at[i - 1]), 11u);
}

TEST(Scheduler, StopFromAMessageHandlerEndsTheLoopAfterOneMorePump) {
    TIdozito t;
    int firings = 0;
    bool postedAfterStopRan = false;
    t.Setup(10, [&] { ++firings; });
    QTimer::singleShot(60, [&] {
        t.Stop();
        // Posted after Stop: the final pump pass still delivers it before Start returns.
        QTimer::singleShot(0, [&] { postedAfterStopRan = true; });
    });
    t.Start();
    EXPECT_FALSE(t.Running);
    EXPECT_TRUE(postedAfterStopRan);
    EXPECT_GE(firings, 1);
}

TEST(Scheduler, ZeroIntervalReturnsAtOnceAfterOnePump) {
    TIdozito t;
    int calls = 0;
    bool pumped = false;
    t.Setup(0, [&] { ++calls; });
    QTimer::singleShot(0, [&] { pumped = true; });
    t.Start();
    EXPECT_FALSE(t.Running);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(pumped);
}

TEST(Scheduler, RealClockFiringsAreNeverCloserThanIntervalPlusOne) {
    TIdozito t;
    std::vector<std::uint32_t> at;
    t.Setup(10, [&] {
        at.push_back(t.NowMs);
        if (at.size() == 30) t.Stop();
    });
    t.Start();
    ASSERT_EQ(at.size(), 30u);
    for (std::size_t i = 1; i < at.size(); ++i)
        EXPECT_GE(at[i] - at[i - 1], 11u) << i;
}

TEST(Scheduler, NothingFiresWhileAModalDialogRunsInsideTheLoop) {
    TIdozito t;
    int firings = 0, firingsWhileOpen = -1, firingsAfter = 0;
    bool dialogOpen = false;
    t.Setup(10, [&] {
        ++firings;
        if (dialogOpen) ++firingsWhileOpen;
        if (firingsWhileOpen >= 0 && !dialogOpen && ++firingsAfter == 5) t.Stop();
    });
    QTimer::singleShot(50, [&] {
        QDialog dialog;
        QTimer::singleShot(300, &dialog, &QDialog::accept);
        dialogOpen = true;
        firingsWhileOpen = 0;
        dialog.exec(); // a nested loop inside the scheduler's message pump
        dialogOpen = false;
    });
    t.Start();
    EXPECT_EQ(firingsWhileOpen, 0);
    EXPECT_EQ(firingsAfter, 5); // firing resumes once the dialog has closed
    EXPECT_GT(firings, 5);
}

TEST(Scheduler, FiringsAllowedTogetherComeAfterOneWakeUpAtTheSamePace) {
    TIdozito t;
    std::vector<std::uint32_t> at;
    t.SetFiringsTogether([] { return 5u; });
    t.Setup(10, [&] {
        at.push_back(t.NowMs);
        if (at.size() == 40) t.Stop();
    });
    const std::uint32_t start = TIdozito::MonotonicMs();
    t.Start();
    ASSERT_EQ(at.size(), 40u);
    // Eight wake-ups of five firings each, and no firing before its interval has passed: the
    // fortieth comes no sooner than 40 × 11 ms after the start.
    std::size_t wakeUps = 1;
    for (std::size_t i = 1; i < at.size(); ++i)
        wakeUps += at[i] != at[i - 1];
    EXPECT_LE(wakeUps, 10u);
    EXPECT_GE(at.back() - start, 40u * 11 - 1);
}
