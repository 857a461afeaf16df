// The student's session command by command, without a window: the state before, the command,
// what it says must be drawn again, and the state after; then what the ticks draw, and when.
#include "catalogue/TextCatalogue.h"
#include "lab/ClassCode.h"
#include "lab/Session.h"
#include "model/FieldParsing.h"
#include "report/NotebookTexts.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace Lab;

/// Droplet i at (x, y) view pixels from the view centre.
void Place(int i, int x, int y) {
    Data::Drops[i].Active = 1;
    Data::Drops[i].X = x * Data::PixelSize;
    Data::Drops[i].Y = y * Data::PixelSize;
}

Data::NotebookRow RowOf(int droplet) {
    Data::NotebookRow row;
    row.Droplet = droplet;
    row.Ticks = 30;
    row.Time = 4.0;
    row.Voltage = 0;
    row.Celsius = 20;
    return row;
}

struct Step {
    const char* what;
    std::function<void(Session&)> before;
    std::function<int(Session&)> command;
    int changes;
    std::function<void(const Session&)> after;
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data::OpenTextCatalogue(std::string(TESSILAR_DIST_DIR) + "/English/Tessilar.ini");
        Fresh();
    }
    void TearDown() override {
        Data::ResetChamber();
        Data::CloseTextCatalogue();
        Data::DecimalSeparator = '.';
    }
    static void Fresh() {
        Data::ResetChamber();
        Data::StartRun();
        Data::DecimalSeparator = ',';
        Data::SeedRandom(7);
        Data::SeedNoise(8);
    }
};

constexpr int Voltage = ChangedSupply | ChangedVoltageField;
constexpr int Opened = ChangedNotebook | ChangedMarkers | ChangedDescription;
constexpr int Choice = ChangedMarkers | ChangedDescription;

} // namespace

