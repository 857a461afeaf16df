// The microscope field picture: frame, black field and the white reticle with its ticks.
#include "assets/Colors.h"
#include "assets/Pictures.h"
#include "tests/assets/PictureChecks.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

using Colors::Black;
using Colors::Teal;
using Colors::White;
constexpr int Cx = 226;
constexpr int Cy = 231;

std::uint32_t At(int x, int y) {
    return Pictures::MicroscopeField().At(x, y);
}

/// The rows at column Cx + offset (or columns at row Cy + offset) that are white, as a closed
/// range relative to the crosshair; {1, 0} when there are none near the line.
std::pair<int, int> TickExtent(int offset, bool onHorizontalLine) {
    int first = 1, last = 0;
    for (int across = -15; across <= 15; ++across) {
        const std::uint32_t c =
            onHorizontalLine ? At(Cx + offset, Cy + across) : At(Cx + across, Cy + offset);
        if (c != White) continue;
        if (first > last) first = across;
        last = across;
    }
    return {first, last};
}

} // namespace

TEST(MicroscopeField, IsTrueColourOfTheStoredSize) {
    const Pictures::Picture& picture = Pictures::MicroscopeField();
    ASSERT_TRUE(IsTrueColourOfSize(picture, 452, 462));
    // Drawn once: every call hands back the same picture.
    EXPECT_EQ(&picture, &Pictures::MicroscopeField());
}

TEST(MicroscopeField, HasAOnePixelTealBorderAndWhiteInside) {
    for (int x = 0; x < 452; ++x) {
        ASSERT_EQ(At(x, 0), Teal) << x;
        ASSERT_EQ(At(x, 461), Teal) << x;
        ASSERT_EQ(At(x, 1), x == 0 || x == 451 ? Teal : White) << x;
        ASSERT_EQ(At(x, 460), x == 0 || x == 451 ? Teal : White) << x;
    }
    for (int y = 0; y < 462; ++y) {
        ASSERT_EQ(At(0, y), Teal) << y;
        ASSERT_EQ(At(451, y), Teal) << y;
        ASSERT_EQ(At(1, y), y == 0 || y == 461 ? Teal : White) << y;
    }
    EXPECT_EQ(At(10, 10), White);
    EXPECT_EQ(At(440, 450), White);
}

TEST(MicroscopeField, DiscEndsBetween199And201PixelsFromTheCentre) {
    struct Direction {
        int dx, dy;
    };
    for (const Direction d : {Direction{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        // Step off the crosshair by 3 pixels so the sample is field, not reticle.
        const int sx = d.dx == 0 ? 3 : 0;
        const int sy = d.dy == 0 ? 3 : 0;
        SCOPED_TRACE(testing::Message() << "direction " << d.dx << "," << d.dy);
        EXPECT_EQ(At(Cx + 199 * d.dx, Cy + 199 * d.dy), White); // the crosshair reaches the edge
        EXPECT_EQ(At(Cx + 198 * d.dx + sx, Cy + 198 * d.dy + sy), Black);
        EXPECT_EQ(At(Cx + 201 * d.dx, Cy + 201 * d.dy), White);
        EXPECT_EQ(At(Cx + 200 * d.dx, Cy + 200 * d.dy), White);
    }
    // Off the axes the field is black exactly within radius 199.
    EXPECT_EQ(At(Cx + 140, Cy + 140), Black); // 198.0 pixels away
    EXPECT_EQ(At(Cx + 141, Cy + 141), White); // 199.4 pixels away
    EXPECT_EQ(At(Cx - 119, Cy + 159), Black); // 198.6 pixels away
}

TEST(MicroscopeField, CrosshairSpansTheDiscOnePixelWide) {
    for (int d = -199; d <= 199; ++d) {
        ASSERT_EQ(At(Cx + d, Cy), White) << d;
        ASSERT_EQ(At(Cx, Cy + d), White) << d;
    }
    // Just beside the lines, between ticks, the field is black.
    for (int d : {-195, -155, -15, -3, 3, 15, 155, 195}) {
        EXPECT_EQ(At(Cx + d, Cy - 1), Black) << d;
        EXPECT_EQ(At(Cx + d, Cy + 1), Black) << d;
        EXPECT_EQ(At(Cx - 1, Cy + d), Black) << d;
        EXPECT_EQ(At(Cx + 1, Cy + d), Black) << d;
    }
}

TEST(MicroscopeField, TicksHaveTheirLengthAndExtentOnBothLines) {
    struct Case {
        int offset;
        int first; // relative to the line, left/top negative
        int last;
    };
    const Case cases[] = {
        {20, -10, 9}, {-20, -10, 9}, {40, -10, 9},  {-180, -10, 9}, {180, -10, 9}, {10, -5, 4},
        {-10, -5, 4}, {30, -5, 4},   {-150, -5, 4}, {190, -5, 4},   {-190, -5, 4},
    };
    for (const Case& c : cases) {
        for (bool horizontal : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "offset " << c.offset << (horizontal ? " on row" : " on column"));
            const auto [first, last] = TickExtent(c.offset, horizontal);
            EXPECT_EQ(first, c.first);
            EXPECT_EQ(last, c.last);
            // A tick is solid from end to end.
            for (int across = c.first; across <= c.last; ++across) {
                const std::uint32_t p =
                    horizontal ? At(Cx + c.offset, Cy + across) : At(Cx + across, Cy + c.offset);
                EXPECT_EQ(p, White) << across;
            }
        }
    }
}

TEST(MicroscopeField, NoTicksOffTheTenPixelGridOrBeyond190) {
    // Places near the lines that are not tick places: off the ten-pixel grid, and 195 pixels or
    // more out, where only the field's own edge decides the colour.
    for (int offset : {11, -19, 15, -25, 195, -195, 200, -200, 205}) {
        for (bool horizontal : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "offset " << offset << (horizontal ? " on row" : " on column"));
            for (int across : {-10, -5, -2, 2, 4, 9}) {
                const int x = horizontal ? Cx + offset : Cx + across;
                const int y = horizontal ? Cy + across : Cy + offset;
                const int dx = x - Cx, dy = y - Cy;
                const std::uint32_t expected = dx * dx + dy * dy <= 199 * 199 ? Black : White;
                EXPECT_EQ(At(x, y), expected) << across;
            }
        }
    }
}

TEST(MicroscopeField, CentreCarriesOnlyTheCrosshair) {
    for (int dy = -9; dy <= 9; ++dy) {
        for (int dx = -9; dx <= 9; ++dx) {
            const std::uint32_t expected = dx == 0 || dy == 0 ? White : Black;
            EXPECT_EQ(At(Cx + dx, Cy + dy), expected) << dx << "," << dy;
        }
    }
}
