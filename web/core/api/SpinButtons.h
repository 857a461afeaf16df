#pragma once
// Spin buttons attached to a number field, as the desktop's: a step goes from the whole number
// in the field (clamped to the range) when there is one, otherwise from the last position, and a
// new position is written into the field.

#include <optional>
#include <string>

struct SpinButtons {
    int Min = 0;
    int Max = 100;
    int Increment = 1;
    int Position = 0;

    /// One step up (+1) or down (-1) from the field's text; the new position, or nothing when
    /// the position stays (and the field is not written).
    std::optional<int> Step(int direction, const std::string& fieldText);
    /// Moves without writing into the field (clamped to the range).
    void SetQuietly(int position);
};
