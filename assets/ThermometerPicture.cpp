#include "assets/Colors.h"
#include "assets/Pictures.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

constexpr int PictureWidth = 62;
constexpr int PictureHeight = 393;

using Colors::Black;
using Colors::Blue;
using Colors::Silver;
using Colors::White;

// The tube: outline columns 12 and 20 around a white bore, under the window's liquid column
// (columns 14..18), closed by a rounded cap whose top is row 8.
constexpr int TubeLeft = 12;
constexpr int TubeRight = 20;
constexpr int TubeAxis = 16;
constexpr int CapCentreY = 12;
constexpr int CapRadiusSquared = 20; // about 4.5 pixels
constexpr int ColumnLeft = 14;
constexpr int ColumnRight = 18;
// The liquid column of the window ends on row 319; below it the picture carries it on itself.
constexpr int StemTop = 320;
constexpr int BulbCentreY = 340;
constexpr int BulbRadiusSquared = 132; // about 11.5 pixels

// The scale: 3 rows per degree, each tick 2 rows thick, 0 °C on rows 318 and 319.
constexpr int ZeroTickRow = 318;
constexpr int RowsPerDegree = 3;
constexpr int TickLeft = 22;
constexpr int LongTickLength = 9;
constexpr int ShortTickLength = 5;
constexpr int NumberLeft = TickLeft + LongTickLength + 2;

// A 5 × 7 digit font of our own, so the picture is the same on every machine; each row is five
// bits, the highest bit the leftmost pixel.
constexpr int DigitWidth = 5;
constexpr int DigitHeight = 7;
constexpr int DigitGap = 1;
constexpr std::array<std::array<unsigned char, DigitHeight>, 10> DigitFont{{
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}, // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}, // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}, // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}, // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}, // 9
}};

bool InBulb(int x, int y) {
    const int dx = x - TubeAxis;
    const int dy = y - BulbCentreY;
    return dx * dx + dy * dy <= BulbRadiusSquared;
}

/// Whether the pixel belongs to the glass: tube, cap or bulb, outline included.
bool InGlass(int x, int y) {
    if (InBulb(x, y)) return true;
    if (x < TubeLeft || x > TubeRight || y > BulbCentreY) return false;
    if (y >= CapCentreY) return true;
    const int dx = x - TubeAxis;
    const int dy = y - CapCentreY;
    return dx * dx + dy * dy <= CapRadiusSquared;
}

/// A glass pixel is outline when one of its four neighbours lies outside the glass.
bool OnOutline(int x, int y) {
    return !InGlass(x - 1, y) || !InGlass(x + 1, y) || !InGlass(x, y - 1) || !InGlass(x, y + 1);
}

std::uint32_t GlassColour(int x, int y) {
    if (OnOutline(x, y)) return Black;
    if (InBulb(x, y)) return Blue;
    if (y >= StemTop && x >= ColumnLeft && x <= ColumnRight) return Blue;
    return White;
}

using Pictures::Picture;

std::uint32_t& PixelAt(Picture& picture, int x, int y) {
    return picture.Pixels[static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x)];
}

void FillRows(Picture& picture, int top, int bottom, int left, int right, std::uint32_t colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            PixelAt(picture, x, y) = colour;
    }
}

void DrawNumber(Picture& picture, int left, int top, const std::string& digits) {
    for (const char c : digits) {
        const auto& glyph = DigitFont[static_cast<std::size_t>(c - '0')];
        for (int r = 0; r < DigitHeight; ++r) {
            for (int col = 0; col < DigitWidth; ++col) {
                if (glyph[static_cast<std::size_t>(r)] & (0x10 >> col))
                    PixelAt(picture, left + col, top + r) = Black;
            }
        }
        left += DigitWidth + DigitGap;
    }
}

Picture DrawThermometer() {
    Picture picture{PictureWidth, PictureHeight,
                    std::vector<std::uint32_t>(std::size_t{PictureWidth} * PictureHeight, Silver)};
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (InGlass(x, y)) PixelAt(picture, x, y) = GlassColour(x, y);
        }
    }
    for (int degrees = 0; degrees <= 100; degrees += 5) {
        const int top = ZeroTickRow - RowsPerDegree * degrees;
        const bool major = degrees % 10 == 0;
        const int length = major ? LongTickLength : ShortTickLength;
        FillRows(picture, top, top + 1, TickLeft, TickLeft + length - 1, Black);
        // The digits' middle row sits on the tick's upper row.
        if (major) DrawNumber(picture, NumberLeft, top - DigitHeight / 2, std::to_string(degrees));
    }
    return picture;
}

} // namespace

const Pictures::Picture& Pictures::Thermometer() {
    static const Picture picture = DrawThermometer();
    return picture;
}
