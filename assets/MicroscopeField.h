#pragma once
// The microscope field picture: 452 × 462 true colour, with the black field and its reticle.

#include <QImage>

/// The picture, drawn once on first use and kept for the run.
const QImage& MicroscopeFieldPicture();