TEST_F(SessionTest, EachCommandChangesItsStateAndSaysWhatToDraw) {
    const auto followFirst = [](Session& s) {
        Place(5, 0, 0);
        Place(6, 9, 0);
        s.TakeMarkers();
        s.FollowAt(0, 0, 6);
    };
    const Step steps[] = {
        {"a voltage with a leading zero is applied and shown as in force",
         {},
         [](Session& s) { return s.FieldChanged(Field::Voltage, "0500", Edit::Typed); },
         Voltage,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Voltage), "500");
             EXPECT_EQ(Data::VoltageSetting, 500);
         }},
        {"no whole number stays as typed and changes nothing",
         [](Session& s) { s.FieldChanged(Field::Voltage, "250", Edit::Typed); },
         [](Session& s) { return s.FieldChanged(Field::Voltage, "12a", Edit::Typed); }, 0,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Voltage), "12a");
             EXPECT_EQ(Data::VoltageSetting, 250);
         }},
        {"a temperature typed stays as typed; the spin buttons follow",
         {},
         [](Session& s) { return s.FieldChanged(Field::Temperature, "40", Edit::Typed); },
         ChangedTemperatureField,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Temperature), "40");
             EXPECT_EQ(s.SpinPosition(Field::Temperature), 40);
             EXPECT_EQ(Data::AmbientTemp, 313);
         }},
        {"a temperature the program writes is shown as in force",
         {},
         [](Session& s) { return s.FieldChanged(Field::Temperature, "35.5", Edit::Written); },
         ChangedTemperatureField,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Temperature), "35.50");
             EXPECT_EQ(s.SpinPosition(Field::Temperature), 35);
         }},
        {"the field's own rewrite is applied already, and switches to the decimal point",
         [](Session& s) {
             s.FieldChanged(Field::Temperature, "35.5", Edit::Written);
             Data::DecimalSeparator = ',';
             Data::AmbientTemp = 300;
         },
         [](Session& s) { return s.FieldChanged(Field::Temperature, "35.50", Edit::Written); }, 0,
         [](const Session&) {
             EXPECT_EQ(Data::DecimalSeparator, '.');
             EXPECT_EQ(Data::AmbientTemp, 300);
         }},
        {"editing ended: the field shows the value in force",
         [](Session& s) { s.FieldChanged(Field::Temperature, "4", Edit::Typed); },
         [](Session& s) { return s.EditingFinished(Field::Temperature); }, ChangedTemperatureField,
         [](const Session& s) { EXPECT_EQ(s.FieldText(Field::Temperature), " 4.00"); }},
        {"the spin buttons step from the whole number typed",
         [](Session& s) { s.FieldChanged(Field::Voltage, "500", Edit::Typed); },
         [](Session& s) { return s.Spin(Field::Voltage, 1); }, Voltage,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Voltage), "502");
             EXPECT_EQ(s.SpinPosition(Field::Voltage), 502);
         }},
        {"at the end of their range the spin buttons change nothing",
         [](Session& s) { s.SpinTo(Field::Voltage, 995); },
         [](Session& s) { return s.Spin(Field::Voltage, 1); }, 0,
         [](const Session& s) { EXPECT_EQ(s.FieldText(Field::Voltage), "995"); }},
        {"decimals in the field: the step goes from the buttons' own position",
         [](Session& s) { s.FieldChanged(Field::Temperature, "40.50", Edit::Typed); },
         [](Session& s) { return s.Spin(Field::Temperature, 1); }, ChangedTemperatureField,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Temperature), "41.00");
             EXPECT_EQ(Data::AmbientTemp, 314);
         }},
        {"a pressure in range is in force at once; one outside keeps the last good one",
         [](Session& s) { s.FieldChanged(Field::Pressure, "20", Edit::Typed); },
         [](Session& s) { return s.FieldChanged(Field::Pressure, "250", Edit::Typed); }, 0,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Pressure), "250");
             EXPECT_EQ(s.SpinPosition(Field::Pressure), 20);
             EXPECT_EQ(Data::ChamberPressure, 20000);
         }},
        {"editing the pressure ended: it shows the pressure in force with a decimal point",
         [](Session& s) {
             Data::DecimalSeparator = ',';
             s.FieldChanged(Field::Pressure, "55.25", Edit::Typed);
             s.FieldChanged(Field::Pressure, "0.5", Edit::Typed);
         },
         [](Session& s) { return s.EditingFinished(Field::Pressure); }, ChangedPressureField,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Pressure), " 55.3");
             EXPECT_EQ(Data::ChamberPressure, 55250);
         }},
        {"the pressure's spin buttons stop at 1 kPa",
         [](Session& s) { s.SpinTo(Field::Pressure, 2); },
         [](Session& s) { return s.Spin(Field::Pressure, -1) | s.Spin(Field::Pressure, -1); },
         ChangedPressureField,
         [](const Session& s) {
             EXPECT_EQ(s.FieldText(Field::Pressure), "  1.0");
             EXPECT_EQ(Data::ChamberPressure, 1000);
         }},
        {"a scroll bar moves the view and writes its readout",
         {},
         [](Session& s) { return s.ShiftView(Axis::Across, 0); },
         ChangedReadouts | ChangedDescription,
         [](const Session& s) {
             EXPECT_EQ(s.Readout(Axis::Across), " 0,000 mm     ");
             EXPECT_NEAR(Data::ViewOffsetX, 200e-6, 1e-15);
         }},
        {"an injection lets go, recentres, and numbers the spray above the notebook's",
         [&](Session& s) {
             s.OpenNotebook({RowOf(128)});
             s.ShiftView(Axis::UpDown, 90);
             followFirst(s);
         },
         [](Session& s) { return s.Inject(); },
         ChangedSupply | ChangedReadouts | ChangedMarkers | ChangedDescription,
         [](const Session& s) {
             EXPECT_EQ(s.Followed(), 0);
             EXPECT_EQ(s.ScrollPosition(Axis::UpDown), 50);
             EXPECT_EQ(s.Readout(Axis::UpDown), " 0,200 mm     ");
             EXPECT_EQ(s.NotebookNumber(1), 201);
         }},
        {"a click follows the nearest marker as drawn, within its reach", followFirst,
         [](Session& s) { return s.FollowAt(5, 0, 6); }, Choice,
         [](const Session& s) { EXPECT_EQ(s.Followed(), 6); }},
        {"a click near no marker lets go", followFirst,
         [](Session& s) { return s.FollowAt(0, 7, 6); }, Choice,
         [](const Session& s) { EXPECT_EQ(s.Followed(), 0); }},
        {"with no droplet in view an arrow key keeps the droplet followed",
         [&](Session& s) {
             followFirst(s);
             Place(5, 300, 0);
             Place(6, 0, 300);
         },
         [](Session& s) { return s.Follow(FollowKey::Left); }, ChangedDescription,
         [](const Session& s) { EXPECT_EQ(s.Followed(), 5); }},
        {"a recording numbers the followed droplet and marks the timing after a burst",
         [&](Session& s) {
             s.OpenNotebook({RowOf(3)});
             followFirst(s);
             s.Ionise();
             Data::StopwatchShown = 12.34;
         },
         [](Session& s) { return s.Record(); }, ChangedNotebook | ChangedAnnouncement,
         [](const Session& s) {
             ASSERT_EQ(s.Rows().size(), 2u);
             EXPECT_EQ(s.Rows()[1].Droplet, 105);
             EXPECT_EQ(s.Rows()[1].Time, 12.3);
             EXPECT_TRUE(s.Rows()[1].AfterBurst);
             EXPECT_EQ(s.BurstMarks(), "2");
             EXPECT_EQ(s.Announcement(), "Row 2 recorded: droplet 105, 12,3 s");
         }},
        {"under a class code a row says whose droplet it was: the spray and the bursts into it",
         [&](Session& s) {
             s.SetStudent("Kiss, Anna");
             s.SetClassCode("11.A");
             s.OpenNotebook({RowOf(3)});
             s.Inject();
             s.Inject();
             s.Ionise();
             followFirst(s);
         },
         [](Session& s) { return s.Record(); }, ChangedNotebook | ChangedAnnouncement,
         [](const Session& s) {
             EXPECT_EQ(s.Rows()[1].Student, "Kiss, Anna");
             EXPECT_EQ(s.Rows()[1].Spray, 2);
             EXPECT_EQ(s.Rows()[1].Bursts, 1);
         }},
        {"a class code that cannot be used leaves the chamber unassessed",
         [&](Session& s) {
             s.SetClassCode(std::string(65, 'x'));
             s.Inject();
             followFirst(s);
         },
         [](Session& s) { return s.Record(); }, ChangedNotebook | ChangedAnnouncement,
         [](const Session& s) {
             EXPECT_EQ(s.ClassCode(), "");
             EXPECT_FALSE(s.Rows()[0].Spray);
             EXPECT_FALSE(s.Rows()[0].Student) << "no identifier given";
         }},
        {"deleting rows passes over indexes that name none",
         [](Session& s) {
             s.OpenNotebook({RowOf(1), RowOf(2), RowOf(3)});
         },
         [](Session& s) {
             const int doomed[] = {0, 0, 7, -1};
             return s.DeleteRows(doomed);
         },
         ChangedNotebook,
         [](const Session& s) {
             ASSERT_EQ(s.Rows().size(), 2u);
             EXPECT_EQ(s.Rows()[0].Droplet, 2);
         }},
        {"a cell takes no more ticks than the table holds",
         [](Session& s) { s.OpenNotebook({RowOf(1)}); },
         [](Session& s) { return s.EditCell(0, Report::TicksColumn, "1001"); }, 0,
         [](const Session& s) { EXPECT_EQ(s.Rows()[0].Ticks, 30); }},
        {"a corrected cell is worked out again", [](Session& s) { s.OpenNotebook({RowOf(1)}); },
         [](Session& s) { return s.EditCell(0, Report::TicksColumn, " 12 "); }, ChangedNotebook,
         [](const Session& s) {
             EXPECT_EQ(s.Rows()[0].Ticks, 12);
             EXPECT_EQ(s.Rows()[0].Speed, 30);
         }},
        {"the burst marks come with the notebook; numbers that name no row are passed over",
         {},
         [](Session& s) {
             return s.OpenNotebook({RowOf(1), RowOf(2)}, "2,9,x,0");
         },
         Opened,
         [](const Session& s) { EXPECT_EQ(s.BurstMarks(), "2"); }},
        {"a notebook file is held to the table's limits",
         [](Session& s) { s.OpenNotebook({RowOf(1)}); },
         [](Session& s) {
             std::string problem;
             const int changes = s.ReadNotebook(
                 "droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,"
                 "speed_um_s,radius_um,charge_1e-19C\r\n1,1001,10010,5.0,fall,0,20,,,\r\n",
                 problem);
             EXPECT_EQ(problem,
                       "line 2: the ticks are not a whole number from 0 to 1000: \"1001\"");
             return changes;
         },
         0, [](const Session& s) { EXPECT_EQ(s.Rows().size(), 1u); }},
        {"stopping the stopwatch says what it keeps", [](Session&) { Data::StartStopwatch(); },
         [](Session& s) {
             Data::StopwatchShown = 5.97;
             return s.StopStopwatch();
         },
         ChangedAnnouncement | ChangedStopwatch,
         [](const Session& s) { EXPECT_EQ(s.Announcement(), "Stopwatch stopped at 5,9 s"); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        Fresh();
        Session session;
        if (step.before) step.before(session);
        EXPECT_EQ(step.command(session), step.changes);
        step.after(session);
    }
}

