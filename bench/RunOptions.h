#pragma once
// What the whole-run harnesses share: their command line and the process's CPU time.

#include <cstring>
#include <string>
#include <sys/resource.h>

namespace Bench {

/// `[--busy | --bare] [SECONDS]`: poll without sleeping, or measure the bare wake-ups alone;
/// and how long to measure.
struct RunOptions {
    bool Busy = false;
    bool Bare = false;
    double Seconds = 0;

    static RunOptions Parse(int argc, char** argv, double defaultSeconds) {
        RunOptions options{false, false, defaultSeconds};
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--busy") == 0)
                options.Busy = true;
            else if (std::strcmp(argv[i], "--bare") == 0)
                options.Bare = true;
            else
                options.Seconds = std::stod(argv[i]);
        }
        return options;
    }
};

/// User plus system CPU time of this process, in seconds.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

/// Context switches of all this process's threads so far: its wake-ups.
struct ContextSwitches {
    long Voluntary = 0;   ///< the process gave the processor up: it slept and was woken
    long Involuntary = 0; ///< the system took it away: a loaded machine adds these
    long Total() const { return Voluntary + Involuntary; }

    static ContextSwitches Now() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return {usage.ru_nvcsw, usage.ru_nivcsw};
    }
};

} // namespace Bench
