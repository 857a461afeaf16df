#pragma once
// Where things stand in the window, worked out once for both editions: a droplet's marker in the
// microscope view, the voltmeter's needle and the top of the thermometer's liquid column.

namespace Data {

/// Where a droplet's marker stands: its offset from the view centre in view pixels (µm),
/// truncated towards zero; right and down are positive.
struct MarkerPlace {
    bool Shown = false; ///< an active droplet strictly inside the field's radius
    int X = 0;
    int Y = 0;
};

/// Droplets are shown strictly inside this radius around the view centre, in view pixels.
constexpr int MarkerFieldRadius = 200;

/// The place of droplet 1..100 in the view as the chamber stands now; not shown for any other
/// number.
MarkerPlace MarkerPlaceOf(int droplet);

/// The integer part of a drawing coordinate, truncated towards zero and kept within a million
/// pixels either way (a NaN gives the lower end), where the conversion is always defined.
int TruncatedPixel(double v);

/// A point of a drawing, in pixels from its top-left corner.
struct PixelPoint {
    int X = 0;
    int Y = 0;
};

/// The needle's pivot (the hub's centre) on a dial of that size in pixels.
PixelPoint NeedlePivot(int dialWidth, int dialHeight);

/// The needle's free end for a plate voltage (V; positive swings it right) on a dial of that
/// size.
PixelPoint NeedleEnd(double plateVoltage, int dialWidth, int dialHeight);

/// The first row of the liquid column, in the thermometer panel's coordinates, for a chamber
/// temperature in kelvin: 3 rows per degree, 0 °C at row 382.
int ThermometerColumnTop(double kelvin);

/// The row just below the liquid column in the panel: the column covers rows
/// [ThermometerColumnTop, ThermometerColumnBottom), none when the top is lower.
constexpr int ThermometerColumnBottom = 384;

} // namespace Data
