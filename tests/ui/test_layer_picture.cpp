// Picture controls: a stored picture shown unscaled from the top-left and cut to the control, or
// a white bitmap for the program to draw on.
#include "tests/ui/PixelChecks.h"
#include "ui/layer/BevelPanel.h"
#include "ui/layer/Canvas.h"
#include "ui/layer/Picture.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace PixelChecks;

namespace {

/// A picture whose every pixel has a colour of its own.
QImage Numbered(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 128));
    return picture;
}

} // namespace

TEST(Picture, ShowsALargerPictureUnscaledAndCutToTheControl) {
    const QImage picture = Numbered(452, 462);
    TImage image;
    image.resize(450, 450);
    image.SetPicture(picture);
    const QImage shown = Grab(image);
    ASSERT_EQ(shown.size(), QSize(450, 450));
    EXPECT_EQ(shown.pixel(449, 449), picture.pixel(449, 449));
    EXPECT_EQ(shown.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(shown, picture.copy(0, 0, 450, 450).convertToFormat(QImage::Format_ARGB32));
}

TEST(Picture, ASmallerPictureLeavesTheRestOfTheControlToWhatLiesBeneath) {
    TPanel ground;
    ground.resize(40, 40);
    ground.SetBevels(TPanel::Bevel::None, TPanel::Bevel::None, 0);
    ground.SetColor(QColor(Navy));
    auto* image = new TImage(&ground);
    image->setGeometry(5, 5, 30, 30);
    const QImage picture = Numbered(20, 10);
    image->SetPicture(picture);
    image->show();

    const QImage shown = OnScreen(ground);
    ASSERT_EQ(shown.size(), QSize(40, 40));
    EXPECT_EQ(shown.pixel(5, 5), picture.pixel(0, 0));
    EXPECT_EQ(shown.pixel(24, 14), picture.pixel(19, 9));
    EXPECT_EQ(shown.pixel(25, 14), Navy);
    EXPECT_EQ(shown.pixel(24, 15), Navy);
    EXPECT_EQ(shown.pixel(34, 34), Navy);
}

TEST(Picture, NewBitmapIsWhiteOfTheGivenSizeAndShowsWhatIsDrawnOnIt) {
    TImage image;
    image.resize(30, 20);
    QImage& bitmap = image.NewBitmap(30, 20);
    EXPECT_EQ(&bitmap, &image.Bitmap());
    EXPECT_EQ(bitmap.size(), QSize(30, 20));
    EXPECT_EQ(Colours(bitmap), (std::set<QRgb>{White}));

    TCanvas canvas(bitmap);
    canvas.BrushColor = QColor(Teal);
    canvas.FillRect(2, 3, 12, 8);
    image.Changed();
    const QImage shown = Grab(image);
    EXPECT_EQ(Count(shown, Teal), 10 * 5);
    EXPECT_EQ(shown.pixel(2, 3), Teal);
    EXPECT_EQ(shown.pixel(12, 8), White);

    // A new bitmap starts white again, at its new size.
    EXPECT_EQ(Colours(image.NewBitmap(8, 6)), (std::set<QRgb>{White}));
    EXPECT_EQ(image.Bitmap().size(), QSize(8, 6));
}
