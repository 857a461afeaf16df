#pragma once
// TIdozito: calls one procedure at a fixed wall-clock interval from the user-interface thread.
//
// Start() is itself the program's main loop: it alternately lets the user interface process all
// pending messages and checks the clock, calling the callback whenever more than IntervalMs
// milliseconds have passed since the last firing. A late firing is never made up, and nothing
// fires while a modal dialog (or any other nested loop) runs inside the message pump. Between
// passes the loop sleeps in the framework until a message arrives or the next firing is due, so
// the program costs almost nothing while it waits.

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
    /// Asked before every sleep: how many firings may happen together after one wake-up, each
    /// standing for one interval (1, the default, fires each on its own). The program allows
    /// more while nothing anyone can see depends on each firing; fewer wake-ups cost less.
    void SetFiringsTogether(std::function<std::uint32_t()> firings);

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

private:
    bool Due() const;
    /// Sleeps until a message arrives or the next firing is due (the last of `together`), and
    /// processes what arrived; false, at once, when the firing is due already.
    bool WaitUntilDueOrMessage(std::uint32_t together);
    std::uint32_t FiringsTogether() const;

    Clock clock_;
    bool ownClock_ = true; ///< clock_ is MonotonicMs, whose milliseconds are the steady clock's
    std::function<std::uint32_t()> firingsTogether_;
    Waiting waiting_ = Waiting::UntilDue;
    class Alarm;
    std::unique_ptr<Alarm> alarm_;
};
