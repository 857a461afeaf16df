// The thermometer picture: grey ground, glass tube and bulb, and the 0–100 °C scale.
#include "assets/Colors.h"
#include "assets/Pictures.h"
#include "tests/assets/PictureChecks.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

using Colors::Black;
using Colors::Blue;
using Colors::Silver;
using Colors::White;
constexpr int TickColumn = 22;

std::uint32_t At(int x, int y) {
    return Pictures::Thermometer().At(x, y);
}

int TickTop(int degrees) {
    return 318 - 3 * degrees;
}

/// Black pixels in the row from the tick's first column rightwards, up to the first non-black.
int TickLength(int row) {
    int n = 0;
    while (TickColumn + n < 62 && At(TickColumn + n, row) == Black)
        ++n;
    return n;
}

bool RowHasBlackIn(int row, int left, int right) {
    for (int x = left; x <= right; ++x) {
        if (At(x, row) == Black) return true;
    }
    return false;
}

} // namespace

TEST(ThermometerPicture, IsTrueColourOfTheStoredSizeOnSilver) {
    const Pictures::Picture& picture = Pictures::Thermometer();
    ASSERT_TRUE(IsTrueColourOfSize(picture, 62, 393));
    EXPECT_EQ(&picture, &Pictures::Thermometer());
    EXPECT_EQ(At(0, 0), Silver);
    EXPECT_EQ(At(61, 0), Silver);
    EXPECT_EQ(At(0, 392), Silver);
    EXPECT_EQ(At(61, 392), Silver);
}

TEST(ThermometerPicture, TicksLieOnTheirTwoRowsWithLongTicksEveryTenDegrees) {
    struct Case {
        int degrees;
        int top;
        int length;
    };
    const Case cases[] = {{0, 318, 9},  {5, 303, 5}, {45, 183, 5},
                          {50, 168, 9}, {95, 33, 5}, {100, 18, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.degrees << " degC");
        ASSERT_EQ(TickTop(c.degrees), c.top);
        EXPECT_EQ(At(TickColumn, c.top), Black);
        EXPECT_EQ(At(TickColumn, c.top + 1), Black);
        EXPECT_EQ(At(TickColumn, c.top - 1), Silver);
        EXPECT_EQ(At(TickColumn, c.top + 2), Silver);
        EXPECT_EQ(TickLength(c.top), c.length);
        EXPECT_EQ(TickLength(c.top + 1), c.length);
    }
}

TEST(ThermometerPicture, EveryFiveDegreesHasATickAndNothingBetween) {
    for (int row = 10; row <= 325; ++row) {
        bool onTick = false;
        for (int degrees = 0; degrees <= 100; degrees += 5) {
            onTick = onTick || row == TickTop(degrees) || row == TickTop(degrees) + 1;
        }
        EXPECT_EQ(At(TickColumn, row) == Black, onTick) << "row " << row;
    }
}

TEST(ThermometerPicture, NumbersStandRightOfLongTicksWithinTheShownColumns) {
    for (int degrees = 0; degrees <= 100; degrees += 10) {
        SCOPED_TRACE(testing::Message() << degrees << " degC");
        const int top = TickTop(degrees);
        // Digits reach above and below the tick, centred on it, after a gap.
        EXPECT_TRUE(RowHasBlackIn(top - 3, 31, 56));
        EXPECT_TRUE(RowHasBlackIn(top + 3, 31, 56));
        EXPECT_FALSE(RowHasBlackIn(top - 5, 31, 61));
        EXPECT_FALSE(RowHasBlackIn(top + 5, 31, 61));
    }
    for (int row = 0; row < 393; ++row) {
        ASSERT_FALSE(RowHasBlackIn(row, 57, 61)) << "row " << row;
    }
}

TEST(ThermometerPicture, TubeIsWhiteBehindTheColumnAndOutlinedInBlack) {
    for (int row = 18; row <= 319; ++row) {
        ASSERT_EQ(At(14, row), White) << row;
        ASSERT_EQ(At(18, row), White) << row;
        ASSERT_EQ(At(13, row), White) << row;
        ASSERT_EQ(At(19, row), White) << row;
        ASSERT_EQ(At(12, row), Black) << row;
        ASSERT_EQ(At(20, row), Black) << row;
        ASSERT_EQ(At(11, row), Silver) << row;
        ASSERT_EQ(At(21, row), Silver) << row;
    }
    // The tube is closed at the top by a black cap with silver above it.
    EXPECT_EQ(At(16, 8), Black);
    EXPECT_EQ(At(16, 7), Silver);
    for (int row = 9; row < 18; ++row)
        EXPECT_EQ(At(16, row), White) << row;
}

TEST(ThermometerPicture, StemAndBulbCarryTheBlueLiquid) {
    for (int row = 320; row <= 340; ++row) {
        for (int x = 14; x <= 18; ++x)
            ASSERT_EQ(At(x, row), Blue) << x << "," << row;
    }
    EXPECT_EQ(At(16, 340), Blue);
    EXPECT_EQ(At(8, 340), Blue);
    EXPECT_EQ(At(24, 340), Blue);
    // The bulb is outlined: black at its rim on all four sides, silver beyond.
    EXPECT_EQ(At(16, 351), Black);
    EXPECT_EQ(At(16, 352), Silver);
    EXPECT_EQ(At(5, 340), Black);
    EXPECT_EQ(At(4, 340), Silver);
    EXPECT_EQ(At(27, 340), Black);
    EXPECT_EQ(At(28, 340), Silver);
}
