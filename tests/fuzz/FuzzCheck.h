#pragma once
// The harnesses' one assertion: a broken invariant stops the run with a message, and libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", __FILE__, __LINE__,        \
                         #condition, what);                                                        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
