#pragma once
// The named colours of the window designs, shared by the windows, the stored pictures and the
// tests that look at their pixels: 0xAARRGGBB, the layout of Qt's QRgb and of the browser's
// canvas colours alike.

#include <cstdint>

namespace Colors {
constexpr std::uint32_t Teal = 0xFF008080;
constexpr std::uint32_t Silver = 0xFFC0C0C0;
constexpr std::uint32_t Navy = 0xFF000080;
constexpr std::uint32_t Blue = 0xFF0000FF;
constexpr std::uint32_t White = 0xFFFFFFFF;
constexpr std::uint32_t Black = 0xFF000000;
constexpr std::uint32_t Grey = 0xFF808080;
constexpr std::uint32_t Lime = 0xFF00FF00;
constexpr std::uint32_t Yellow = 0xFFFFFF00;
constexpr std::uint32_t MoneyGreen = 0xFFC0DCC0;
constexpr std::uint32_t Red = 0xFFFF0000;
} // namespace Colors

/// What each edition draws in which colour beyond the designs' own: the page receives these
/// with the designs.
namespace Palette {
constexpr std::uint32_t Marker = Colors::Yellow; ///< a droplet's marker
constexpr std::uint32_t Followed = Colors::Red;  ///< the followed droplet's marker and ring
constexpr std::uint32_t LampOn = Colors::Lime;   ///< the supply lamp while the supply is on
constexpr std::uint32_t LampOff = Colors::Teal;  ///< and while it is off
constexpr std::uint32_t Bars = Colors::Teal;     ///< the charge histogram's bars
constexpr std::uint32_t Multiples = 0x5A0000FF;  ///< its faint lines at the estimate's multiples
constexpr std::uint32_t HistogramGround = Colors::White;
constexpr std::uint32_t Ink = Colors::Black;       ///< axes, figures and the dial's lines
constexpr std::uint32_t PlotPoints = Colors::Teal; ///< the extrapolation plot's charges
constexpr std::uint32_t FittedLine = Colors::Red;  ///< and the line fitted through them
} // namespace Palette
