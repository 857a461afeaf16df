#include "scheduler/Idozit.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>

#ifdef __linux__
#include <QSocketNotifier>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace {
void ProcessPendingMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
} // namespace

// Wakes the event loop at a given moment. On Linux a timerfd armed with an absolute monotonic
// deadline wakes it exactly at the millisecond boundary when the firing falls due, so ticks come
// every IntervalMs + 1 ms without drift; elsewhere a precise Qt timer does the same to within a
// millisecond.
class TIdozito::Alarm : public QObject {
public:
    Alarm() {
#ifdef __linux__
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ >= 0) {
            notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
            connect(notifier_, &QSocketNotifier::activated, this, [this] {
                std::uint64_t expirations = 0;
                [[maybe_unused]] const ssize_t n = ::read(fd_, &expirations, sizeof expirations);
            });
            return;
        }
#endif
        timer_ = new QTimer(this);
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
    }
    ~Alarm() override {
#ifdef __linux__
        if (fd_ >= 0) {
            delete notifier_;
            ::close(fd_);
        }
#endif
    }

    /// Arms the alarm for the moment the steady clock reaches `deadline`.
    void At(std::chrono::steady_clock::time_point deadline) {
#ifdef __linux__
        if (fd_ >= 0) {
            // libstdc++'s steady_clock is CLOCK_MONOTONIC.
            const auto ns =
                std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch())
                    .count();
            itimerspec spec{};
            spec.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
            spec.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
            if (spec.it_value.tv_sec == 0 && spec.it_value.tv_nsec == 0) spec.it_value.tv_nsec = 1;
            timerfd_settime(fd_, TFD_TIMER_ABSTIME, &spec, nullptr);
            return;
        }
#endif
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        timer_->start(std::max<std::chrono::milliseconds>(left, std::chrono::milliseconds(0)));
    }

    /// Leaves the alarm unarmed, so that it wakes nobody.
    void Disarm() {
#ifdef __linux__
        if (fd_ >= 0) {
            const itimerspec never{};
            timerfd_settime(fd_, 0, &never, nullptr);
            return;
        }
#endif
        timer_->stop();
    }

private:
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* timer_ = nullptr;
};

TIdozito::TIdozito(QObject* owner) : QObject(owner), clock_(&TIdozito::MonotonicMs) {}

TIdozito::~TIdozito() = default;

std::uint32_t TIdozito::MonotonicMs() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms.count()));
}

void TIdozito::Setup(std::uint32_t intervalMs, std::function<void()> callback) {
    IntervalMs = intervalMs;
    Callback = std::move(callback);
}

void TIdozito::SetClock(Clock clock) {
    ownClock_ = !clock;
    clock_ = clock ? std::move(clock) : Clock(&MonotonicMs);
}

void TIdozito::SetWaiting(Waiting waiting) {
    waiting_ = waiting;
}

bool TIdozito::Due() const {
    // Unsigned difference: correct across the wrap of the counter.
    return static_cast<std::uint32_t>(NowMs - LastMs) > IntervalMs;
}

void TIdozito::Start() {
    Running = true;
    LastMs = clock_();
    if (IntervalMs == 0) {
        Running = false;
    } else {
        // Sees every event first, so that while asleep the missed firings come before it.
        QCoreApplication* app = QCoreApplication::instance();
        if (app) app->installEventFilter(this);
        bool waited = false;
        do {
            // Waiting has just processed whatever arrived while it slept; a second pass straight
            // after it would only ask the system again for nothing.
            if (!waited) ProcessPendingMessages();
            NowMs = clock_();
            // Awake, time the loop lost (a long handler, a modal dialog) is not made up, whatever
            // the answer: only time spent asleep is.
            FireDue(std::min(FiringsTogether(), MostFiringsTogether));
            waited = false;
            if (Running && waiting_ == Waiting::UntilDue) {
                // Asked again: the firings just made may have changed what the next ones show.
                const std::uint32_t together = FiringsTogether();
                if (together == AllTogether) {
                    SleepUntilMessage();
                    waited = true;
                } else {
                    waited = WaitUntilDueOrMessage(together);
                }
            }
        } while (Running);
        if (app) app->removeEventFilter(this);
    }
    ProcessPendingMessages();
}

void TIdozito::FireDue(std::uint32_t together) {
    if (together == 1) {
        if (Due()) {
            LastMs = NowMs;
            if (Callback) Callback();
        }
        return;
    }
    // Each firing stands for one interval that has passed, as if fired on time.
    const std::uint32_t passed = static_cast<std::uint32_t>(NowMs - LastMs) / (IntervalMs + 1);
    const std::uint32_t firings = std::min(passed, together);
    for (std::uint32_t k = 0; k < firings && Running; ++k) {
        LastMs += IntervalMs + 1;
        firingsLeft_ = firings - k - 1;
        if (Callback) Callback();
    }
    firingsLeft_ = 0;
    if (passed > together) LastMs = NowMs; // a late wake is not made up
}

void TIdozito::SleepUntilMessage() {
    if (alarm_) alarm_->Disarm();
    asleep_ = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    // Woken by something that reached no object (the system's own wake-up call).
    if (asleep_) WakeUp();
}

void TIdozito::WakeUp() {
    asleep_ = false;
    NowMs = clock_();
    FireDue(AllTogether);
}

bool TIdozito::eventFilter(QObject* watched, QEvent* event) {
    // A paint comes only from inside another event's handling, never first after a sleep; the
    // firings must not move what is being painted.
    if (asleep_ && event->type() != QEvent::Paint) WakeUp();
    return QObject::eventFilter(watched, event);
}

void TIdozito::Stop() {
    Running = false;
}

std::uint32_t TIdozito::FiringsTogether() const {
    if (!firingsTogether_) return 1;
    const std::uint32_t firings = firingsTogether_();
    if (firings == AllTogether) return firings;
    return std::clamp<std::uint32_t>(firings, 1, MostFiringsTogether);
}

void TIdozito::SetFiringsTogether(std::function<std::uint32_t()> firings) {
    firingsTogether_ = std::move(firings);
}

bool TIdozito::WaitUntilDueOrMessage(std::uint32_t together) {
    using namespace std::chrono;
    const std::uint32_t now = clock_();
    const std::uint32_t elapsed = now - LastMs;
    const std::uint32_t span = together * (IntervalMs + 1) - 1;
    if (elapsed > span) return false; // due already
    // The firing falls due when the clock first reads LastMs + IntervalMs + 1 (or, firing
    // together, when the last of them would have).
    const std::uint32_t left = span + 1 - elapsed;
    if (!alarm_) alarm_ = std::make_unique<Alarm>();
    const auto steadyNow = steady_clock::now();
    if (ownClock_) {
        // Our own clock counts whole milliseconds of the steady clock: wake exactly at the
        // boundary of the millisecond in which the firing falls due.
        const auto thisMs = time_point_cast<milliseconds>(steadyNow);
        alarm_->At(thisMs + milliseconds(left));
    } else {
        alarm_->At(steadyNow + milliseconds(left));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return true;
}
