// The reports as a reader sees them: a long notebook breaks onto pages that each begin with the
// table's titles, every row is there once, and the burst mark and the estimate are shown.

#include "catalogue/TextCatalogue.h"
#include "model/ClassResults.h"
#include "report/Reports.h"
#include "tests/report/PdfText.h"

#include <gtest/gtest.h>

namespace {

/// A notebook of `droplets` droplets, each timed falling and rising, the last after a burst.
std::vector<Data::NotebookRow> Notebook(int droplets) {
    std::vector<Data::NotebookRow> rows;
    for (int d = 1; d <= droplets; ++d) {
        Data::NotebookRow fall;
        fall.Droplet = d;
        fall.Ticks = 50 + d % 7;
        fall.Time = 12.0 + d % 5;
        fall.Voltage = 0;
        fall.Celsius = 20;
        Data::NotebookRow rise = fall;
        rise.Direction = Data::MotionDirection::Rise;
        rise.Time = 6.0 + d % 3;
        rise.Voltage = -400;
        rise.AfterBurst = d == droplets;
        rows.push_back(fall);
        rows.push_back(rise);
    }
    Data::RecomputeNotebook(rows);
    return rows;
}

class ReportsTest : public testing::Test {
protected:
    void SetUp() override { Data::OpenTextCatalogue(TESSILAR_DIST_DIR "/Magyar/Tessilar.ini"); }
    void TearDown() override { Data::CloseTextCatalogue(); }
};

std::vector<std::string> Pages(const std::string& bytes) {
    const PdfText::File file(bytes, "report");
    std::vector<std::string> pages;
    const std::string text = PdfText::Run("pdftotext -layout -enc UTF-8 " + file.Path() + " -");
    std::size_t at = 0;
    for (std::size_t feed; (feed = text.find('\f', at)) != std::string::npos; at = feed + 1)
        pages.push_back(text.substr(at, feed - at));
    return pages;
}

} // namespace

TEST_F(ReportsTest, LongNotebookBreaksOntoPagesWithTheTitles) {
    const auto rows = Notebook(60);
    const std::vector<std::string> pages =
        Pages(Report::StudentReportPdf("anna", rows, true, {2026, 12, 8, 14, 5}));
    ASSERT_GE(pages.size(), 3u);
    for (const std::string& page : pages)
        for (const char* title : {"Csepp", "Hőmérséklet", "Töltés"})
            EXPECT_NE(page.find(title), std::string::npos) << title << " not on:\n" << page;
    EXPECT_NE(pages[0].find("Azonosító: anna"), std::string::npos);
    EXPECT_NE(pages[0].find("2026-12-08 14:05"), std::string::npos);
    EXPECT_NE(pages.back().find("120 ⚡"), std::string::npos);
    EXPECT_NE(pages.back().find("⚡ Ionizálás volt"), std::string::npos) << pages.back();
    EXPECT_NE(pages.back().find("e = "), std::string::npos);
}

TEST_F(ReportsTest, WithoutCalculationsNoChargeOrEstimate) {
    const std::vector<std::string> pages =
        Pages(Report::StudentReportPdf("bea", Notebook(3), false, {}));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].find("Töltés"), std::string::npos) << pages[0];
    EXPECT_EQ(pages[0].find("e = "), std::string::npos);
}

TEST_F(ReportsTest, ClassReportHasItsFirstPageThenEachStudent) {
    const std::vector<Data::StudentNotebook> notebooks = {{"anna", Notebook(5)},
                                                          {"bea", Notebook(4)}};
    const std::vector<std::string> pages = Pages(Report::ClassReportPdf(
        Data::PoolClass(notebooks), notebooks, {{"cili.csv", "5. sor: hibás"}}, {}));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(pages[0].find("osztályjelentés"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("cili.csv – 5. sor: hibás"), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("Azonosító: anna"), std::string::npos);
    EXPECT_NE(pages[2].find("Azonosító: bea"), std::string::npos);
}

TEST_F(ReportsTest, ATableWiderThanThePageCutsItsWideCellsAndKeepsTheNumbersWhole) {
    // A long identifier makes the class's table wider than the page: the name is cut short, and
    // every estimate stays whole.
    const std::string longName = "Anna Maria Kovács-Szentgyörgyi de Nagybánya és Felsőszeleste";
    const std::vector<Data::StudentNotebook> notebooks = {
        {longName, Notebook(5)}, {"bea", Notebook(4)}, {"cili", Notebook(2)}};
    const Data::ClassResults results = Data::PoolClass(notebooks);
    const std::vector<std::string> pages =
        Pages(Report::ClassReportPdf(results, notebooks, {}, {}));
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].find(longName), std::string::npos) << "the name was not cut:\n" << pages[0];
    EXPECT_NE(pages[0].find("Anna Maria"), std::string::npos) << pages[0];
    for (const char* estimate : {"5.968 ± 0.243", "5.796 ± 0.222"})
        EXPECT_NE(pages[0].find(estimate), std::string::npos) << estimate << " not in:\n"
                                                              << pages[0];
}
