// Where the window's moving parts stand, from the chamber state.
#include "model/ViewGeometry.h"

#include "model/Data.h"

#include <algorithm>
#include <cmath>

namespace Data {

int TruncatedPixel(double v) {
    if (!(v > -1e6)) return -1000000; // also catches NaN
    if (v > 1e6) return 1000000;
    return static_cast<int>(v);
}

namespace {
constexpr auto Trunc = TruncatedPixel;

constexpr double NeedleLength = 80;     ///< pixels
constexpr double VoltsPerRadian = 1200; ///< 1000 V swings the needle about 47.7°
constexpr int ZeroDegreeTop = 382;      ///< the column's top at 0 °C
constexpr int RowsPerDegree = 3;
} // namespace

MarkerPlace MarkerPlaceOf(int droplet) {
    if (droplet < DropletArray::Low || droplet > DropletArray::High) return {};
    const TDroplet& d = Drops[droplet];
    if (d.Active <= 0) return {};
    const double dx = (d.X - ViewOffsetX) / PixelSize;
    const double dy = (d.Y - ViewOffsetY) / PixelSize;
    // Compared in floating point first: a droplet that has drifted far away (or whose position is
    // not a number) is simply not shown, and no conversion can overflow.
    if (!(std::fabs(dx) < MarkerFieldRadius && std::fabs(dy) < MarkerFieldRadius)) return {};
    const int px = static_cast<int>(dx); // truncated towards zero
    const int py = static_cast<int>(dy);
    if (px * px + py * py >= MarkerFieldRadius * MarkerFieldRadius) return {};
    return {true, px, py};
}

PixelPoint NeedlePivot(int dialWidth, int dialHeight) {
    return {dialWidth / 2, Trunc(0.75 * dialHeight)};
}

PixelPoint NeedleEnd(double plateVoltage, int dialWidth, int dialHeight) {
    const double a = plateVoltage / VoltsPerRadian;
    return {dialWidth / 2 + Trunc(NeedleLength * std::sin(a)),
            Trunc(0.75 * dialHeight - NeedleLength * std::cos(a))};
}

int ThermometerColumnTop(double kelvin) {
    // Truncated towards zero; kept within a range where the conversion is always defined.
    const double rise = std::clamp((kelvin - CelsiusOffset) * RowsPerDegree, -1e6, 1e6);
    return ZeroDegreeTop - static_cast<int>(std::isnan(rise) ? 0 : rise);
}

} // namespace Data
