// The process-wide pseudo-random generator used by the injection.
#include "model/Data.h"
#include "model/Noise.h"

#include <chrono>
#include <random>

namespace Data {

namespace {
std::mt19937_64& Engine() {
    static std::mt19937_64 engine;
    return engine;
}
} // namespace

double Random() {
    // The top 53 bits scaled by 2^-53: every double in [0, 1) that is a multiple of 2^-53,
    // and never 1.0 (so a radius never reaches its upper limit).
    return static_cast<double>(Engine()() >> 11) * 0x1.0p-53;
}

int RandomInt(int range) {
    if (range <= 0) return 0;
    return static_cast<int>(Random() * range);
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
    Engine().seed(seed);
}

} // namespace Data
