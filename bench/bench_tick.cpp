// One simulation tick with 100 active droplets, against the plain per-droplet evaluation, in
// the three states a lesson goes through: settled air, the drift after an injection, and a
// temperature relaxation under way.
#include "model/Data.h"
#include "tests/support/LiteralTick.h"

#include <benchmark/benchmark.h>

namespace {

enum class Air { Settled, Drifting, Relaxing };

void Prepare(Air air) {
    using namespace Data;
    ResetChamber();
    StartRun();
    SeedRandom(42);
    SimTime = 100;
    for (int i = 1; i <= 100; ++i)
        InjectDroplet(Drops[i]);
    PlateVoltage = -500;
    InjectTime = air == Air::Drifting ? SimTime : -1000;
    if (air == Air::Relaxing) {
        AmbientTemp = 313;
        TempRefTime = SimTime;
    }
}

// Keeps the air in the chosen state however long the benchmark runs.
void Rewind(Air air) {
    using namespace Data;
    if (air == Air::Drifting && SimTime - InjectTime > 9) InjectTime = SimTime;
    if (air == Air::Relaxing && SimTime - TempRefTime > 150) TempRefTime = SimTime;
}

template <void (*Tick)()> void BM_Tick(benchmark::State& state) {
    const Air air = static_cast<Air>(state.range(0));
    Prepare(air);
    for (auto _ : state) {
        Tick();
        Rewind(air);
    }
    benchmark::DoNotOptimize(Data::Drops[1].Y);
    state.SetLabel(air == Air::Settled    ? "settled"
                   : air == Air::Drifting ? "drifting"
                                          : "relaxing");
}

/// The tick in settled air with the Brownian jitter on.
void BM_BrownianTick(benchmark::State& state) {
    Prepare(Air::Settled);
    Data::BrownianMotion = true;
    for (auto _ : state)
        Data::SimulationTick();
    Data::BrownianMotion = false;
    benchmark::DoNotOptimize(Data::Drops[1].Y);
    state.SetLabel("settled, Brownian");
}

} // namespace

BENCHMARK(BM_BrownianTick)->Name("SimulationTick/Brownian");
BENCHMARK(BM_Tick<&Data::SimulationTick>)->Name("SimulationTick")->DenseRange(0, 2);
BENCHMARK(BM_Tick<&Reference::LiteralSimulationTick>)->Name("LiteralTick")->DenseRange(0, 2);
