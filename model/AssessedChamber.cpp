#include "model/AssessedChamber.h"

#include "model/Data.h"
#include "model/Spraying.h"

#include <cmath>
#include <cstdint>

namespace Data {

namespace {

/// FNV-1a over the bytes, each text after its length so that no two lists of texts run together,
/// then SplitMix64's finish: the same 64 bits on every platform.
class SeedHash {
public:
    SeedHash& Add(std::string_view text) {
        Add(static_cast<std::uint64_t>(text.size()));
        for (const char c : text)
            Byte(static_cast<unsigned char>(c));
        return *this;
    }
    SeedHash& Add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i)
            Byte(static_cast<unsigned char>(value >> (8 * i)));
        return *this;
    }
    std::uint64_t Seed() const {
        std::uint64_t z = hash_ + 0x9e3779b97f4a7c15ull;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

private:
    void Byte(unsigned char b) { hash_ = (hash_ ^ b) * 0x100000001b3ull; }
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

std::uint64_t Counted(int n) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(n));
}

std::uint64_t SpraySeed(std::string_view code, std::string_view identifier, int spray) {
    return SeedHash().Add("spray").Add(code).Add(identifier).Add(Counted(spray)).Seed();
}

std::uint64_t BurstSeed(std::string_view code, std::string_view identifier, int spray, int burst) {
    return SeedHash()
        .Add("burst")
        .Add(code)
        .Add(identifier)
        .Add(Counted(spray))
        .Add(Counted(burst))
        .Seed();
}

} // namespace

void InjectAssessedDroplets(std::string_view code, std::string_view identifier, int spray) {
    InjectionEngine().seed(SpraySeed(code, identifier, spray));
    InjectAllDroplets();
}

void IoniseAssessedDroplets(std::string_view code, std::string_view identifier, int spray,
                            int burst) {
    Noise::Generator noise;
    noise.Seed(BurstSeed(code, identifier, spray, burst));
    IoniseDropletsFrom(Drops, noise);
}

TrueDroplet TrueDropletOf(std::string_view code, std::string_view identifier, int spray,
                          int droplet, int bursts) {
    if (droplet < DropletArray::Low || droplet > DropletArray::High) return {};
    std::mt19937_64 engine(SpraySeed(code, identifier, spray));
    DropletArray drops;
    for (TDroplet& d : drops)
        InjectDropletFrom(d, engine);
    for (int burst = 1; burst <= bursts; ++burst) {
        Noise::Generator noise;
        noise.Seed(BurstSeed(code, identifier, spray, burst));
        IoniseDropletsFrom(drops, noise);
    }
    const TDroplet& d = drops[droplet];
    return {d.Radius, static_cast<int>(std::lround(d.Charge / ElemCharge))};
}

} // namespace Data
