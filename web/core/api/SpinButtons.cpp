#include "web/core/api/SpinButtons.h"

#include "model/FieldParsing.h"

#include <algorithm>

std::optional<int> SpinButtons::Step(int direction, const std::string& fieldText) {
    long long base = Position;
    if (const auto typed = Data::ParseInteger(fieldText))
        base = std::clamp<long long>(*typed, Min, Max);
    const long long next =
        std::clamp<long long>(base + static_cast<long long>(direction) * Increment, Min, Max);
    if (next == Position) return std::nullopt;
    Position = static_cast<int>(next);
    return Position;
}

void SpinButtons::SetQuietly(int position) {
    Position = std::clamp(position, Min, Max);
}
