// The assessed chamber: a student's sprays and bursts follow from the class code and the
// identifier alone, whatever else happens in the chamber; and the answer key, run over notebooks
// written from known chambers, tells the genuine rows from the misread, the invented and the
// copied ones.
#include "model/AnswerKey.h"
#include "model/DropletMotion.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/support/FixedLesson.h"

#include <cmath>
#include <cstring>
#include <string>

using namespace Data;

namespace {

constexpr const char* Code = "fizika 11.A";

/// A row timed from the truth: 30 ticks in the time the droplet truly takes, read to a tenth of
/// a second, at `volts` and 20 °C.
NotebookRow Timed(const std::string& student, int droplet, int spray, int bursts, double volts,
                  double timeFactor = 1) {
    const TrueDroplet truth = TrueDropletOf(Code, student, spray, droplet, bursts);
    const double eta = AirViscosity(293), r = truth.Radius;
    const double fall = 2 * r * r * (OilDensity - AirDensity(293)) * Gravity / (9 * eta);
    const double v =
        fall + truth.Charges * ElemCharge * volts / PlateGap / (Motion::SixPi * eta * r);
    NotebookRow row;
    row.Droplet = droplet + 100 * (spray - 1);
    row.Ticks = 30;
    row.Time = std::round(300e-6 / std::fabs(v) * timeFactor * 10) / 10;
    row.Direction = v > 0 ? MotionDirection::Fall : MotionDirection::Rise;
    row.Voltage = volts;
    row.Celsius = 20;
    row.Student = student;
    row.Spray = spray;
    row.Bursts = bursts;
    return row;
}

/// The smallest droplet of the student's spray that truly holds `charges` elementary charges.
int DropletWith(const std::string& student, int spray, int charges) {
    int found = 0;
    for (int i = 1; i <= DropletCount; ++i) {
        const TrueDroplet truth = TrueDropletOf(Code, student, spray, i, 0);
        if (truth.Charges == charges &&
            (found == 0 || truth.Radius < TrueDropletOf(Code, student, spray, found, 0).Radius))
            found = i;
    }
    if (found == 0) ADD_FAILURE() << "no droplet of " << charges << " e";
    return found == 0 ? 1 : found;
}

StudentNotebook Notebook(const std::string& file, std::vector<NotebookRow> rows) {
    RecomputeNotebook(rows, true);
    return {file, std::move(rows)};
}

} // namespace

using AssessedChamberTest = ModelTest;

TEST_F(AssessedChamberTest, ASprayAndItsBurstsFollowFromTheCodeAndTheStudentAlone) {
    // The live chamber, with Brownian motion on and ticks between the bursts, against the truth
    // worked out afresh; then the same spray again after other things happened first.
    const auto live = [](bool busy) {
        ResetChamber();
        StartRun();
        SeedRandom(busy ? 1 : 2);
        SeedNoise(busy ? 3 : 4);
        SetBrownianMotion(busy);
        if (busy) InjectAllDroplets(); // a spray of the clock's first
        InjectAssessedDroplets(Code, "anna", 2);
        for (int burst = 1; burst <= 3; ++burst) {
            for (int tick = 0; tick < (busy ? 40 * burst : 0); ++tick)
                SimulationTick();
            IoniseAssessedDroplets(Code, "anna", 2, burst);
        }
    };
    for (const bool busy : {false, true}) {
        SCOPED_TRACE(busy ? "with Brownian motion and ticks between" : "at once");
        live(busy);
        for (int i = 1; i <= DropletCount; ++i) {
            const TrueDroplet truth = TrueDropletOf(Code, "anna", 2, i, 3);
            EXPECT_EQ(Drops[i].Radius, truth.Radius) << i;
            EXPECT_EQ(Drops[i].Charge, truth.Charges * ElemCharge) << i;
        }
    }
    // Another student, spray or code is another chamber.
    const double radius = TrueDropletOf(Code, "anna", 2, 1, 0).Radius;
    EXPECT_NE(TrueDropletOf(Code, "Anna", 2, 1, 0).Radius, radius);
    EXPECT_NE(TrueDropletOf(Code, "anna", 3, 1, 0).Radius, radius);
    EXPECT_NE(TrueDropletOf("fizika 11.B", "anna", 2, 1, 0).Radius, radius);
    // Both builds spray the same droplets (the browser's digest test checks the same number).
    const std::uint64_t digest = FixedLesson::AssessedSpray();
    EXPECT_EQ(digest, FixedLesson::AssessedSpray());
    EXPECT_EQ(digest, FixedLesson::StoredAssessedDigest) << std::hex << digest;
}

