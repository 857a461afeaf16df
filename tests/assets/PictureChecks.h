#pragma once
// Checks shared by the tests of the stored pictures.

#include "assets/Pictures.h"

#include <cstdint>
#include <gtest/gtest.h>

/// The picture has the size, a pixel for every place, and is true colour: every pixel opaque.
inline testing::AssertionResult IsTrueColourOfSize(const Pictures::Picture& picture, int width,
                                                   int height) {
    if (picture.Width != width || picture.Height != height)
        return testing::AssertionFailure() << picture.Width << " x " << picture.Height;
    if (picture.Pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return testing::AssertionFailure() << picture.Pixels.size() << " pixels";
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
        if (picture.Pixels[i] >> 24 != 0xFFu) return testing::AssertionFailure() << "pixel " << i;
    }
    return testing::AssertionSuccess();
}
