// Runs the fixed-seed lesson on this build of the model and prints the chamber's digest; the exit
// status tells whether it is the stored one that the desktop build gives.
#include "tests/support/FixedLesson.h"

#include <cinttypes>
#include <cstdio>

int main() {
    const std::uint64_t digest = FixedLesson::Run();
    std::printf("0x%016" PRIx64 "\n", digest);
    if (digest == FixedLesson::StoredDigest) return 0;
    std::fprintf(stderr, "expected 0x%016" PRIx64 "\n", FixedLesson::StoredDigest);
    return 1;
}
