#pragma once
// The rule of spin buttons attached to a number field, for both editions' spin buttons.

#include <algorithm>
#include <optional>

/// The position after one step up (direction +1) or down (-1): like the classic spin control, the
/// step goes from the whole number typed in the field (clamped to the range) when there is one,
/// so that clicking after typing 500 gives 502, otherwise from the last position; the result is
/// kept within min..max.
constexpr int SpinStep(int position, std::optional<long long> typed, int direction, int min,
                       int max, int increment) {
    const long long base = typed ? std::clamp<long long>(*typed, min, max) : position;
    return static_cast<int>(std::clamp<long long>(
        base + static_cast<long long>(direction) * std::max(increment, 1), min, max));
}
