// Where the markers, the needle and the thermometer column stand, as both editions draw them.
#include "model/ViewGeometry.h"
#include "tests/model/ModelTestSupport.h"

#include <limits>

using namespace Data;

using ViewGeometryTest = ModelTest;

TEST_F(ViewGeometryTest, MarkersStandTruncatedFromTheViewCentreStrictlyInsideTheField) {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x, y;         // droplet position, µm
        double viewX, viewY; // view offset, µm
        int active;
        MarkerPlace expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 1, {true, 0, 0}},
        {12.9, -7.9, 0, 0, 1, {true, 12, -7}}, // truncated towards zero
        {-0.5, 0.99, 0, 0, 1, {true, 0, 0}},
        {150.5, 40.5, 100, 0, 1, {true, 50, 40}}, // the view shifted right
        {199.9, 0, 0, 0, 1, {true, 199, 0}},
        {200.5, 0, 0, 0, 1, {false, 0, 0}},        // beyond the radius
        {141.5, 141.5, 0, 0, 1, {true, 141, 141}}, // 199.4 pixels away
        {142.5, 141.5, 0, 0, 1, {false, 0, 0}},    // 200.1 pixels away
        {0, 0, 0, 0, 0, {false, 0, 0}},            // not in the chamber
        {1e30, 0, 0, 0, 1, {false, 0, 0}},
        {NaN, 0, 0, 0, 1, {false, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " view " << c.viewX);
        Drops[7].X = c.x * 1e-6;
        Drops[7].Y = c.y * 1e-6;
        Drops[7].Active = c.active;
        ViewOffsetX = c.viewX * 1e-6;
        ViewOffsetY = c.viewY * 1e-6;
        const MarkerPlace place = MarkerPlaceOf(7);
        EXPECT_EQ(place.Shown, c.expected.Shown);
        if (c.expected.Shown) {
            EXPECT_EQ(place.X, c.expected.X);
            EXPECT_EQ(place.Y, c.expected.Y);
        }
    }
    for (int outside : {0, 101, -1})
        EXPECT_FALSE(MarkerPlaceOf(outside).Shown) << outside;
}

TEST(ViewGeometry, NeedleAndColumnStandWhereTheDesktopDrawsThem) {
    // The dial of the window is 145 × 105: the hub at (72, 78); 1000 V swings the needle 0.833
    // radians from upright.
    EXPECT_EQ(NeedlePivot(145, 105).X, 72);
    EXPECT_EQ(NeedlePivot(145, 105).Y, 78);
    struct Needle {
        double volts;
        int x, y;
    };
    for (const Needle n : {Needle{0, 72, -1}, {1000, 131, 24}, {-1000, 13, 24}, {350, 95, 2}}) {
        const PixelPoint end = NeedleEnd(n.volts, 145, 105);
        EXPECT_EQ(end.X, n.x) << n.volts;
        EXPECT_EQ(end.Y, n.y) << n.volts;
    }
    // The column: 3 rows a degree, 0 °C at row 382, truncated towards zero.
    struct Column {
        double kelvin;
        int top;
    };
    for (const Column c : {Column{273, 382},
                           {293, 322},
                           {373, 82},
                           {293.4, 321},
                           {272.8, 382},
                           {263, 412},
                           {std::numeric_limits<double>::quiet_NaN(), 382},
                           {1e300, 382 - 1000000}}) {
        EXPECT_EQ(ThermometerColumnTop(c.kelvin), c.top) << c.kelvin;
    }
}
