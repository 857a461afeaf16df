#pragma once
// The draws of a spray and of an ionising burst, from a generator the caller gives: the chamber
// uses its own generators, the assessed chamber and its answer key generators seeded for one
// student's spray or burst.

#include "model/Data.h"
#include "model/Noise.h"

#include <random>

namespace Data {

/// The injection's generator, which Random draws from.
std::mt19937_64& InjectionEngine();

/// Sprays droplet d with the draws of `engine`, in the injection's order.
void InjectDropletFrom(TDroplet& d, std::mt19937_64& engine);

/// One burst of the ionising source on the droplets in `drops` with the draws of `noise`: each
/// droplet in the chamber, with a probability of 1/3, gains or loses one elementary charge.
void IoniseDropletsFrom(DropletArray& drops, Noise::Generator& noise);

} // namespace Data
