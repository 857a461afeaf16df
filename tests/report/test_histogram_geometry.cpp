// The histogram's geometry: which bins get bars, how far the axis runs, where the lines of the
// estimate stand and how often the axis is labelled, in a plot 600 by 300 units.

#include "report/HistogramGeometry.h"
#include "report/NotebookTexts.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(HistogramGeometry, BarsAxisAndLinesFollowTheCharges) {
    struct Case {
        const char* what;
        std::vector<double> charges; ///< 1e-19 C
        double estimate;             ///< C, 0 for none
        int bars;
        std::vector<int> tallest; ///< the bars as high as the plot, by their bin's left charge × 10
        int estimateLines;
        std::vector<std::string> chargeLabels; ///< the first and the last
        double range;                          ///< 1e-19 C the axis runs to
    };
    const std::vector<Case> cases = {
        {"no charges: the axis still runs to 6", {}, 0, 0, {}, 0, {"0", "6"}, 6},
        {"signs ignored, a bin of two", {1.61, -1.65, 3.22}, 1.6e-19, 2, {16}, 3, {"0", "6"}, 6},
        {"a large charge stretches the axis", {1.6, 7.5}, 1.6e-19, 2, {16, 75}, 5, {"0", "8"}, 8},
        {"past 20, labels every few", {1.6, 42.0}, 1.6e-19, 2, {16, 419}, 26, {"0", "40"}, 42},
        {"what is not a number is left out", {NAN, INFINITY, 0.05}, 0, 1, {0}, 0, {"0", "6"}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Report::HistogramGeometry g = Report::LayOutHistogram(
            {0, 0, 600 + 16 + 6 + 12, 300 + 6 + 30}, 12, 16, c.charges, {c.estimate, 0, 3});
        ASSERT_TRUE(g.Drawn);
        EXPECT_EQ(g.Plot.Left, 22);
        EXPECT_EQ(g.Plot.Width, 600);
        EXPECT_EQ(g.Plot.Height, 300);
        ASSERT_EQ(static_cast<int>(g.Bars.size()), c.bars);
        std::vector<int> tallest;
        for (const Report::Bar& bar : g.Bars) {
            EXPECT_EQ(bar.Bottom, g.Plot.Bottom());
            if (bar.Top == g.Plot.Bottom() - g.Plot.Height)
                tallest.push_back(static_cast<int>(
                    std::lround((bar.Left - g.Plot.Left) / g.Plot.Width * c.range * 10)));
        }
        EXPECT_EQ(tallest, c.tallest);
        EXPECT_EQ(static_cast<int>(g.EstimateLines.size()), c.estimateLines);
        ASSERT_FALSE(g.ChargeLabels.empty());
        EXPECT_EQ(g.ChargeLabels.front().Text, c.chargeLabels.front());
        EXPECT_EQ(g.ChargeLabels.back().Text, c.chargeLabels.back());
        EXPECT_EQ(g.TickXs.front(), g.Plot.Left);
    }
    EXPECT_FALSE(Report::LayOutHistogram({0, 0, 40, 40}, 12, 16, {1.0}, {}).Drawn);
}

TEST(NotebookTexts, RowLabelsAndSignedPercents) {
    EXPECT_EQ(Report::RowLabel(0, false), "1");
    EXPECT_EQ(Report::RowLabel(11, true), "12 ⚡");
    const std::vector<std::pair<double, std::string>> percents = {
        {0.44, "+0.4"}, {-1.249, "−1.2"}, {0.04, "0.0"}, {-0.04, "0.0"}, {-250, "−250.0"}};
    for (const auto& [percent, text] : percents)
        EXPECT_EQ(Report::SignedPercent(percent), text);
    EXPECT_EQ(Report::ReportColumns(false, false).size(), Report::ColumnCount - 3u);
}
