#include "model/DropletChoice.h"

#include "model/Data.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace Data {

namespace {

std::int64_t SquaredDistance(int dx, int dy) {
    return static_cast<std::int64_t>(dx) * dx + static_cast<std::int64_t>(dy) * dy;
}

/// True when the offset (dx, dy) points within 45° of the direction (boundaries included).
bool LiesToward(int dx, int dy, ViewDirection direction) {
    switch (direction) {
    case ViewDirection::Left:
        return dx < 0 && std::abs(dy) <= -dx;
    case ViewDirection::Right:
        return dx > 0 && std::abs(dy) <= dx;
    case ViewDirection::Up:
        return dy < 0 && std::abs(dx) <= -dy;
    case ViewDirection::Down:
        return dy > 0 && std::abs(dx) <= dy;
    }
    return false;
}

/// The nearest shown place to (x, y) among those `accepted`, other than index `skip`; or -1.
template <class Accept>
int Nearest(std::span<const MarkerPlace> places, int x, int y, int skip, Accept accepted) {
    int best = -1;
    std::int64_t bestSquare = 0;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        const MarkerPlace& p = places[static_cast<std::size_t>(i)];
        if (!p.Shown || i == skip || !accepted(p.X - x, p.Y - y)) continue;
        const std::int64_t square = SquaredDistance(p.X - x, p.Y - y);
        if (best < 0 || square < bestSquare) {
            best = i;
            bestSquare = square;
        }
    }
    return best;
}

std::array<MarkerPlace, DropletCount> ChamberPlaces() {
    std::array<MarkerPlace, DropletCount> places;
    for (int i = DropletArray::Low; i <= DropletArray::High; ++i)
        places[static_cast<std::size_t>(i - DropletArray::Low)] = MarkerPlaceOf(i);
    return places;
}

} // namespace

int NearestToCentre(std::span<const MarkerPlace> places) {
    return Nearest(places, 0, 0, -1, [](int, int) { return true; }) + 1;
}

int NearestToward(std::span<const MarkerPlace> places, int from, ViewDirection direction) {
    const int index = from - 1;
    if (index < 0 || index >= static_cast<int>(places.size()) ||
        !places[static_cast<std::size_t>(index)].Shown)
        return NearestToCentre(places);
    const MarkerPlace& at = places[static_cast<std::size_t>(index)];
    int found = Nearest(places, at.X, at.Y, index,
                        [direction](int dx, int dy) { return LiesToward(dx, dy, direction); });
    if (found < 0) found = Nearest(places, at.X, at.Y, index, [](int, int) { return true; });
    return found < 0 ? from : found + 1;
}

int NearestWithin(std::span<const MarkerPlace> places, double x, double y, double radius) {
    int nearest = 0;
    double nearestSquare = radius > 0 ? radius * radius : -1;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!places[i].Shown) continue;
        const double dx = x - places[i].X;
        const double dy = y - places[i].Y;
        const double square = dx * dx + dy * dy;
        if (square <= nearestSquare && (nearest == 0 || square < nearestSquare)) {
            nearest = static_cast<int>(i) + 1;
            nearestSquare = square;
        }
    }
    return nearest;
}

int DropletNearestCentre() {
    return NearestToCentre(ChamberPlaces());
}

int DropletToward(int from, ViewDirection direction) {
    return NearestToward(ChamberPlaces(), from, direction);
}

} // namespace Data
