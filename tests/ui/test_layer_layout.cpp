// Building a window's controls from its design table: names, parents, geometry, texts, fonts and
// spin buttons attached to their field.
#include "tests/ui/PixelChecks.h"
#include "ui/layer/BevelPanel.h"
#include "ui/layer/Layout.h"
#include "ui/layer/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <iterator>

using namespace PixelChecks;

namespace {

constexpr int Shift = 11; // the window was stored scrolled by this much

const ControlSpec Design[] = {
    {.Name = "Panel2",
     .Kind = ControlKind::Panel,
     .Left = 8,
     .Top = 5,
     .Width = 150,
     .Height = 90,
     .Color = Silver},
    {.Name = "Label4",
     .Kind = ControlKind::Label,
     .Parent = "Panel2",
     .Left = 10,
     .Top = 12,
     .Text = "&Feszültség (V)"},
    {.Name = "Edit2",
     .Kind = ControlKind::Edit,
     .Parent = "Panel2",
     .Left = 10,
     .Top = 40,
     .Width = 57,
     .Height = 21,
     .Text = "250"},
    {.Name = "UpDown1",
     .Kind = ControlKind::UpDown,
     .Parent = "Panel2",
     .Left = 67,
     .Top = 40,
     .Width = 15,
     .Height = 21,
     .Min = 0,
     .Max = 995,
     .Position = 500,
     .Increment = 2,
     .Associate = "Edit2"},
    {.Name = "BitBtn1",
     .Kind = ControlKind::CloseButton,
     .Left = 170,
     .Top = 20,
     .Width = 75,
     .Height = 25,
     .Text = "&Vége"},
    {.Name = "Label9",
     .Kind = ControlKind::Label,
     .Left = 170,
     .Top = 60,
     .Text = "Stop",
     .FontColor = Navy,
     .FontFamily = "Arial",
     .FontSize = -19,
     .Style = FontStyle::Bold},
};

struct Built {
    QWidget window;
    ControlSet controls;
    Built() {
        window.resize(260, 120);
        controls = BuildControls(&window, Design, Shift);
    }
};

} // namespace

TEST(BuildControls, MakesEveryControlWithItsNameParentAndPlace) {
    Built b;
    struct Expected {
        const char* name;
        const char* parent; // "" for the window
        QPoint position;    // window children moved down by the shift, panel children not
    };
    const Expected expected[] = {
        {"Panel2", "", {8, 5 + Shift}},     {"Label4", "Panel2", {10, 12}},
        {"Edit2", "Panel2", {10, 40}},      {"UpDown1", "Panel2", {67, 40}},
        {"BitBtn1", "", {170, 20 + Shift}}, {"Label9", "", {170, 60 + Shift}},
    };
    ASSERT_EQ(b.controls.All().size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        QWidget* w = b.controls.Find(e.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), e.name);
        QWidget* parent = *e.parent ? b.controls.Find(e.parent) : &b.window;
        EXPECT_EQ(w->parentWidget(), parent);
        EXPECT_EQ(w->pos(), e.position);
        EXPECT_FALSE(w->isHidden());
    }
    EXPECT_EQ(b.controls.Find("Edit2")->size(), QSize(57, 21));
    EXPECT_EQ(b.controls.Find("Panel2")->size(), QSize(150, 90));
    EXPECT_EQ(b.controls.Find("Nothing"), nullptr);
    EXPECT_EQ(b.controls.Get<QPushButton>("Edit2"), nullptr) << "wrong kind";
}

TEST(BuildControls, GivesTheKindsTheirDesignTextsAndLooks) {
    Built b;
    auto* label = b.controls.Get<QLabel>("Label4");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("Feszültség (V)"));
    EXPECT_GT(label->width(), 0) << "a label sizes itself to its caption";
    ASSERT_NE(b.controls.Get<QLineEdit>("Edit2"), nullptr);
    EXPECT_EQ(b.controls.Get<QLineEdit>("Edit2")->text(), "250");
    ASSERT_NE(b.controls.Get<QPushButton>("BitBtn1"), nullptr);
    EXPECT_EQ(b.controls.Get<QPushButton>("BitBtn1")->text(), QString::fromUtf8("&Vége"));
    EXPECT_FALSE(b.controls.Get<QPushButton>("BitBtn1")->icon().isNull());

    auto* panel = b.controls.Get<TPanel>("Panel2");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->FrameWidth(), 6) << "raised outer and inner bevels of 3 pixels";

    auto* big = b.controls.Get<QLabel>("Label9");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->font().pixelSize(), 19);
    EXPECT_TRUE(big->font().bold());
    EXPECT_EQ(big->palette().color(QPalette::WindowText), QColor(Navy));
    EXPECT_GT(big->height(), label->height()) << "sized to the bigger font";
}

TEST(BuildControls, AttachesSpinButtonsAtTheirDesignPositionWithoutWritingTheField) {
    Built b;
    auto* spin = b.controls.Get<TUpDown>("UpDown1");
    auto* field = b.controls.Get<QLineEdit>("Edit2");
    ASSERT_NE(spin, nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(spin->Associate(), field);
    EXPECT_EQ(spin->Position(), 500);
    EXPECT_EQ(spin->Min(), 0);
    EXPECT_EQ(spin->Max(), 995);
    EXPECT_EQ(spin->Increment(), 2);
    EXPECT_EQ(field->text(), "250") << "the field keeps its design text";

    // Attached for real: the position goes into the field and the field's keys step.
    spin->SetPosition(502);
    EXPECT_EQ(field->text(), "502");
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(spin->Position(), 504);
}

TEST(BuildControlsDeathTest, ANameTheWindowDoesNotHaveStopsTheProgramWithThatName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Built().controls.Bind<QLabel>("Lable4"), "no control named Lable4");
    EXPECT_DEATH(Built().controls.Bind<QPushButton>("Edit2"), "Edit2 is a QLineEdit");
    const ControlSpec orphan[] = {
        {.Name = "Label1", .Kind = ControlKind::Label, .Parent = "Panl2"}};
    const ControlSpec lonelySpin[] = {
        {.Name = "UpDown1", .Kind = ControlKind::UpDown, .Associate = "Edti2"}};
    const ControlSpec twice[] = {{.Name = "Label1", .Kind = ControlKind::Label},
                                 {.Name = "Label1", .Kind = ControlKind::Label}};
    QWidget window;
    EXPECT_DEATH(BuildControls(&window, orphan), "Panl2");
    EXPECT_DEATH(BuildControls(&window, lonelySpin), "Edti2");
    EXPECT_DEATH(BuildControls(&window, twice), "two controls are named Label1");
    EXPECT_DEATH(SetTabOrder(Built().controls, {"Panel2", "BitBtn7"}), "BitBtn7");
}
