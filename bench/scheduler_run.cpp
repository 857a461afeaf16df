// The scheduler alone at the program's 10 ms interval: CPU share of the process and the mean
// spacing of the firings, with the sleeping loop and with busy polling.
//
//   bench_scheduler_run [--busy] [SECONDS]
#include "bench/RunOptions.h"
#include "scheduler/Idozit.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>

int main(int argc, char** argv) {
    const Bench::RunOptions options = Bench::RunOptions::Parse(argc, argv, 10);
    const bool busy = options.Busy;
    const double seconds = options.Seconds;
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