TEST_F(SessionTest, TheDropletsInViewAreCountedInWords) {
    const std::pair<int, const char*> counts[] = {
        {0, "no droplet in view"}, {1, "one droplet in view"}, {3, "3 droplets in view"}};
    for (const auto& [count, words] : counts) {
        Fresh();
        for (int i = 1; i <= count; ++i)
            Place(i, 10 * i, 0);
        Place(count + 1, 250, 0); // outside the field
        EXPECT_EQ(Session().DropletsInView(), words);
    }
}

TEST_F(SessionTest, TicksUnseenAreDrawnAtTheFirstRefreshSeen) {
    Session session;
    bool seen = false;
    std::vector<int> drawn;
    session.Attach({.Seen = [&] { return seen; }, .Draw = [&](int c) { drawn.push_back(c); }});
    session.TakeView();
    EXPECT_EQ(session.QuietTicks(8), Session::UntilInput) << "an empty chamber at rest";
    Place(1, 0, 0);
    Data::Drops[1].Radius = 1e-6;
    session.StartStopwatch();
    for (int i = 0; i < 20; ++i)
        Data::SimulationTick();
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(session.MarkersInView(), 0) << "nothing is taken while unseen";
    EXPECT_EQ(session.QuietTicks(8), 1) << "behind: the next tick brings the view up to date";
    seen = true;
    Data::SimulationTick();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0], ChangedMarkers | ChangedStopwatch);
    EXPECT_EQ(drawn[1], ChangedStopwatch);
    EXPECT_EQ(session.StopwatchText(), Data::FormatStopwatch(Data::StopwatchShown));
    session.Detach();
    EXPECT_FALSE(Data::ViewRefreshHook);
}

TEST(ClassCode, OnlyAShortPlainTextIsAClassCode) {
    const std::pair<std::string, std::optional<Lab::ClassCodeFault>> codes[] = {
        {"11.A fizika", std::nullopt},
        {std::string(64, 'x'), std::nullopt},
        {"Ő" + std::string(63, 'x'), std::nullopt}, // characters, not bytes
        {"", Lab::ClassCodeFault::Empty},
        {std::string(65, 'x'), Lab::ClassCodeFault::TooLong},
        {"<b>x</b>", Lab::ClassCodeFault::Unsafe},
        {"a\tb", Lab::ClassCodeFault::Unsafe},
        {"\xff", Lab::ClassCodeFault::Unsafe},
    };
    for (const auto& [code, fault] : codes)
        EXPECT_EQ(Lab::ClassCodeFaultOf(code), fault) << code;
}