TEST_F(AssessedChamberTest, TheKeyTellsRightMisreadInventedAndCopiedRows) {
    const int one = DropletWith("anna", 1, 1), three = DropletWith("anna", 1, 3);
    // A misread: the rise of the three-charge droplet read 18 % short, which its speed allows but
    // makes its charge nearest another multiple.
    const std::vector<NotebookRow> anna = {
        Timed("anna", one, 1, 0, 0), Timed("anna", one, 1, 0, -500), Timed("anna", three, 1, 0, 0),
        Timed("anna", three, 1, 0, -500, 0.82)};
    NotebookRow invented = anna[1];
    invented.Time = 1.0;
    const std::vector<StudentNotebook> notebooks = {
        Notebook("anna (1)", anna),                     // renamed on its way
        Notebook("bela", anna),                         // copied as it was
        Notebook("cili", {anna[0], anna[1], invented}), // copied and signed over
        Notebook("dora", {Timed("dora", DropletWith("dora", 1, 2), 1, 0, 0),
                          Timed("dora", DropletWith("dora", 1, 2), 1, 0, -500),
                          Timed("dora", DropletWith("dora", 1, 2), 1, 0, -500, 0.3)}),
    };
    std::vector<NotebookRow> signedOver = notebooks[2].Rows;
    for (NotebookRow& row : signedOver)
        row.Student = "cili";
    std::vector<StudentNotebook> all = notebooks;
    all[2] = Notebook("cili", signedOver);
    const std::vector<NotebookKey> keys = AssessClass(Code, all);

    using V = RowVerdict;
    struct Expected {
        std::vector<RowVerdict> verdicts;
        int consistent, rightCharges, charges;
        std::string copyOf;
    };
    const Expected expected[] = {
        {{V::FromChamber, V::Right, V::FromChamber, V::Misread}, 4, 1, 2, ""},
        {{V::FromChamber, V::Right, V::FromChamber, V::Misread}, 4, 1, 2, "anna"},
        {{V::NotFromChamber, V::NotFromChamber, V::NotFromChamber}, 0, 0, 2, "anna"},
        {{V::FromChamber, V::Right, V::NotFromChamber}, 2, 1, 2, ""},
    };
    ASSERT_EQ(keys.size(), 4u);
    for (std::size_t n = 0; n < keys.size(); ++n) {
        SCOPED_TRACE(all[n].Identifier);
        ASSERT_EQ(keys[n].Rows.size(), expected[n].verdicts.size());
        for (std::size_t r = 0; r < keys[n].Rows.size(); ++r)
            EXPECT_EQ(keys[n].Rows[r].Verdict, expected[n].verdicts[r]) << "row " << r + 1;
        EXPECT_EQ(keys[n].Consistent, expected[n].consistent);
        EXPECT_EQ(keys[n].Assessed, static_cast<int>(expected[n].verdicts.size()));
        EXPECT_EQ(keys[n].RightCharges, expected[n].rightCharges);
        EXPECT_EQ(keys[n].Charges, expected[n].charges);
        EXPECT_EQ(keys[n].CopyOf, expected[n].copyOf);
    }
    EXPECT_EQ(keys[0].Rows[3].Truth->Charges, 3);
    // Under a wrong code another chamber's droplet may match a row now and then by chance, but
    // not the notebook; rows taken before the chamber was assessed are not assessed.
    EXPECT_LT(AssessClass("another code", {all[0]})[0].Consistent, 2);
    NotebookRow old = anna[0];
    old.Spray.reset();
    EXPECT_EQ(AssessClass(Code, {Notebook("eve", {old})})[0].Assessed, 0);
}
