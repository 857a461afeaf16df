#pragma once
// The stored pictures, drawn by code of ours as plain pixels, so that the desktop (in a QImage)
// and the browser (on a canvas) show them alike.

#include <cstdint>
#include <vector>

namespace Pictures {

/// A true-colour picture: pixels 0xAARRGGBB (alpha always 0xFF), row by row from the top left.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    /// The pixel at column x, row y, both within the picture.
    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

/// The microscope field: 452 × 462, the black field with its white reticle in a teal frame.
/// Drawn once on first use and kept for the run.
const Picture& MicroscopeField();

/// The thermometer: 62 × 393, tube, bulb and the 0–100 °C scale on silver. Drawn once on first
/// use and kept for the run.
const Picture& Thermometer();

} // namespace Pictures
