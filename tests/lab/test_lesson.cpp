// The teacher's settings of a lesson in the forms they travel in, read back key by key, and what a
// notebook has done of the lesson.
#include "catalogue/TextCatalogue.h"
#include "lab/Lesson.h"

#include <gtest/gtest.h>

namespace {

using namespace Lab;

LessonSettings Full() {
    LessonSettings s;
    s.Language = "en";
    s.Calculations = false;
    s.Brownian = true;
    s.RealAir = true;
    s.ClassCode = "11.B fizika, 2026 ősz";
    s.Droplets = 12;
    return s;
}

TEST(LessonSettings, ReadKeyByKeyOverTheirBaseAndPassOverWhatCannotBeUsed) {
    struct Case {
        const char* text;
        SettingsSource source;
        LessonSettings wanted;
        std::size_t ignored;
    };
    LessonSettings english;
    english.Language = "en";
    LessonSettings spanish;
    spanish.Language = "es";
    LessonSettings brownianOff = english;
    brownianOff.Brownian = false;
    LessonSettings unusableCode;
    unusableCode.ClassCode = "<b>";
    const Case cases[] = {
        {"", SettingsSource::Page, {}, 0},
        {"?lang=EN", SettingsSource::Address, english, 0},
        {"lang=en&lang=hu", SettingsSource::Page, english, 0}, // the first of a key twice
        {"lang=en&brownian=OFF&calculations=maybe&x=1", SettingsSource::Page, brownianOff, 2},
        {"?lang=ES", SettingsSource::Address, spanish, 0},
        {"lang=fi&droplets=0&droplets=101&realair=", SettingsSource::Page, {}, 4}, // no Finnish
        {"class=%3Cb%3E&lang=en%", SettingsSource::Page, {}, 2},     // markup; a broken escape
        {"class=%3Cb%3E", SettingsSource::Address, unusableCode, 0}, // the student is told
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> ignored;
        EXPECT_EQ(ReadSettings(c.text, c.source, {}, &ignored), c.wanted);
        EXPECT_EQ(ignored.size(), c.ignored);
    }
    // Over a base: only what the text gives changes; an overlong text gives nothing.
    const LessonSettings over = ReadSettings("droplets=3", SettingsSource::Address, Full());
    EXPECT_EQ(over.Droplets, 3);
    EXPECT_EQ(over.ClassCode, Full().ClassCode);
    EXPECT_EQ(ReadSettings(std::string(LongestSettingsText + 1, 'a'), SettingsSource::Page, Full()),
              Full());
}

TEST(LessonSettings, TravelInTheAddressAndInsideThePageAndComeBackAsTheyWent) {
    const std::string query = SettingsQuery(Full());
    EXPECT_EQ(query.find_first_of("<>\"& "), query.find('&')) << "only the pairs' own '&'";
    EXPECT_EQ(ReadSettings("?" + query, SettingsSource::Page), Full());
    EXPECT_EQ(SettingsQuery({}), "");

    const std::string page = std::string("<head>") + std::string(SettingsBlockStart) +
                             std::string(SettingsBlockEnd) + "<script>x</script></head>";
    const auto written = PageWithSettings(page, Full());
    ASSERT_TRUE(written);
    EXPECT_EQ(SettingsOfPage(*written), query);
    EXPECT_EQ(SettingsOfPage(*PageWithSettings(*written, {})), "") << "a copy of a copy";
    EXPECT_FALSE(PageWithSettings("<html>no block</html>", Full()));
    EXPECT_EQ(SettingsOfPage("<html>no block</html>"), "");
}

TEST(LessonSettings, GiveTheDesktopsIniLinesAndSayWhatIsInForce) {
    EXPECT_EQ(IniLines(Full()), "[Settings]\nLanguage=English\nBrownianMotion=1\nRealAir=1\n"
                                "Droplets=12\n[Notebook]\nCalculations=0\n[Assessment]\n"
                                "ClassCode=11.B fizika, 2026 ősz\n");
    EXPECT_EQ(IniLines({}), "");
    Data::OpenTextCatalogue(std::string(TESSILAR_DIST_DIR) + "/English/Tessilar.ini");
    const std::string said = DescribeSettings(Full());
    for (const char* part :
         {"Teacher's settings in force:", "language: en", "Brownian motion on", "real air",
          "class code: 11.B fizika, 2026 ősz", "droplets to time: 12"})
        EXPECT_NE(said.find(part), std::string::npos) << part << " in " << said;
    EXPECT_EQ(DescribeSettings({}), "");
    Data::CloseTextCatalogue();
}

TEST(LessonProgress, CountsTheDropletsWithAChargeAgainstThoseAsked) {
    std::vector<Data::NotebookRow> rows;
    for (int droplet = 1; droplet <= 3; ++droplet) {
        for (const auto& [time, direction, volts] :
             {std::tuple{6.0, Data::MotionDirection::Fall, 0.0},
              std::tuple{9.0, Data::MotionDirection::Rise, -500.0}}) {
            Data::NotebookRow row;
            row.Droplet = droplet;
            row.Ticks = 30;
            row.Time = time;
            row.Direction = direction;
            row.Voltage = volts;
            row.Celsius = 20;
            rows.push_back(row);
        }
    }
    rows.pop_back(); // droplet 3 only fell: no charge yet
    struct Case {
        int asked, timed, score;
        bool completed;
    };
    for (const Case c : {Case{8, 2, 25, false}, Case{2, 2, 100, true}, Case{0, 2, 100, true},
                         Case{3, 2, 66, false}}) {
        SCOPED_TRACE(c.asked);
        const LessonProgress p = ProgressOf(rows, c.asked);
        EXPECT_EQ(p.Timed, c.timed);
        EXPECT_EQ(p.Score, c.score);
        EXPECT_EQ(p.Completed, c.completed);
    }
}

TEST(Scorm, TheManifestNamesOneScoWhoseLaunchFileIsThePage) {
    const std::string manifest = ScormManifest();
    for (const char* part :
         {"<schemaversion>1.2</schemaversion>", "adlcp:scormtype=\"sco\"", "href=\"tessilar.html\"",
          "<file href=\"tessilar.html\"/>", "identifierref=\"tessilar-sco\"",
          "identifier=\"tessilar-sco\"", "<organizations default=\"tessilar-organisation\">"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

} // namespace
