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
