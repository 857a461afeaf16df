// The scheduler alone at the program's 10 ms interval: CPU share of the process and the mean
// spacing of the firings, with the sleeping loop and with busy polling. --bare measures what the
// machine itself charges for waking a process at that pace: a loop that does nothing but sleep
// until the next 11 ms boundary, without Qt, the floor under any program that ticks that often.
//
//   bench_scheduler_run [--busy | --bare] [SECONDS]
#include "bench/RunOptions.h"
#include "scheduler/Idozit.h"

#include <QCoreApplication>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <time.h>

namespace {
/// Sleeps to absolute deadlines 11 ms apart for the given time; returns the number of wake-ups.
long BareWakeUps(double seconds) {
    constexpr long periodNs = 11'000'000;
    const long wakeUps = static_cast<long>(seconds * 1e9 / periodNs);
    timespec due{};
    clock_gettime(CLOCK_MONOTONIC, &due);
    for (long i = 0; i < wakeUps; ++i) {
        due.tv_nsec += periodNs;
        if (due.tv_nsec >= 1'000'000'000) {
            due.tv_nsec -= 1'000'000'000;
            ++due.tv_sec;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
        }
    }
    return wakeUps;
}
} // namespace

int main(int argc, char** argv) {
    const Bench::RunOptions options = Bench::RunOptions::Parse(argc, argv, 10);
    const bool busy = options.Busy;
    const double seconds = options.Seconds;
    if (options.Bare) {
        const double cpu0 = Bench::CpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        const long wakeUps = BareWakeUps(seconds);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        std::printf("bare wake-ups every 11 ms, no Qt\n");
        std::printf("cpu_percent %.2f\n", 100 * (Bench::CpuSeconds() - cpu0) / wall);
        std::printf("firings %ld\n", wakeUps);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TIdozito scheduler;
    if (busy) scheduler.SetWaiting(TIdozito::Waiting::Never);
    long firings = 0;
    std::uint32_t first = 0, last = 0;
    scheduler.Setup(10, [&] {
        if (firings++ == 0) first = scheduler.NowMs;
        last = scheduler.NowMs;
    });
    const double cpu0 = Bench::CpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] { scheduler.Stop(); });
    scheduler.Start();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    std::printf("scheduler %s\n", busy ? "busy-polling" : "sleeping");
    std::printf("cpu_percent %.2f\n", 100 * (Bench::CpuSeconds() - cpu0) / wall);
    std::printf("firings %ld\n", firings);
    std::printf("mean_interval_ms %.3f\n",
                firings > 1 ? static_cast<double>(last - first) / (firings - 1) : 0.0);
    return 0;
}
