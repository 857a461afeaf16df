// The notebook's file: the name each identifier gets, the CSV format both ways, a damaged
// notebook set aside and never overwritten, writes that replace the file in one step, and an
// unwritable folder reported once while the rows stay in memory.
#include "catalogue/TextCatalogue.h"
#include "notebook/NotebookCsv.h"
#include "notebook/NotebookFile.h"
#include "notebook/NotebookStore.h"
#include "tests/catalogue/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Notebook;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

Data::NotebookRow Timing(int droplet, double time, Data::MotionDirection direction, double volts) {
    Data::NotebookRow row;
    row.Droplet = droplet;
    row.Ticks = 30;
    row.Time = time;
    row.Direction = direction;
    row.Voltage = volts;
    row.Celsius = 21.25;
    return row;
}

/// The header of a notebook written before the student's, the spray's, the bursts' and the
/// pressure's columns, which still opens.
const std::string Header = std::string(FirstCsvHeader) + "\r\n";

} // namespace

TEST(NotebookFile, EveryIdentifierGetsAFileOfItsOwnInsideTheFolder) {
    struct Case {
        QString identifier, name;
    };
    const Case cases[] = {
        {"Kovács Anna", "Kovács Anna.csv"},
        {"", "notebook.csv"},
        {"a/b\\c", "a_b_c.csv"},
        {"../../etc/passwd", "_._.._etc_passwd.csv"},
        {".hidden", "_hidden.csv"},
        {"tab\there\nnew", "tab_here_new.csv"},
        {"..", "_..csv"},
        {QString("nul") + QChar(0) + "x", "nul_x.csv"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileNameFor(c.identifier), c.name) << c.identifier.toStdString();
    // Very long identifiers are cut to a name every file system takes, and still told apart.
    const QString longA = QString(3000, QChar(0x151)) + "a", longB = QString(3000, QChar(0x151));
    for (const QString& id : {longA, longB}) {
        const QString name = FileNameFor(id);
        EXPECT_LE(name.toUtf8().size(), 200);
        EXPECT_TRUE(name.endsWith(".csv"));
        EXPECT_FALSE(name.contains('/'));
    }
    EXPECT_NE(FileNameFor(longA), FileNameFor(longB));
    // The folder follows XDG_DATA_HOME.
    qputenv("XDG_DATA_HOME", "/tmp/tessilar-xdg");
    EXPECT_EQ(Folder(), "/tmp/tessilar-xdg/tessilar/notebooks");
}

TEST(NotebookFile, CsvKeepsTheStudentsCellsAndNamesTheLineOfAnyProblem) {
    std::vector<Data::NotebookRow> rows = {Timing(7, 5.9, Data::MotionDirection::Fall, 0),
                                           Timing(7, 12.3, Data::MotionDirection::Rise, -480)};
    // Whose droplet it was, in an identifier that holds the CSV's own marks.
    rows[1].Student = "Kiss, \"Anna\" ";
    rows[1].Spray = 2;
    rows[1].Bursts = 1;
    rows.push_back({}); // a row that knows almost nothing
    rows.back().Direction = Data::MotionDirection::Balanced;
    Data::RecomputeNotebook(rows);
    const std::string csv = ToCsv(rows);
    EXPECT_EQ(csv.substr(0, CsvHeader.size() + 2), std::string(CsvHeader) + "\r\n");
    EXPECT_NE(csv.find("\r\n7,30,300,5.9,fall,0,21.25,50.85,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",\"Kiss, \"\"Anna\"\" \",2,1,\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n,,,,balanced,,,0.00,,,,,,\r\n"), std::string::npos) << csv;

    auto back = std::get<std::vector<Data::NotebookRow>>(FromCsv(csv));
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].Droplet, rows[i].Droplet);
        EXPECT_EQ(back[i].Ticks, rows[i].Ticks);
        EXPECT_EQ(back[i].Time, rows[i].Time);
        EXPECT_EQ(back[i].Direction, rows[i].Direction);
        EXPECT_EQ(back[i].Voltage, rows[i].Voltage);
        EXPECT_EQ(back[i].Celsius, rows[i].Celsius);
        EXPECT_EQ(back[i].Student, rows[i].Student);
        EXPECT_EQ(back[i].Spray, rows[i].Spray);
        EXPECT_EQ(back[i].Bursts, rows[i].Bursts);
        EXPECT_FALSE(back[i].Speed) << "worked-out cells are worked out again, not read";
    }
    // Other writers: LF line ends, quoted cells, a byte-order mark, a missing last line end.
    const auto other = FromCsv("\xEF\xBB\xBF" + std::string(FirstCsvHeader) +
                               "\n\"3\",30,,\"6.0\",fall,0,20,,,\n4,10,,2,\"rise\",-500,20,1,2,3");
    ASSERT_TRUE(std::holds_alternative<std::vector<Data::NotebookRow>>(other));
    EXPECT_EQ(std::get<0>(other).size(), 2u);

    struct Bad {
        std::string text;
        int line;
    };
    const Bad bad[] = {
        {"", 1},
        {"droplet,ticks\r\n", 1},
        {"PK\x03\x04 binary", 1},
        {Header + "1,30,300,5.0,fall,0,20,,,\r\n2,30,300,five,fall,0,20,,,\r\n", 3},
        {Header + "1,30,300,5.0,sideways,0,20,,,\r\n", 2},
        {Header + "1,30,300,5.0,fall,0,20,,\r\n", 2},
        {Header + "0,30,300,5.0,fall,0,20,,,\r\n", 2},
        {Header + "1,30,300,5.0,fall,nan,20,,,\r\n", 2},
        {Header + "1,30,300,\"5.0,fall,0,20,,,\r\n", 2},
    };
    for (const Bad& b : bad) {
        const auto parsed = FromCsv(b.text);
        ASSERT_TRUE(std::holds_alternative<CsvProblem>(parsed)) << b.text;
        EXPECT_EQ(std::get<CsvProblem>(parsed).Line, b.line) << b.text;
    }
}

