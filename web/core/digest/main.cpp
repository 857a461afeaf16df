// Runs the fixed-seed lessons of the ideal chamber and of real air, and an assessed student's
// spray, on this build of the model and prints the chamber's digests; the exit status tells whether
// they are the stored ones that the desktop build gives.
#include "tests/support/FixedLesson.h"

#include <cinttypes>
#include <cstdio>

namespace {
bool Check(const char* what, std::uint64_t digest, std::uint64_t stored) {
    std::printf("%s: 0x%016" PRIx64 "\n", what, digest);
    if (digest == stored) return true;
    std::fprintf(stderr, "%s: expected 0x%016" PRIx64 "\n", what, stored);
    return false;
}
} // namespace

int main() {
    const bool lesson = Check("lesson", FixedLesson::Run(), FixedLesson::StoredDigest);
    const bool assessed =
        Check("assessed spray", FixedLesson::AssessedSpray(), FixedLesson::StoredAssessedDigest);
    const bool realAir =
        Check("real air", FixedLesson::RealAirRun(), FixedLesson::StoredRealAirDigest);
    return lesson && assessed && realAir ? 0 : 1;
}
