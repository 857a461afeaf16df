// Shapes: filled circles and rectangles with an optional outline, drawn over what lies beneath
// and shown where they are moved to.
#include "tests/ui/PixelChecks.h"
#include "ui/layer/BevelPanel.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace PixelChecks;

namespace {

/// A plain navy ground for shapes to sit on.
struct Ground {
    TPanel panel;
    Ground() {
        panel.resize(60, 80);
        panel.SetBevels(TPanel::Bevel::None, TPanel::Bevel::None, 0);
        panel.SetColor(QColor(Navy));
    }
    TShape* Add(TShape::Kind kind, QRgb brush, QColor pen, QRect geometry) {
        auto* shape = new TShape(&panel);
        shape->SetKind(kind);
        shape->SetBrushColor(QColor(brush));
        shape->SetPenColor(pen);
        shape->setGeometry(geometry);
        shape->show();
        return shape;
    }
};

} // namespace

TEST(Shape, SmallCircleWithoutOutlineLeavesItsCornersToTheParent) {
    Ground ground;
    ground.Add(TShape::Kind::Circle, Yellow, QColor(), QRect(10, 20, 4, 4));
    const QImage image = Grab(ground.panel);
    for (QPoint p : {QPoint(11, 21), QPoint(12, 21), QPoint(11, 22), QPoint(12, 22), QPoint(11, 20),
                     QPoint(10, 22)})
        EXPECT_EQ(image.pixel(p), Yellow) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(10, 20), QPoint(13, 20), QPoint(10, 23), QPoint(13, 23)})
        EXPECT_EQ(image.pixel(p), Navy) << p.x() << "," << p.y();
    EXPECT_EQ(Count(image, Yellow), 12);
    EXPECT_EQ(Colours(image), (std::set<QRgb>{Navy, Yellow}));
}

TEST(Shape, UncoveredPixelsOfAShapeAloneAreTransparent) {
    TShape shape;
    shape.SetKind(TShape::Kind::Circle);
    shape.SetBrushColor(QColor(Yellow));
    shape.SetPenColor(QColor());
    shape.resize(4, 4);
    const QImage image = Grab(shape);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(3, 3)), 0);
    EXPECT_EQ(image.pixel(1, 1), Yellow);
}

TEST(Shape, RectangleWithOutlineOfItsOwnColourIsSolid) {
    Ground ground;
    ground.Add(TShape::Kind::Rectangle, Blue, QColor(Blue), QRect(30, 5, 5, 65));
    const QImage image = Grab(ground.panel);
    EXPECT_EQ(Count(image, Blue, 30, 5, 35, 70), 5 * 65);
    EXPECT_EQ(Count(image, Blue), 5 * 65);
}

TEST(Shape, RectangleOutlineRunsRoundItsEdge) {
    Ground ground;
    ground.Add(TShape::Kind::Rectangle, Lime, QColor(Black), QRect(5, 5, 6, 4));
    const QImage image = Grab(ground.panel);
    EXPECT_EQ(Count(image, Black, 5, 5, 11, 9), 2 * 6 + 2 * 2);
    EXPECT_EQ(Count(image, Lime, 6, 6, 10, 8), 4 * 2);
    EXPECT_EQ(image.pixel(10, 8), Black); // bottom-right corner
}

TEST(Shape, OutlinedCircleHasARimInThePenColourAndAFilledCentre) {
    Ground ground;
    ground.Add(TShape::Kind::Circle, Teal, QColor(Black), QRect(20, 30, 10, 10));
    const QImage image = Grab(ground.panel);
    for (QPoint rim : {QPoint(0, 4), QPoint(0, 5), QPoint(9, 4), QPoint(9, 5), QPoint(4, 0),
                       QPoint(5, 0), QPoint(4, 9), QPoint(5, 9)})
        EXPECT_EQ(image.pixel(rim + QPoint(20, 30)), Black) << rim.x() << "," << rim.y();
    for (int y = 3; y <= 6; ++y)
        for (int x = 3; x <= 6; ++x)
            EXPECT_EQ(image.pixel(20 + x, 30 + y), Teal);
    EXPECT_EQ(image.pixel(20, 30), Navy);
    EXPECT_EQ(image.pixel(29, 39), Navy);
    EXPECT_EQ(Colours(image), (std::set<QRgb>{Navy, Teal, Black}));
}

TEST(Shape, ShowsOverEarlierPicturesAndRepaintsWhenMovedRecolouredOrHidden) {
    // Checked on the screen, where only what is repainted changes.
    Ground ground;
    auto* picture = new TImage(&ground.panel);
    picture->setGeometry(0, 0, 60, 80);
    picture->NewBitmap(60, 80).fill(QColor(Silver));
    picture->show();
    TShape* marker = ground.Add(TShape::Kind::Circle, Yellow, QColor(), QRect(10, 10, 4, 4));

    QImage image = OnScreen(ground.panel);
    ASSERT_EQ(image.size(), QSize(60, 80));
    EXPECT_EQ(image.pixel(11, 11), Yellow);
    EXPECT_EQ(image.pixel(10, 10), Silver) << "the picture shows through the corner";

    marker->move(40, 50);
    image = OnScreen(ground.panel);
    EXPECT_EQ(image.pixel(11, 11), Silver);
    EXPECT_EQ(image.pixel(41, 51), Yellow);

    marker->SetBrushColor(QColor(Lime));
    EXPECT_EQ(OnScreen(ground.panel).pixel(41, 51), Lime);

    marker->resize(6, 6);
    EXPECT_EQ(OnScreen(ground.panel).pixel(44, 54), Lime);

    marker->hide();
    image = OnScreen(ground.panel);
    EXPECT_EQ(Colours(image), (std::set<QRgb>{Silver}));

    marker->show();
    EXPECT_EQ(OnScreen(ground.panel).pixel(41, 51), Lime);
}

TEST(Shape, CircleIsCentredInAnOblongControl) {
    Ground ground;
    ground.Add(TShape::Kind::Circle, Yellow, QColor(), QRect(0, 0, 12, 4));
    const QImage image = Grab(ground.panel);
    EXPECT_EQ(Count(image, Yellow), 12);
    EXPECT_EQ(Count(image, Yellow, 4, 0, 8, 4), 12);
}
