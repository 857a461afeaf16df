#pragma once
// Pixel helpers shared by the user-interface layer tests.

#include "assets/Colors.h"
#include "assets/Pictures.h"

#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <set>

namespace PixelChecks {

using Colors::Black;
using Colors::Blue;
using Colors::Grey;
using Colors::Lime;
using Colors::Navy;
using Colors::Silver;
using Colors::Teal;
using Colors::White;
using Colors::Yellow;

/// The image is a true-colour copy of the stored picture, pixel for pixel.
inline testing::AssertionResult IsThePicture(const QImage& image,
                                             const Pictures::Picture& picture) {
    if (image.format() != QImage::Format_RGB32)
        return testing::AssertionFailure() << "format " << image.format();
    if (image.size() != QSize(picture.Width, picture.Height))
        return testing::AssertionFailure() << image.width() << " x " << image.height();
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            if (image.pixel(x, y) != picture.At(x, y))
                return testing::AssertionFailure() << "pixel " << x << "," << y;
        }
    }
    return testing::AssertionSuccess();
}

/// A 32-bit bitmap of the given size filled with one colour, as the program's bitmaps are.
inline QImage Blank(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

/// What the widget shows, with its alpha channel kept (uncovered pixels stay transparent).
inline QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

/// What a top-level window shows on the screen once painted through the backing store, where
/// whatever a control leaves unpainted is not filled in for it.
inline QImage OnScreen(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return {};
    QTest::qWait(50); // repaints are flushed from a short platform timer, not at once
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

/// Every distinct colour of the image.
inline std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

/// The pixels of the given colour inside the box [left, right) x [top, bottom).
inline int Count(const QImage& image, QRgb colour, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

inline int Count(const QImage& image, QRgb colour) {
    return Count(image, colour, 0, 0, image.width(), image.height());
}

} // namespace PixelChecks
