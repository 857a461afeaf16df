#pragma once
// Where the microscope view shows each droplet: the one rule by which a droplet's marker is shown
// or hidden, shared by every front end and by the keyboard's choice of droplets.

namespace Data {

/// Droplets are shown strictly inside this radius around the view centre, in view pixels.
constexpr int FieldRadius = 200;

/// A droplet's marker in the view: shown or not, and its offset from the view centre in view
/// pixels (X grows to the right, Y downwards), each truncated towards zero.
struct MarkerPlace {
    bool Shown = false;
    int X = 0;
    int Y = 0;
};

/// Where droplet `droplet` (1 to 100) is shown: an active droplet whose truncated offset lies
/// strictly inside FieldRadius; any other droplet, or number, is not shown.
MarkerPlace MarkerPlaceOf(int droplet);

} // namespace Data
