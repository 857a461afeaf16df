// The stopwatch text, in simulated time.
#include "model/Data.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Data {

namespace {
std::string TwoDigits(long long n) {
    std::string s = std::to_string(n);
    if (s.size() < 2) s.insert(0, 2 - s.size(), '0');
    return s;
}

/// What the display shows of x seconds: whole minutes, seconds and tenths, each cut off.
struct StopwatchDigits {
    long long Minutes = 0;
    int Seconds = 0;
    int Tenths = 0;
};

StopwatchDigits DigitsOf(double x) {
    // Far beyond any lesson (about 19,000 years); keeps every conversion below in range.
    constexpr double Longest = 6e11;
    if (!(x > 0)) x = 0; // negative, zero and NaN read as zero
    if (x > Longest) x = Longest;
    StopwatchDigits digits;
    digits.Minutes = static_cast<long long>(x / 60);
    double rest = x - 60.0 * static_cast<double>(digits.Minutes);
    // x / 60 may round up to the next whole minute; keep the seconds within one minute.
    if (rest < 0) {
        --digits.Minutes;
        rest += 60;
    }
    digits.Seconds = std::min(static_cast<int>(rest), 59);
    digits.Tenths = std::clamp(static_cast<int>((rest - digits.Seconds) * 10), 0, 9);
    return digits;
}
} // namespace

std::string FormatStopwatch(double x) {
    const StopwatchDigits d = DigitsOf(x);
    // The minutes keep every digit: an hour and a half reads "90", a long run "100" and more.
    return TwoDigits(d.Minutes) + ":" + TwoDigits(d.Seconds) + "," + std::to_string(d.Tenths) +
           "  ";
}

double StopwatchSeconds(double x) {
    const StopwatchDigits d = DigitsOf(x);
    return static_cast<double>(d.Minutes) * 60 + d.Seconds + d.Tenths / 10.0;
}

} // namespace Data
