// How long the program takes to make up ten minutes of ticks after sleeping through them (the
// window minimised while the experiment runs): 100 droplets in a 500 V field, the stopwatch
// running, as the student left it. The scheduler sleeps on a clock that stands still until the
// event loop blocks, then jumps ten minutes; the first message after it sets off the catch-up.
//
//   bench_catch_up [MINUTES]
#include "bench/RunOptions.h"
#include "model/Data.h"
#include "scheduler/Idozit.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct Result {
    double seconds = 0;    ///< wall time
    double cpuSeconds = 0; ///< the process's CPU time: what a loaded machine does not inflate
    long ticks = 0;
};

Result CatchUp(std::uint32_t absenceMs, bool brownian, bool relaxing) {
    Data::ResetChamber();
    Data::StartRun();
    Data::SeedRandom(20261208);
    Data::SetBrownianMotion(brownian);
    Data::SetVoltageSetting(500);
    Data::SwitchSupply();
    Data::InjectAllDroplets();
    Data::StartStopwatch();
    if (relaxing) Data::SetAmbientTemperature(45);
    std::string shown;
    Data::StopwatchDisplayHook = [&shown](const std::string& text) { shown = text; };

    TIdozito scheduler;
    std::uint32_t now = 0;
    bool away = false;
    long ticks = 0;
    std::chrono::steady_clock::time_point woke;
    double wokeCpu = 0;
    scheduler.SetClock([&] {
        // The clock is read at the wake-up, just before the missed ticks are made.
        if (away && ticks == 0) {
            woke = std::chrono::steady_clock::now();
            wokeCpu = Bench::CpuSeconds();
        }
        return now;
    });
    scheduler.SetFiringsTogether([] { return TIdozito::AllTogether; });
    scheduler.Setup(10, [&] {
        ++ticks;
        Data::SimulationTick();
    });
    const auto connection = QObject::connect(QAbstractEventDispatcher::instance(),
                                             &QAbstractEventDispatcher::aboutToBlock, [&] {
                                                 if (scheduler.Asleep() && !away) {
                                                     away = true;
                                                     now += absenceMs;
                                                 }
                                             });
    Result result;
    QTimer::singleShot(1, [&] {
        result.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - woke).count();
        result.cpuSeconds = Bench::CpuSeconds() - wokeCpu;
        result.ticks = ticks;
        scheduler.Stop();
    });
    scheduler.Start();
    QObject::disconnect(connection);
    Data::StopwatchDisplayHook = nullptr;
    return result;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double minutes = argc > 1 ? std::stod(argv[1]) : 10;
    const auto absence = static_cast<std::uint32_t>(minutes * 60000);
    std::printf("catching up %.0f minutes asleep (goal: 10 minutes in under 0.3 s)\n", minutes);
    const struct {
        const char* name;
        bool brownian, relaxing;
    } scenes[] = {
        {"settled_air", false, false},
        {"relaxing_air", false, true},
        {"brownian_motion", true, false},
    };
    for (const auto& scene : scenes) {
        const Result r = CatchUp(absence, scene.brownian, scene.relaxing);
        std::printf("catch_up_seconds %-16s %.3f wall, %.3f cpu (%ld ticks)\n", scene.name,
                    r.seconds, r.cpuSeconds, r.ticks);
    }
    return 0;
}
