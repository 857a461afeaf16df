#pragma once
// The voltmeter's dial as one drawing, which the desktop paints on its bitmap and the page on its
// canvas: the face, its band, frame, scale figures, scale line, hub and ticks in drawing order,
// then the needle for the plate voltage from the model's pivot and end points.

#include <cstdint>
#include <vector>

namespace VoltmeterDial {

enum class StrokeKind {
    Fill,   ///< a box filled with Colour, its right and bottom edges excluded
    Line,   ///< a line of the ink from (X1, Y1) to (X2, Y2), the end point not drawn
    Figure, ///< Text with its top-left corner at (X1, Y1), on a box of Colour
    Arc,    ///< the part of the ellipse in the box that runs counter-clockwise from the direction
            ///< of (X3, Y3) to that of (X4, Y4)
    Disc,   ///< the ellipse in the box filled with Colour and outlined with the ink
};

struct Stroke {
    StrokeKind Kind;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    std::uint32_t Colour = 0;
    const char* Text = "";
};

/// The figures' font: 6 points of the small font, 8 pixels high.
inline constexpr const char* FigureFont = "SmallFont";
inline constexpr int FigurePoints = 6;

/// Everything of a dial of that size in pixels but the needle, in drawing order.
std::vector<Stroke> Face(int width, int height);

} // namespace VoltmeterDial
