#pragma once
// Choosing a droplet to follow from the keyboard: the one nearest the view centre, then the
// nearest one in a direction from it. Only droplets the view shows can be chosen.

#include "model/ViewGeometry.h"

#include <span>

namespace Data {

/// A direction in the view: Up is towards smaller view Y (the view's Y grows downwards).
enum class ViewDirection { Left, Right, Up, Down };

/// The droplet number (index + 1) of the shown place nearest the view centre, or 0 when none is
/// shown; of equally near ones, the lowest number.
int NearestToCentre(std::span<const MarkerPlace> places);
/// From droplet `from`, the nearest shown droplet lying that way (within 45° of the direction);
/// when none lies that way, the nearest shown droplet in any direction; when `from` is not shown,
/// the one nearest the centre. Of equally near ones, the lowest number; `from` itself when it is
/// the only one shown.
int NearestToward(std::span<const MarkerPlace> places, int from, ViewDirection direction);

/// The droplet number (index + 1) of the shown place nearest the point (x, y), view pixels from
/// the centre, and no farther from it than `radius`: what a click or a tap picks. 0 when none is
/// that near, or when the radius is no positive number; of equally near ones, the lowest number.
int NearestWithin(std::span<const MarkerPlace> places, double x, double y, double radius);

/// The same choices among the chamber's droplets as the view shows them now.
int DropletNearestCentre();
int DropletToward(int from, ViewDirection direction);

} // namespace Data