TEST(NotebookFile, ADamagedNotebookIsSetAsideUntouchedAndAnEmptyOneStarts) {
    Data::OpenTextCatalogue(TESSILAR_DIST_DIR "/English/Tessilar.ini");
    TempFolder folder;
    const std::string damaged = Header + "1,30,300,5.0,fall,0,20,,,\r\n2,x,,,,,,,,\r\n";
    const std::string path = folder.Write("anna.csv", damaged);
    const Opened opened = Open(Q(path));
    EXPECT_EQ(opened.What, Opened::Outcome::SetAside);
    EXPECT_TRUE(opened.Rows.empty());
    EXPECT_TRUE(opened.Problem.contains("line 3")) << opened.Problem.toStdString();
    EXPECT_TRUE(opened.AsidePath.startsWith(Q(folder.Dir() + "anna.damaged-")));
    EXPECT_EQ(Slurp(opened.AsidePath.toStdString()), damaged);
    EXPECT_FALSE(QFile::exists(Q(path)));
    // A second damaged notebook in the same second gets a name of its own.
    folder.Write("anna.csv", "garbage");
    const Opened again = Open(Q(path));
    EXPECT_NE(again.AsidePath, opened.AsidePath);
    EXPECT_EQ(Slurp(opened.AsidePath.toStdString()), damaged);
    // No notebook yet: a fresh one, and nothing is written until there is a row.
    EXPECT_EQ(Open(Q(folder.Dir() + "nobody.csv")).What, Opened::Outcome::Fresh);
    EXPECT_FALSE(QFile::exists(Q(folder.Dir() + "nobody.csv")));
    Data::CloseTextCatalogue();
}

TEST(NotebookFile, WritingReplacesTheFileInOneStep) {
    TempFolder folder;
    const QString path = Q(folder.Dir() + "deep/er/anna.csv");
    QString error;
    ASSERT_TRUE(Write(path, {Timing(1, 4.0, Data::MotionDirection::Fall, 0)}, &error))
        << error.toStdString();
    const std::string first = Slurp(path.toStdString());
    // A link to the old file keeps the old content: the new one was written beside it and put
    // in its place, never written over it.
    ASSERT_EQ(::link(path.toLocal8Bit().constData(), (folder.Dir() + "old.csv").c_str()), 0);
    ASSERT_TRUE(Write(path,
                      {Timing(1, 4.0, Data::MotionDirection::Fall, 0),
                       Timing(2, 8.0, Data::MotionDirection::Fall, 0)},
                      &error));
    EXPECT_EQ(Slurp(folder.Dir() + "old.csv"), first);
    EXPECT_EQ(std::get<0>(FromCsv(Slurp(path.toStdString()))).size(), 2u);
    EXPECT_EQ(QDir(Q(folder.Dir() + "deep/er")).entryList(QDir::Files).size(), 1) << "no leftovers";
    // A folder that cannot be made: a file stands where it should be.
    folder.Write("blocked", "a file");
    EXPECT_FALSE(Write(Q(folder.Dir() + "blocked/anna.csv"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(NotebookStore, KeepsEveryChangeWithItsBurstMarksAndSaysOnceWhenItCannot) {
    TempFolder folder;
    folder.Write("blocked", "a file where the data folder should be");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.Dir() + "blocked"));
    const std::vector<Data::NotebookRow> rows = {Timing(3, 5.0, Data::MotionDirection::Fall, 0),
                                                 Timing(3, 7.0, Data::MotionDirection::Rise, -400)};
    NotebookStore store;
    QSignalSpy problems(&store, &NotebookStore::WriteProblem);
    store.OpenFor("anna");
    store.Keep(rows, "2");
    store.Keep(rows, "2");
    EXPECT_EQ(problems.size(), 1);

    // Where it can be written, every change is on disk at once and comes back at the next start
    // with the rows marked as after a burst; a notebook without marks beside it opens too.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.Dir() + "data"));
    NotebookStore writable;
    EXPECT_EQ(writable.OpenFor("anna").What, Opened::Outcome::Fresh);
    writable.Keep(rows, "2");
    Opened reopened = NotebookStore().OpenFor("anna");
    ASSERT_EQ(reopened.Rows.size(), 2u);
    EXPECT_EQ(reopened.Marks, "2");
    writable.Keep({rows[1]}, "");
    EXPECT_FALSE(QFile::exists(MarksPathFor(writable.Path())));
    reopened = NotebookStore().OpenFor("anna");
    ASSERT_EQ(reopened.Rows.size(), 1u);
    EXPECT_EQ(reopened.Rows[0].Time, 7.0);
    EXPECT_EQ(reopened.Marks, "");
}
