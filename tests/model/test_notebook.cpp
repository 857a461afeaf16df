// The notebook's worked-out cells: speeds, a droplet's radius from its falls with the supply off,
// and the charge of every timing with the supply on.
#include "model/Notebook.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace Data;

namespace {

NotebookRow Row(std::optional<int> droplet, int ticks, double time, MotionDirection direction,
                double volts, double celsius = 20) {
    NotebookRow row;
    row.Droplet = droplet;
    row.Ticks = ticks;
    row.Time = time;
    row.Direction = direction;
    row.Voltage = volts;
    row.Celsius = celsius;
    return row;
}

constexpr auto Fall = MotionDirection::Fall;
constexpr auto Rise = MotionDirection::Rise;
constexpr auto Balanced = MotionDirection::Balanced;

} // namespace

TEST(Notebook, PairsEachDropletsFallsWithItsTimingsInTheField) {
    // Droplet 4 is the guide's worked example: 30 ticks in 6.0 s with the supply off (0.698 µm),
    // then held at 382 V reversed and sinking 10 ticks in 6.4 s at 500 V reversed: 2 e.
    std::vector<NotebookRow> rows = {
        Row(4, 30, 6.0, Fall, 0),
        Row(4, 0, 0, Balanced, -382),
        Row(4, 10, 6.4, Rise, -500),
        Row(9, 20, 4.0, Fall, -300),
        Row(std::nullopt, 30, 5.0, Fall, 0),
        Row(4, 30, 0.0, Fall, 0),
        Row(11, 30, 3.0, Rise, 0),
        Row(12, 25, 5.0, Fall, 0, 40),
        Row(12, 25, 5.0, Fall, 0, 0),
        Row(12, 25, 2.5, Fall, 400, 20),
    };
    RecomputeNotebook(rows);
    struct Expected {
        std::optional<double> speed, radius, charge;
    };
    const Expected expected[] = {
        {50.0, 0.698, std::nullopt},         // a fall with the supply off gives the radius...
        {0.0, 0.698, 3.17},                  // ...which every row of the droplet uses
        {15.625, 0.698, 3.18},               // against gravity: a negative velocity
        {50.0, std::nullopt, std::nullopt},  // no fall with the supply off: no radius
        {60.0, std::nullopt, std::nullopt},  // no droplet number: nothing to pair
        {std::nullopt, 0.698, std::nullopt}, // no time, no speed; the radius is known
        {100.0, std::nullopt, std::nullopt}, // rising with the supply off is no fall
        // the mean of 0.7158 µm at 40 °C and 0.6785 µm at 0 °C
        {50.0, 0.6972, std::nullopt},
        {50.0, 0.6972, std::nullopt},
        {100.0, 0.6972, std::nullopt},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const Expected& e = expected[i];
        ASSERT_EQ(rows[i].Speed.has_value(), e.speed.has_value());
        if (e.speed) {
            EXPECT_NEAR(*rows[i].Speed, *e.speed, 1e-9);
        }
        ASSERT_EQ(rows[i].Radius.has_value(), e.radius.has_value());
        if (e.radius) {
            EXPECT_NEAR(*rows[i].Radius, *e.radius, 0.0006);
        }
        if (i == 9) {
            ASSERT_TRUE(rows[i].Charge);
            EXPECT_TRUE(std::isfinite(*rows[i].Charge));
        } else {
            ASSERT_EQ(rows[i].Charge.has_value(), e.charge.has_value());
            if (e.charge) {
                EXPECT_NEAR(*rows[i].Charge, *e.charge, 0.01);
            }
        }
    }
    // A teacher who leaves radius and charge to the students keeps the speeds only.
    RecomputeNotebook(rows, false);
    for (const NotebookRow& row : rows) {
        EXPECT_FALSE(row.Radius);
        EXPECT_FALSE(row.Charge);
    }
    EXPECT_EQ(rows[0].Speed, 50.0);
}

TEST(Notebook, ANewSpraysDropletsAreNumberedAfterEveryDropletAlreadyInIt) {
    struct Case {
        std::vector<std::optional<int>> droplets;
        int offset;
    };
    const Case cases[] = {
        {{}, 0},      {{std::nullopt}, 0}, {{7, std::nullopt}, 100},
        {{100}, 100}, {{3, 101}, 200},     {{999'999}, 1'000'000},
    };
    for (const Case& c : cases) {
        std::vector<NotebookRow> rows;
        for (const auto& droplet : c.droplets)
            rows.push_back(Row(droplet, 30, 5.0, Fall, 0));
        EXPECT_EQ(SprayNumberOffset(rows), c.offset) << c.droplets.size();
    }
}
