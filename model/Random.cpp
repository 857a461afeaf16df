// The process-wide pseudo-random generator used by the injection.
#include "model/Data.h"
#include "model/Noise.h"
#include "model/Spraying.h"

#include <chrono>

namespace Data {

namespace {
double UniformFrom(std::mt19937_64& engine) {
    // The top 53 bits scaled by 2^-53: every double in [0, 1) that is a multiple of 2^-53,
    // and never 1.0 (so a radius never reaches its upper limit).
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

int WholeFrom(std::mt19937_64& engine, int range) {
    if (range <= 0) return 0;
    return static_cast<int>(UniformFrom(engine) * range);
}
} // namespace

std::mt19937_64& InjectionEngine() {
    static std::mt19937_64 engine;
    return engine;
}

double Random() {
    return UniformFrom(InjectionEngine());
}

int RandomInt(int range) {
    return WholeFrom(InjectionEngine(), range);
}

void InjectDropletFrom(TDroplet& d, std::mt19937_64& engine) {
    // The order of the draws is part of the experiment's reproducibility under a fixed seed.
    d.Active = 1;
    d.X = (UniformFrom(engine) - 0.3) * 8e-4;
    d.Y = (UniformFrom(engine) - 0.5) * 8e-4;
    d.VX = 0;
    d.VY = 0;
    d.Radius = UniformFrom(engine) * 1e-6 + 5e-7;
    d.Charge = WholeFrom(engine, 4) * ElemCharge;
}

void Randomize() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::uint64_t seed =
        static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(mono) << 1);
    SeedRandom(seed);
    SeedNoise(~seed);
}

void SeedNoise(std::uint64_t seed) {
    Noise::Source().Seed(seed);
}

void SeedRandom(std::uint64_t seed) {
    InjectionEngine().seed(seed);
}

} // namespace Data
