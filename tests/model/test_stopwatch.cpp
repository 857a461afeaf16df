// The stopwatch text.
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <string>

using Data::FormatStopwatch;

TEST(Stopwatch, FormatsMinutesSecondsAndTenths) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00,0  "},        {75.35, "01:15,3  "},   {0.09, "00:00,0  "},
        {0.1, "00:00,1  "},      {59.99, "00:59,9  "},   {60, "01:00,0  "},
        {599.95, "09:59,9  "},   {3599.95, "59:59,9  "}, {5400, "90:00,0  "},
        {6000, "100:00,0  "},    {6005, "100:05,0  "},   {54000, "900:00,0  "},
        {59999.9, "999:59,9  "}, {6e6, "100000:00,0  "}, {1e9, "16666666:40,0  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatStopwatch(c.seconds), c.text) << c.seconds;
}

TEST(Stopwatch, StartedAt12_34AndReadAt75_35ShowsSixtyThreeSeconds) {
    EXPECT_EQ(FormatStopwatch(75.35 - 12.34), "01:03,0  ");
}

TEST(Stopwatch, NeverGarblesAtMinuteBoundariesOrOddInput) {
    // Just below a whole minute x / 60 rounds up; the text must still be a valid reading.
    const double justBelow = std::nextafter(120.0, 0.0);
    EXPECT_EQ(FormatStopwatch(justBelow), "01:59,9  ");
    EXPECT_EQ(FormatStopwatch(-3), "00:00,0  ");
    EXPECT_EQ(FormatStopwatch(std::nan("")), "00:00,0  ");
    const std::string huge = FormatStopwatch(1e300);
    EXPECT_EQ(huge.substr(huge.size() - 7), ":00,0  ");
    for (double x = 0; x < 200; x += 0.37) {
        const std::string s = FormatStopwatch(x);
        ASSERT_EQ(s.size(), 9u) << x;
        ASSERT_EQ(s.find('-'), std::string::npos) << x;
    }
}
