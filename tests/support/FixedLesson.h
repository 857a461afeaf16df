#pragma once
// A fixed-seed lesson and the digest of the chamber after it: the same run gives the same bits on
// every build of the model, the desktop's and the browser's alike.

#include "model/AssessedChamber.h"
#include "model/Data.h"
#include "tests/support/ModelDigest.h"

#include <cstdint>

namespace FixedLesson {

/// The digest the lesson gives on x86-64 with glibc, and under Node for the browser's build.
constexpr std::uint64_t StoredDigest = 0xc83beb7dd23e0eb4ull;

/// 30 simulated seconds from seed 2024: 350 V switched on and reversed, a spray, the set
/// temperature raised to 45 °C after 10 s, reversed again and sprayed afresh after 20 s. Gives the
/// chamber's digest at the end.
inline std::uint64_t Run() {
    using namespace Data;
    ResetChamber();
    StartRun();
    SeedRandom(2024);
    SetVoltageSetting(350);
    SwitchSupply();
    ReversePolarity();
    InjectAllDroplets();
    for (int n = 0; n < 3000; ++n) {
        if (n == 1000) SetAmbientTemperature(45);
        if (n == 2000) {
            ReversePolarity();
            InjectAllDroplets();
        }
        SimulationTick();
    }
    return TestSupport::ModelDigest();
}

/// The digest RealAirRun gives on x86-64 with glibc, and under Node for the browser's build.
constexpr std::uint64_t StoredRealAirDigest = 0xa3c7ec8c01d6449bull;

/// 20 simulated seconds of real air from seed 2025: a spray at 101.3 kPa
/// with 400 V on, the pressure lowered to 20 kPa after 5 s and to 2 kPa after 12 s, the
/// polarity reversed between. Gives the chamber's digest at the end.
inline std::uint64_t RealAirRun() {
    using namespace Data;
    ResetChamber();
    StartRun();
    SeedRandom(2025);
    SetRealAir(true);
    SetVoltageSetting(400);
    SwitchSupply();
    InjectAllDroplets();
    for (int n = 0; n < 2000; ++n) {
        if (n == 500) SetChamberPressure(20000);
        if (n == 800) ReversePolarity();
        if (n == 1200) SetChamberPressure(2000);
        SimulationTick();
    }
    return TestSupport::ModelDigest();
}

/// The digest AssessedSpray gives, on both builds alike.
constexpr std::uint64_t StoredAssessedDigest = 0xcb5a5daa6069b69cull;

/// A student's third spray under a class code and two bursts of the ionising source into it:
/// the digest of the chamber's droplets, which follow from the code and the identifier alone.
inline std::uint64_t AssessedSpray() {
    using namespace Data;
    ResetChamber();
    StartRun();
    constexpr const char* Code = "7.B fizika 2026";
    constexpr const char* Student = "Kovács Anna";
    InjectAssessedDroplets(Code, Student, 3);
    IoniseAssessedDroplets(Code, Student, 3, 1);
    IoniseAssessedDroplets(Code, Student, 3, 2);
    return TestSupport::ModelDigest();
}

} // namespace FixedLesson
