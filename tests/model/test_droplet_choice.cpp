// Following droplets from the keyboard: which droplet the view shows, the one nearest the centre
// and the nearest one in a direction, from droplet positions written out in view pixels.
#include "model/Data.h"
#include "model/DropletChoice.h"
#include "model/ViewGeometry.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace Data;

namespace {
constexpr MarkerPlace Hidden{};
MarkerPlace At(int x, int y) {
    return {true, x, y};
}
} // namespace

TEST(DropletChoice, NearestToCentreAndInEachDirection) {
    // Droplet numbers are the places' indices + 1. Y grows downwards in the view.
    const std::vector<MarkerPlace> field = {
        At(0, 0),     // 1: at the centre
        At(50, 10),   // 2: right of 1, a little low
        At(120, 0),   // 3: further right
        At(-40, -30), // 4: up and left of 1, more left than up
        At(5, -90),   // 5: above 1
        At(-10, 60),  // 6: below 1
        Hidden,       // 7: not in view, though its numbers are near everything
        At(50, 10),   // 8: on droplet 2's pixel: equally near, higher number
    };
    const std::vector<MarkerPlace> corner = {Hidden, At(150, 100), At(190, 20), Hidden};
    struct Case {
        const std::vector<MarkerPlace>* places;
        int from; // 0: the nearest to the centre is asked for
        ViewDirection direction;
        int expected;
    };
    using enum ViewDirection;
    const Case cases[] = {
        {&field, 0, Left, 1},   // the centre itself
        {&field, 1, Right, 2},  // 2 before 3, and before 8 on the same pixel
        {&field, 2, Right, 3},  //
        {&field, 3, Right, 2},  // none lies right of 3: the nearest in any direction (2 or 8)
        {&field, 1, Left, 4},   // within 45° of left
        {&field, 1, Up, 5},     // 4 is more left than up
        {&field, 1, Down, 6},   //
        {&field, 6, Up, 1},     // the nearest upwards, not the furthest
        {&field, 5, Up, 4},     // nothing above 5: wraps to the nearest, 4 (not the centre one)
        {&field, 7, Up, 1},     // a droplet out of view: the one nearest the centre
        {&field, 99, Down, 1},  // no such droplet: the same
        {&corner, 0, Up, 2},    // nearest the centre among those shown
        {&corner, 2, Right, 3}, // (40, -80): within 45° of right? no, but the only other one
        {&corner, 3, Left, 2},  //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "from " << c.from << " way " << static_cast<int>(c.direction));
        const int chosen = c.from == 0 ? NearestToCentre(*c.places)
                                       : NearestToward(*c.places, c.from, c.direction);
        EXPECT_EQ(chosen, c.expected);
    }
    // Nothing in view: nothing to follow; a lone droplet stays the one followed.
    const std::vector<MarkerPlace> empty = {Hidden, Hidden};
    EXPECT_EQ(NearestToCentre(empty), 0);
    EXPECT_EQ(NearestToward(empty, 1, Right), 0);
    const std::vector<MarkerPlace> lone = {Hidden, At(30, 30)};
    EXPECT_EQ(NearestToward(lone, 2, Left), 2);
}

TEST(DropletChoice, AClickPicksTheNearestDropletWithinItsReach) {
    const std::vector<MarkerPlace> field = {At(0, 0), At(9, 0), Hidden, At(9, 0), At(3, 4)};
    struct Case {
        double x, y, radius;
        int expected;
    };
    const Case cases[] = {
        {0.4, 0.4, 6, 1},  // on droplet 1
        {7, 0, 6, 2},      // 2 is nearer; 4 on its pixel has the higher number
        {15, 0, 6, 2},     // exactly at the reach
        {15.01, 0, 6, 0},  // just beyond it
        {3, 4.2, 6, 5},    // 5 nearer than 1
        {3, 4, 0, 0},      // no reach, even on the pixel
        {3, 4, -6, 0},     //
        {-20, 0, 12, 0},   // a tap's reach, still too far
        {-11.5, 0, 12, 1}, //
    };
    for (const Case& c : cases)
        EXPECT_EQ(NearestWithin(field, c.x, c.y, c.radius), c.expected) << c.x << ", " << c.y;
}

TEST(DropletChoice, TheChamberIsSeenAsTheMarkersShowIt) {
    ResetChamber();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x, y; // µm from the view centre
        int active;
        MarkerPlace expected;
    };
    const Case cases[] = {
        {-0.7, 0.9, 1, At(0, 0)}, {-12.9, 37.2, 1, At(-12, 37)},   {199.5, 0, 1, At(199, 0)},
        {200.0, 0, 1, Hidden},    {141.5, 141.5, 1, At(141, 141)}, {142.5, -141.5, 1, Hidden},
        {nan, 0, 1, Hidden},      {1e300, 1e300, 1, Hidden},       {10, 10, 0, Hidden},
    };
    ViewOffsetX = 3e-6;
    ViewOffsetY = -4e-6;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " um, " << c.y << " um");
        Drops[5].X = ViewOffsetX + c.x * 1e-6;
        Drops[5].Y = ViewOffsetY + c.y * 1e-6;
        Drops[5].Active = c.active;
        const MarkerPlace place = MarkerPlaceOf(5);
        EXPECT_EQ(place.Shown, c.expected.Shown);
        EXPECT_EQ(place.X, c.expected.X);
        EXPECT_EQ(place.Y, c.expected.Y);
    }
    // Only droplet 5 is active: the chamber's choices find it from anywhere.
    Drops[5] = TDroplet{ViewOffsetX + 20e-6, ViewOffsetY, 0, 0, 0, 1e-6, 1, nullptr};
    EXPECT_EQ(DropletNearestCentre(), 5);
    EXPECT_EQ(DropletToward(0, ViewDirection::Up), 5);
    EXPECT_FALSE(MarkerPlaceOf(0).Shown);
    EXPECT_FALSE(MarkerPlaceOf(DropletCount + 1).Shown);
    ResetChamber();
}
