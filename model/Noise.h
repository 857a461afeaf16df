#pragma once
// The generator of the ionising source and of the Brownian motion. It is apart from the
// injection's, so that a burst or a jittering droplet never changes what an injection draws.

#include <array>
#include <cstdint>

namespace Data::Noise {

/// xoshiro256**: fast, with a period of 2^256 − 1.
class Generator {
public:
    void Seed(std::uint64_t seed);
    std::uint64_t Next() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }
    /// Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<std::uint64_t, 4> s_{0x9e3779b97f4a7c15ull, 0xbf58476d1ce4e5b9ull,
                                    0x94d049bb133111ebull, 0x2545f4914f6cdd1dull};
};

/// The one generator of both.
Generator& Source();

/// The normal distribution's quantile function tabulated at 4096 intervals of probability
/// (4097 points), scaled so that drawing from it as Normals does gives a variance of exactly 1;
/// made at the first call.
const double* NormalTable();

/// Two independent standard normal numbers from one draw of the generator: each half of the
/// draw picks an interval of the table with its top 12 bits and a point in it, linearly, with
/// the other 20.
struct NormalPair {
    double First, Second;
};
inline double NormalFromBits(const double* table, std::uint32_t bits) {
    const std::uint32_t i = bits >> 20;
    const double f = static_cast<double>(bits & 0xFFFFFu) * 0x1.0p-20;
    return table[i] + f * (table[i + 1] - table[i]);
}
inline NormalPair Normals(Generator& generator, const double* table) {
    const std::uint64_t bits = generator.Next();
    return {NormalFromBits(table, static_cast<std::uint32_t>(bits >> 32)),
            NormalFromBits(table, static_cast<std::uint32_t>(bits))};
}

} // namespace Data::Noise
