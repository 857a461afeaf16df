// The stopwatch text, in simulated time.
#include "model/Data.h"

#include <cmath>
#include <string>

namespace Data {

namespace {
std::string TwoDigits(long long n) {
    std::string s = std::to_string(n);
    if (s.size() < 2) s.insert(0, 2 - s.size(), '0');
    return s;
}
} // namespace

std::string FormatStopwatch(double x) {
    // Far beyond any lesson (about 19,000 years); keeps every conversion below in range.
    constexpr double Longest = 6e11;
    if (!(x > 0)) x = 0; // negative, zero and NaN read as zero
    if (x > Longest) x = Longest;
    long long minutes = static_cast<long long>(x / 60);
    double rest = x - 60.0 * static_cast<double>(minutes);
    // x / 60 may round up to the next whole minute; keep the seconds within one minute.
    if (rest < 0) {
        --minutes;
        rest += 60;
    }
    int seconds = static_cast<int>(rest);
    if (seconds > 59) seconds = 59;
    int tenths = static_cast<int>((rest - seconds) * 10);
    if (tenths > 9) tenths = 9;
    if (tenths < 0) tenths = 0;
    // The minutes keep every digit: an hour and a half reads "90", a long run "100" and more.
    return TwoDigits(minutes) + ":" + TwoDigits(seconds) + "," + std::to_string(tenths) + "  ";
}

} // namespace Data
