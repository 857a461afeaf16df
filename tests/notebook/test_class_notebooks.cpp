// A class's notebooks, written out as files and read back: the charges pooled into one estimate,
// each student's line in the table with its mark, a damaged notebook left out, and the
// identifier each file name stands for.
#include "catalogue/TextCatalogue.h"
#include "model/ClassResults.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookFile.h"
#include "tests/catalogue/TempFolder.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double Accepted = 1.602e-19; ///< C
constexpr double Volts = -500;
constexpr double Celsius = 20;

/// A droplet's two timings over 30 ticks: its fall with the supply off in `fallSeconds`, then its
/// motion under the supply with a charge of `multiple` × `quantum`. The charge grows linearly
/// with the velocity, so two velocities give the one that carries the charge wanted.
std::vector<Data::NotebookRow> Droplet(int number, double fallSeconds, double multiple,
                                       double quantum) {
    const double distance = 300e-6; // m
    const double radius = Data::RadiusFromFallSpeed(distance / fallSeconds, Celsius);
    const double q0 = Data::ChargeFromMotion(radius, 0, Volts, Celsius);
    const double q1 = Data::ChargeFromMotion(radius, 1e-6, Volts, Celsius);
    const double velocity = (multiple * quantum - q0) / (q1 - q0) * 1e-6;
    Data::NotebookRow fall;
    fall.Droplet = number;
    fall.Ticks = 30;
    fall.Time = fallSeconds;
    fall.Voltage = 0;
    fall.Celsius = Celsius;
    Data::NotebookRow moved = fall;
    moved.Voltage = Volts;
    moved.Direction = velocity < 0 ? Data::MotionDirection::Rise : Data::MotionDirection::Fall;
    moved.Time = distance / std::fabs(velocity);
    return {fall, moved};
}

struct Student {
    const char* file;
    std::vector<double> multiples; ///< one droplet each
    double quantum;                ///< C
    int droplets;
    Data::StudentMark mark;
};

} // namespace

TEST(ClassNotebooks, PoolsEveryChargeAndMarksTheStudentsWhoseNotebooksNeedALook) {
    Data::OpenTextCatalogue(TESSILAR_DIST_DIR "/English/Tessilar.ini");
    const Student students[] = {
        {"anna.csv", {1, 2, 3, 2, 1}, Accepted, 5, Data::StudentMark::None},
        {"bela.csv", {2, 3, 4, 1}, Accepted, 4, Data::StudentMark::None},
        // A stopwatch read late every time: charges 17 % too large, yet close to e.
        {"cili.csv", {1, 1, 1}, 1.17 * Accepted, 3, Data::StudentMark::FarFromClass},
        {"dora.csv", {1, 2}, Accepted, 2, Data::StudentMark::TooFewCharges},
    };
    TempFolder folder;
    std::vector<Data::StudentNotebook> notebooks;
    for (const Student& student : students) {
        std::vector<Data::NotebookRow> rows;
        for (std::size_t d = 0; d < student.multiples.size(); ++d)
            for (const Data::NotebookRow& row :
                 Droplet(static_cast<int>(d) + 1, 4.0 + 0.5 * static_cast<double>(d),
                         student.multiples[d], student.quantum))
                rows.push_back(row);
        const std::string path = folder.Write(student.file, Notebook::ToCsv(rows));
        QString problem;
        auto read = Notebook::Read(QString::fromStdString(path), &problem);
        ASSERT_TRUE(read) << problem.toStdString();
        notebooks.push_back(Notebook::StudentFrom(student.file, std::move(*read)));
    }
    // A damaged notebook is left out with its line.
    const auto damaged =
        Notebook::ReadStudent("emil.csv", Notebook::ToCsv(Droplet(1, 4, 1, Accepted)) + "1,x\r\n");
    ASSERT_TRUE(std::holds_alternative<Notebook::CsvProblem>(damaged));
    EXPECT_EQ(std::get<Notebook::CsvProblem>(damaged).Line, 4);

    const Data::ClassResults results = Data::PoolClass(notebooks);
    std::vector<double> pooled;
    for (const Data::StudentNotebook& notebook : notebooks)
        for (const Data::NotebookRow& row : notebook.Rows)
            if (row.Charge) pooled.push_back(*row.Charge * 1e-19);
    EXPECT_EQ(results.Charges.size(), 14u);
    const Data::ChargeEstimate whole = Data::EstimateElementaryCharge(pooled);
    EXPECT_EQ(results.Estimate.value, whole.value);
    EXPECT_EQ(results.Estimate.used, 14);
    EXPECT_NEAR(results.Estimate.value, Accepted, 0.05 * Accepted);

    ASSERT_EQ(results.Students.size(), std::size(students));
    for (std::size_t s = 0; s < results.Students.size(); ++s) {
        const Data::StudentResult& line = results.Students[s];
        const Student& student = students[s];
        SCOPED_TRACE(student.file);
        EXPECT_EQ(line.Identifier + ".csv", student.file);
        EXPECT_EQ(line.Droplets, student.droplets);
        EXPECT_EQ(line.Charges, static_cast<int>(student.multiples.size()));
        EXPECT_EQ(line.Mark, student.mark);
        if (student.mark == Data::StudentMark::TooFewCharges) {
            EXPECT_EQ(line.Estimate.used, 0);
            EXPECT_FALSE(line.Deviation);
            continue;
        }
        EXPECT_NEAR(line.Estimate.value, student.quantum, 0.02 * student.quantum);
        ASSERT_TRUE(line.Deviation);
        EXPECT_EQ(std::fabs(*line.Deviation) > Data::FarFromClassPercent,
                  student.mark == Data::StudentMark::FarFromClass);
    }
    Data::CloseTextCatalogue();
}

TEST(ClassNotebooks, TheIdentifierIsTheNameTheStoreGaveTheNotebook) {
    const std::string longIdentifier(170, 'k');
    const std::string longName =
        Notebook::FileNameFor(QString::fromStdString(longIdentifier)).toStdString();
    struct Name {
        std::string file;
        std::string identifier;
        bool setAside;
    };
    const Name names[] = {
        {"anna.csv", "anna", false},
        {"Kovács Péter.csv", "Kovács Péter", false},
        {"group.7b.csv", "group.7b", false},
        {".csv", ".csv", false},
        {"noextension", "noextension", false},
        {longName, longIdentifier.substr(0, 160), false},
        {"short~0123abcd.csv", "short~0123abcd", false},
        {"anna.damaged-20261208-101500.csv", "anna.damaged-20261208-101500", true},
        {"anna.damaged-20261208-101500-2.csv", "anna.damaged-20261208-101500-2", true},
        {"anna.damaged-2026.csv", "anna.damaged-2026", false},
    };
    for (const Name& name : names) {
        EXPECT_EQ(Notebook::IdentifierOf(name.file), name.identifier) << name.file;
        EXPECT_EQ(Notebook::IsSetAside(name.file), name.setAside) << name.file;
    }
}
