// Following a droplet by clicking it, the function keys from any of the program's windows, and
// the notebook window with its rows.
#include "assets/Colors.h"
#include "notebook/NotebookCsv.h"
#include "notebook/NotebookFile.h"
#include "notebook/NotebookStore.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/DropMarker.h"
#include "ui/ExtrapolationPlot.h"
#include "ui/NotebookTableModel.h"
#include "ui/NotebookWindow.h"
#include "ui/PressureView.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

class NotebookWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ActivateWithoutLoop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    /// Puts droplet i alone at (x, y) pixels from the view centre.
    static void Place(int i, int x, int y) {
        Data::Drops[i].Active = 1;
        Data::Drops[i].X = x * Data::PixelSize;
        Data::Drops[i].Y = y * Data::PixelSize;
    }
    /// A click at (x, y) pixels from the view centre.
    void ClickField(int x, int y) {
        QTest::mouseClick(form->Microscope()->Image3, Qt::LeftButton, {}, QPoint(225 + x, 225 + y));
    }
    static bool Red(int i) { return Data::Drops[i].Marker->BrushColor() == QColor(Colors::Red); }
};

} // namespace

TEST_F(NotebookWindowTest, AClickFollowsTheNearestDropletUntilEscAClickElsewhereOrAnInjection) {
    Data::ClearDroplets();
    Place(5, 0, 0);
    Place(6, 9, 0);
    Place(7, 300, 0); // outside the field: never picked
    form->PlaceDropletMarkers();
    struct Case {
        int x, y, selected;
    };
    // Within 6 pixels of a marker's centre the nearest droplet is picked; farther, none.
    for (const Case c : {Case{5, 0, 6}, Case{4, 0, 5}, Case{0, 6, 5}, Case{0, 7, 0},
                         Case{300, 0, 0}, Case{9, -4, 6}}) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        ClickField(c.x, c.y);
        EXPECT_EQ(form->Session().Followed(), c.selected);
        for (int i : {5, 6})
            EXPECT_EQ(Red(i), i == c.selected);
    }
    // The selection survives scrolling the droplet out of view and back.
    form->Microscope()->ScrollBar1->setValue(100);
    EXPECT_FALSE(Data::Drops[6].Marker->isVisibleTo(form->Client()));
    form->Microscope()->ScrollBar1->setValue(50);
    EXPECT_TRUE(Red(6));
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->Session().Followed(), 0);
    EXPECT_FALSE(Red(6));
    ClickField(9, 0);
    form->BitBtn1Click();
    EXPECT_EQ(form->Session().Followed(), 0) << "new droplets";
}

TEST_F(NotebookWindowTest, FunctionKeysTimeAndRecordFromTheNotebookWindowToo) {
    password->Password->setText("Kiss Péter");
    form->OpenNotebook();
    Data::ClearDroplets();
    Place(12, 0, 0);
    form->PlaceDropletMarkers();
    ClickField(0, 0);
    form->Voltage()->Edit7->setText("420");
    form->BitBtn3Click();
    form->BitBtn2Click(); // reversed: a timed droplet rises against gravity

    form->Jegyzfzet1Click(); // F7 from the menu
    NotebookWindow* window = form->NotebookView();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F5);
    EXPECT_TRUE(Data::StopwatchRunning);
    for (int i = 0; i < 345; ++i)
        Data::SimulationTick();
    QTest::keyClick(window, Qt::Key_F6);
    EXPECT_FALSE(Data::StopwatchRunning);
    QTest::keyClick(window, Qt::Key_F8);
    form->ClearDropletSelection();
    const double charge = Data::Drops[12].Charge;
    for (int burst = 0; burst < 20 && Data::Drops[12].Charge == charge; ++burst)
        QTest::keyClick(window, Qt::Key_F9); // the ionising source
    EXPECT_NEAR(std::fabs(Data::Drops[12].Charge - charge), Data::ElemCharge, 1e-25);
    QTest::keyClick(window, Qt::Key_F8);

    const auto& rows = form->Session().Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Droplet, 12);
    EXPECT_EQ(rows[0].Time, 3.4) << "the reading as the display shows it";
    EXPECT_EQ(rows[0].Ticks, 30);
    EXPECT_EQ(rows[0].Direction, Data::MotionDirection::Rise);
    EXPECT_EQ(rows[0].Voltage, -420.0);
    EXPECT_EQ(rows[0].Celsius, 20.0);
    EXPECT_FALSE(rows[1].Droplet);
    EXPECT_FALSE(rows[0].AfterBurst);
    EXPECT_TRUE(rows[1].AfterBurst) << "the timing after a burst is marked";
    EXPECT_TRUE(window->Table->model()->headerData(1, Qt::Vertical).toString().startsWith("2 "));
    EXPECT_EQ(window->Table->model()->rowCount(), 2);
    EXPECT_EQ(window->windowTitle(), "None   /   Kiss Péter");

    // A change in the table is worked out and written at once.
    QAbstractItemModel* table = window->Table->model();
    EXPECT_TRUE(table->setData(table->index(1, NotebookTableModel::TicksColumn), "12"));
    EXPECT_FALSE(table->setData(table->index(1, NotebookTableModel::DropletColumn), "0"));
    EXPECT_EQ(rows[1].Ticks, 12);
    QFile file(form->Notebook()->Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        file.readAll().contains("\r\n,12,120,3.4,rise,-420,20.00,35.29,,,Kiss Péter,,,\r\n"));
    // The burst's mark is kept beside the notebook, and comes back with it at the next start.
    QFile marks(Notebook::MarksPathFor(form->Notebook()->Path()));
    ASSERT_TRUE(marks.open(QIODevice::ReadOnly));
    EXPECT_EQ(marks.readAll(), "2\r\n");
    form->OpenNotebook();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[1].AfterBurst);
    EXPECT_EQ(rows[1].Ticks, 12);

    // A new spray's droplets are never taken for the earlier ones.
    form->BitBtn1Click();
    Data::ClearDroplets();
    Place(12, 0, 0);
    form->PlaceDropletMarkers();
    ClickField(0, 0);
    QTest::keyClick(window, Qt::Key_F8);
    EXPECT_EQ(rows.back().Droplet, 112);
}

