#include "model/ViewGeometry.h"

#include "model/Data.h"

#include <cmath>

namespace Data {

MarkerPlace MarkerPlaceOf(int droplet) {
    if (droplet < DropletArray::Low || droplet > DropletArray::High) return {};
    const TDroplet& d = Drops[droplet];
    if (d.Active <= 0) return {};
    const double dx = (d.X - ViewOffsetX) / PixelSize;
    const double dy = (d.Y - ViewOffsetY) / PixelSize;
    // Compared in floating point first: a droplet that has drifted far away (or whose position is
    // not a number) is simply not shown, and no conversion can overflow.
    if (!(std::fabs(dx) < FieldRadius && std::fabs(dy) < FieldRadius)) return {};
    const int px = static_cast<int>(dx); // truncated towards zero
    const int py = static_cast<int>(dy);
    if (px * px + py * py >= FieldRadius * FieldRadius) return {};
    return {true, px, py};
}

} // namespace Data
