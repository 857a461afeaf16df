// The real program, run the way a student uses it, measured from inside: identity confirmed,
// 100 droplets injected, the supply on at 500 V, the stopwatch running. Reports the process's
// CPU share, its wake-ups per second and how far simulated time kept up with wall time over the
// measuring time.
//
//   bench_program_run [--busy] [SECONDS]
//
// --busy polls without ever sleeping (the scheduler of the classic design), as the anchor the
// sleeping scheduler is compared with. Run it under a real X server (Xvfb) or headless with
// QT_QPA_PLATFORM=offscreen.
#include "app/StartSequence.h"
#include "bench/RunOptions.h"
#include "model/Data.h"
#include "ui/Main.h"
#include "ui/MicroscopeView.h"
#include "ui/PswdDlg.h"
#include "ui/StopwatchView.h"
#include "ui/VoltageView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>

namespace {

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

int main(int argc, char** argv) {
    const Bench::RunOptions options = Bench::RunOptions::Parse(argc, argv, 20);
    const bool busy = options.Busy;
    const double seconds = options.Seconds;
    struct Sample {
        double cpu = 0, wall = 0, sim = 0;
        Bench::ContextSwitches switches;
    } start;

    StartHooks hooks;
    hooks.BeforePrompt = [](TForm1&, TPasswordDlg& prompt) {
        QTimer::singleShot(0, &prompt, [&prompt] {
            prompt.Password->setText("bench");
            prompt.done(mrOk);
        });
    };
    hooks.BeforeMainWindow = [&](TForm1& form) {
        if (busy) form.Scheduler()->SetWaiting(TIdozito::Waiting::Never);
        // Once the simulation runs: the student's set-up, then a second to settle.
        QTimer::singleShot(300, &form, [&form] {
            Data::SeedRandom(20261208); // the same droplets in every run, for comparable runs
            form.Microscope()->BitBtn1->click();
            form.Voltage()->Edit7->setText("500");
            form.Voltage()->BitBtn3->click();
            form.Stopwatch()->BitBtn4->click();
        });
        QTimer::singleShot(1300, &form, [&] {
            start = {Bench::CpuSeconds(), WallSeconds(), Data::SimTime,
                     Bench::ContextSwitches::Now()};
        });
        QTimer::singleShot(1300 + static_cast<int>(seconds * 1000), &form, [&, busy] {
            const double cpu = Bench::CpuSeconds() - start.cpu;
            const double wall = WallSeconds() - start.wall;
            const double sim = Data::SimTime - start.sim;
            const Bench::ContextSwitches now = Bench::ContextSwitches::Now();
            const long switches = now.Total() - start.switches.Total();
            const long voluntary = now.Voluntary - start.switches.Voluntary;
            const double expected = 10.0 / 11.0;
            std::printf("scheduler %s\n", busy ? "busy-polling" : "sleeping");
            std::printf("wall_seconds %.3f\n", wall);
            std::printf("cpu_percent %.2f\n", 100 * cpu / wall);
            std::printf("wakeups_per_s %.1f (voluntary %.1f)\n", switches / wall, voluntary / wall);
            std::printf("sim_per_wall %.4f\n", sim / wall);
            std::printf("sim_per_wall_error_percent %.2f\n",
                        100 * (sim / wall - expected) / expected);
            std::printf("mean_tick_ms %.3f\n", 1000 * wall / (sim / Data::TickPeriod));
            std::fflush(stdout);
            form.close();
        });
    };
    return RunProgram(argc, argv, hooks);
}
