#pragma once
// The assessed chamber: under a teacher's class code, each student's chamber follows from the
// code and the identifier alone. The droplets of the student's n-th spray (place, radius, charge)
// come from a generator seeded with (code, identifier, n), and the change the k-th ionising burst
// of that spray makes from one seeded with (code, identifier, n, k), so that Brownian motion, the
// moments of the bursts and the order of the student's actions change nothing of it, in either
// edition. The answer key works the same truth out again from a notebook's rows.
//
// The code gives honest students distinct chambers and shows copying, invention and misreading;
// it is no lock against a student who takes the program apart.

#include <string_view>

namespace Data {

/// Sprays all droplets as the student's n-th spray (from 1) under the code, as InjectAllDroplets
/// does otherwise; the injection's own generator is left seeded for that spray.
void InjectAssessedDroplets(std::string_view code, std::string_view identifier, int spray);

/// The k-th burst (from 1) of the ionising source since the student's n-th spray, as
/// IoniseDroplets does otherwise, from a generator of its own.
void IoniseAssessedDroplets(std::string_view code, std::string_view identifier, int spray,
                            int burst);

/// What a droplet of a student's spray truly was.
struct TrueDroplet {
    double Radius = 0; ///< m
    int Charges = 0;   ///< its charge in elementary charges (negative for a negative charge)
};

/// Droplet `droplet` (1 to 100) of the student's n-th spray after `bursts` bursts, worked out
/// again from the code; the chamber's own state is not touched.
TrueDroplet TrueDropletOf(std::string_view code, std::string_view identifier, int spray,
                          int droplet, int bursts);

} // namespace Data
