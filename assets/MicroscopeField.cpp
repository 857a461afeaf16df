#include "assets/Colors.h"
#include "assets/Pictures.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int PictureWidth = 452;
constexpr int PictureHeight = 462;
constexpr int CentreX = 226;
constexpr int CentreY = 231;
constexpr int FieldRadius = 199;
constexpr int TickSpacing = 10; // pixels (µm) between reticle ticks
constexpr int LastTick = 190;   // outermost tick, pixels from the centre
constexpr int LongTickEvery = 20;

using Colors::Black;
using Colors::Teal;
using Colors::White;

/// Whether a tick of the line crosses the pixel: along is the distance from the centre along the
/// line, across the signed distance from the line (negative above or left of it).
bool OnTick(int along, int across) {
    const int a = std::abs(along);
    if (a < TickSpacing || a > LastTick || a % TickSpacing != 0) return false;
    // Long ticks reach 10 pixels before the line and 9 after, short ones 5 before and 4 after.
    const int before = a % LongTickEvery == 0 ? 10 : 5;
    return across >= -before && across <= before - 1;
}

std::uint32_t FieldColour(int x, int y) {
    if (x == 0 || y == 0 || x == PictureWidth - 1 || y == PictureHeight - 1) return Teal;
    const int dx = x - CentreX;
    const int dy = y - CentreY;
    if (dx * dx + dy * dy > FieldRadius * FieldRadius) return White;
    const bool reticle = dx == 0 || dy == 0 || OnTick(dx, dy) || OnTick(dy, dx);
    return reticle ? White : Black;
}

Pictures::Picture DrawMicroscopeField() {
    Pictures::Picture picture{PictureWidth, PictureHeight, {}};
    picture.Pixels.reserve(static_cast<std::size_t>(PictureWidth) * PictureHeight);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x)
            picture.Pixels.push_back(FieldColour(x, y));
    }
    return picture;
}

} // namespace

const Pictures::Picture& Pictures::MicroscopeField() {
    static const Picture picture = DrawMicroscopeField();
    return picture;
}
