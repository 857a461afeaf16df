#pragma once
// TIdozito: calls one procedure at a fixed wall-clock interval from the user-interface thread.
//
// Start() is itself the program's main loop: it alternately lets the user interface process all
// pending messages and checks the clock, calling the callback whenever more than IntervalMs
// milliseconds have passed since the last firing. A late firing is never made up, and nothing
// fires while a modal dialog (or any other nested loop) runs inside the message pump. Between
// passes the loop sleeps in the framework until a message arrives or the next firing is due, so
// the program costs almost nothing while it waits.
//
// While nothing anyone can see depends on the firings, the loop sleeps until a message comes,
// however long that takes, and then makes every firing that would have come meanwhile, each
// standing for its own interval, before that message is handled: handlers see exactly the state
// they would have seen had the loop stayed awake.

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class TIdozito : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<std::uint32_t()>;
    enum class Waiting {
        UntilDue, ///< sleep between passes until a message arrives or the next firing is due
        Never     ///< poll continuously (holds a processor core; for tests and comparison)
    };

    explicit TIdozito(QObject* owner = nullptr);
    ~TIdozito() override;

    /// Stores the interval (milliseconds) and the callback; nothing else.
    void Setup(std::uint32_t intervalMs, std::function<void()> callback);
    /// Runs the polling loop; returns after Stop() has been called from a message handler.
    void Start();
    /// Ends the polling loop at the end of the current pass.
    void Stop();

    /// The most firings the program lets happen together, after one wake-up.
    static constexpr std::uint32_t MostFiringsTogether = 5;
    /// The answer that lets the loop sleep until a message comes: nothing anyone can see depends
    /// on the next firings, so they all come together when something happens.
    static constexpr std::uint32_t AllTogether = 0xFFFFFFFFu;
    /// Asked before every sleep: how many firings may happen together after one wake-up, each
    /// standing for one interval (1, the default, fires each on its own; at most
    /// MostFiringsTogether, or AllTogether). The program allows more while nothing anyone can
    /// see depends on each firing; fewer wake-ups cost less.
    void SetFiringsTogether(std::function<std::uint32_t()> firings);
    /// How many firings of the present group are still to come after the one running now: what
    /// the callback does for any but the last of them nobody sees before the last one runs.
    std::uint32_t FiringsLeft() const { return firingsLeft_; }
    /// True while the loop sleeps until a message comes.
    bool Asleep() const { return asleep_; }

    /// Replaces the millisecond clock (a wrapping unsigned counter); an empty one restores the
    /// default, MonotonicMs.
    void SetClock(Clock clock);
    void SetWaiting(Waiting waiting);

    /// Milliseconds of the monotonic clock, wrapping at 2^32.
    static std::uint32_t MonotonicMs();

    std::uint32_t LastMs = 0;     ///< clock reading of the last firing, or of Start
    std::uint32_t NowMs = 0;      ///< clock reading of the last poll
    std::uint32_t IntervalMs = 0; ///< firing interval, ms
    std::function<void()> Callback;
    bool Running = false; ///< the polling loop continues while true

protected:
    /// While asleep: makes the firings that have passed before any event is handled.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Due() const;
    /// Fires what is due now, at most `together` firings each standing for one interval.
    void FireDue(std::uint32_t together);
    /// Sleeps until a message comes; the firings missed meanwhile are made before it is handled.
    void SleepUntilMessage();
    /// Ends a sleep: makes every firing that has passed since the last one.
    void WakeUp();
    /// Sleeps until a message arrives or the next firing is due (the last of `together`), and
    /// processes what arrived; false, at once, when the firing is due already.
    bool WaitUntilDueOrMessage(std::uint32_t together);
    std::uint32_t FiringsTogether() const;

    Clock clock_;
    bool ownClock_ = true; ///< clock_ is MonotonicMs, whose milliseconds are the steady clock's
    std::function<std::uint32_t()> firingsTogether_;
    Waiting waiting_ = Waiting::UntilDue;
    std::uint32_t firingsLeft_ = 0;
    bool asleep_ = false;
    class Alarm;
    std::unique_ptr<Alarm> alarm_;
};