TEST_F(NotebookWindowTest, ATeacherCanSwitchOnTheJitterAndLeaveRadiusAndChargeToTheStudents) {
    WriteCatalogue("S0500=Notebook\n[Notebook]\nCalculations=0\n[Settings]\nBrownianMotion=1\n");
    form->ApplyTeacherSettings();
    form->OpenNotebook();
    EXPECT_TRUE(Data::BrownianMotion);
    EXPECT_TRUE(form->Brownmozgs1->isChecked());
    form->Jegyzfzet1Click();
    QTableView* table = form->NotebookView()->Table;
    EXPECT_TRUE(table->isColumnHidden(NotebookTableModel::RadiusColumn));
    EXPECT_TRUE(table->isColumnHidden(NotebookTableModel::ChargeColumn));
    EXPECT_FALSE(table->isColumnHidden(NotebookTableModel::SpeedColumn));
    EXPECT_FALSE(form->Session().Calculations());
}

TEST_F(NotebookWindowTest, RealAirFromTheTeacherShowsThePressureAndEveryRowKeepsIt) {
    WriteCatalogue("S0500=Notebook\n[Settings]\nRealAir=1\n");
    form->ApplyTeacherSettings();
    form->OpenNotebook();
    EXPECT_TRUE(Data::RealAir);
    EXPECT_TRUE(form->Valdilevego1->isChecked());
    EXPECT_TRUE(form->Pressure()->Panel6->isVisible());
    QLineEdit* field = form->Pressure()->Edit3;
    field->selectAll();
    QTest::keyClicks(field, "20");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->text(), " 20.0");
    form->Jegyzfzet1Click();
    QTest::keyClick(form->NotebookView(), Qt::Key_F8);
    const auto& rows = form->Session().Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Pressure, 20.0);
    QTableView* table = form->NotebookView()->Table;
    EXPECT_FALSE(table->isColumnHidden(NotebookTableModel::PressureColumn));
    EXPECT_TRUE(form->NotebookView()->Extrapolation->isVisibleTo(form->NotebookView()));
    // Off again: no pressure control, and the next row is the ideal chamber's.
    form->Valdilevego1->trigger();
    EXPECT_FALSE(form->Pressure()->Panel6->isVisible());
    QTest::keyClick(form->NotebookView(), Qt::Key_F8);
    EXPECT_FALSE(rows.back().Pressure);
}

TEST_F(MainWindowTest, ADamagedNotebookIsExplainedWhollyInTheProgramFoldersLanguage) {
    struct Language {
        const char* folder;
        const char* wanted;
        const char* foreign; ///< the other language's word for the line
    };
    const Language languages[] = {
        {"Magyar", "(3. sor: az idő nem másodpercben megadott szám: \"five\")", "line"},
        {"English", "(line 3: the time is not a number of seconds: \"five\")", "sor"},
    };
    password->Password->setText("anna");
    for (const Language& language : languages) {
        SCOPED_TRACE(language.folder);
        std::filesystem::copy_file(
            std::string(TESSILAR_DIST_DIR) + "/" + language.folder + "/Tessilar.ini",
            folder_ / "Tessilar.ini", std::filesystem::copy_options::overwrite_existing);
        Data::CloseTextCatalogue();
        const auto notebooks = folder_ / "data/tessilar/notebooks";
        std::filesystem::create_directories(notebooks);
        std::ofstream(notebooks / "anna.csv", std::ios::binary)
            << Notebook::FirstCsvHeader
            << "\r\n1,30,300,5.0,fall,0,20,,,\r\n1,30,300,five,rise,-500,20,,,\r\n";
        form->OpenNotebook();
        const QList<QMessageBox*> boxes = form->findChildren<QMessageBox*>();
        ASSERT_EQ(boxes.size(), 1);
        const QString text = boxes.front()->text();
        EXPECT_TRUE(text.contains(language.wanted)) << text.toStdString();
        EXPECT_FALSE(text.contains(language.foreign)) << text.toStdString();
        delete boxes.front();
    }
}
