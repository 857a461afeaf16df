// Bevelled panels: rings of highlight and shadow around the panel colour.
#include "tests/ui/PixelChecks.h"
#include "ui/layer/BevelPanel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace PixelChecks;

namespace {

using Bevel = TPanel::Bevel;

struct Ring {
    QRgb topLeft, bottomRight;
};

const Ring RaisedRing{White, Grey};
const Ring SunkenRing{Grey, White};

/// The colour each pixel should have: ring i (counted from the edge) lights its left column and
/// top row, except the ring's top-right and bottom-left corners, which belong to its right and
/// bottom sides; inside all rings is the panel colour.
QRgb ExpectedPixel(int x, int y, int w, int h, const std::vector<Ring>& rings, QRgb fill) {
    const int right = w - 1, bottom = h - 1;
    const int ring = std::min({x, y, right - x, bottom - y});
    if (ring >= static_cast<int>(rings.size())) return fill;
    if (x == right - ring || y == bottom - ring) return rings[ring].bottomRight;
    return rings[ring].topLeft;
}

struct PanelCase {
    const char* name;
    Bevel outer, inner;
    int width;
    bool single;
    std::vector<Ring> rings; // from the edge inwards
};

const PanelCase PanelCases[] = {
    {"raised and raised, 3 px",
     Bevel::Raised,
     Bevel::Raised,
     3,
     false,
     {RaisedRing, RaisedRing, RaisedRing, RaisedRing, RaisedRing, RaisedRing}},
    {"raised outer only", Bevel::Raised, Bevel::None, 2, false, {RaisedRing, RaisedRing}},
    {"lowered inner", Bevel::Raised, Bevel::Lowered, 1, false, {RaisedRing, SunkenRing}},
    {"single border", Bevel::None, Bevel::None, 1, true, {SunkenRing}},
    {"single border around a raised bevel",
     Bevel::Raised,
     Bevel::None,
     1,
     true,
     {SunkenRing, RaisedRing}},
    {"no frame", Bevel::None, Bevel::None, 3, false, {}},
};

} // namespace

TEST(Panel, PaintsItsBevelRingsAroundThePanelColour) {
    constexpr int W = 50, H = 40;
    for (const PanelCase& c : PanelCases) {
        SCOPED_TRACE(c.name);
        TPanel panel;
        panel.resize(W, H);
        panel.SetColor(QColor(Silver));
        panel.SetBevels(c.outer, c.inner, c.width);
        panel.SetSingleBorder(c.single);
        EXPECT_EQ(panel.FrameWidth(), static_cast<int>(c.rings.size()));

        const QImage image = Grab(panel);
        ASSERT_EQ(image.size(), QSize(W, H));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                ASSERT_EQ(image.pixel(x, y), ExpectedPixel(x, y, W, H, c.rings, Silver))
                    << "pixel " << x << "," << y;
    }
}

TEST(Panel, TakesTheColourItIsGiven) {
    TPanel panel;
    panel.resize(20, 20);
    panel.SetBevels(Bevel::Raised, Bevel::Raised, 3);
    panel.SetColor(QColor(Teal));
    const QImage image = Grab(panel);
    EXPECT_EQ(Count(image, Teal), 8 * 8);
    EXPECT_EQ(image.pixel(10, 10), Teal);
    // The corner rule on the outer ring, spelled out.
    EXPECT_EQ(image.pixel(0, 0), White);
    EXPECT_EQ(image.pixel(19, 0), Grey);
    EXPECT_EQ(image.pixel(0, 19), Grey);
    EXPECT_EQ(image.pixel(18, 0), White);
    EXPECT_EQ(image.pixel(0, 18), White);
}
