#pragma once
// A fingerprint of the whole simulated state, for determinism checks.

#include "model/Data.h"

#include <cstdint>
#include <cstring>

namespace TestSupport {

/// FNV-1a over the bits of every droplet's state, the simulated time and the temperature.
inline std::uint64_t ModelDigest() {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](const auto& value) {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        for (unsigned char byte : bytes)
            hash = (hash ^ byte) * 0x100000001b3ull;
    };
    for (const Data::TDroplet& d : Data::Drops) {
        for (double v : {d.X, d.Y, d.VX, d.VY, d.Charge, d.Radius})
            add(v);
        add(d.Active);
    }
    add(Data::SimTime);
    add(Data::CurTemp);
    return hash;
}

} // namespace TestSupport
