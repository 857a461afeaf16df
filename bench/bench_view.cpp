// Drawing costs of the running program, headless: placing the droplet markers with the repaint
// it causes, drawing the voltmeter dial, and a whole tick with its view refresh and repaint.
#include "model/Data.h"
#include "ui/Main.h"
#include "ui/VoltageView.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<TForm1> form;

// A shown main window with 100 fresh droplets, the supply on at 500 V and the stopwatch running.
TForm1& Bench() {
    if (!form) {
        form = std::make_unique<TForm1>();
        form->SkipActivation(); // the benchmark drives the ticks itself
        form->show();
        QApplication::processEvents();
    }
    Data::StartRun();
    Data::SeedRandom(1);
    form->BitBtn1Click();
    form->Voltage()->Edit7->setText("500");
    form->BitBtn3Click();
    form->BitBtn4Click();
    QApplication::processEvents();
    return *form;
}

void BM_PlaceMarkersAndRepaint(benchmark::State& state) {
    TForm1& f = Bench();
    int step = 0;
    for (auto _ : state) {
        // Every droplet moves by about a pixel, as in a tick.
        const double dy = (++step % 2 ? -1.0 : 1.0) * Data::PixelSize;
        for (Data::TDroplet& d : Data::Drops)
            d.Y += dy;
        f.PlaceDropletMarkers();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PlaceMarkersAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_DrawVoltmeter(benchmark::State& state) {
    TForm1& f = Bench();
    int step = 0;
    for (auto _ : state) {
        Data::PlateVoltage = (++step % 2 ? 500.0 : -500.0);
        f.DrawVoltmeter();
    }
}
BENCHMARK(BM_DrawVoltmeter)->Unit(benchmark::kMicrosecond);

void BM_TickWithViewRefresh(benchmark::State& state) {
    TForm1& f = Bench();
    int ticks = 0;
    for (auto _ : state) {
        // A fresh spray every 3 s of simulated time keeps the field full of moving droplets.
        if (++ticks % 300 == 0) f.BitBtn1Click();
        Data::SimulationTick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TickWithViewRefresh)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return 0;
}
