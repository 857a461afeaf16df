#pragma once
// The named colours of the window designs, shared by the windows, the stored pictures and the
// tests that look at their pixels.

#include <QColor>

namespace Colors {
constexpr QRgb Teal = 0xFF008080;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb Navy = 0xFF000080;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Lime = 0xFF00FF00;
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb MoneyGreen = 0xFFC0DCC0;
constexpr QRgb Red = 0xFFFF0000;
} // namespace Colors
