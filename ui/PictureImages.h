#pragma once
// The stored pictures as Qt images, for the widgets that show them.

#include <QImage>

/// The microscope field picture (452 × 462, true colour), made once and kept for the run.
const QImage& MicroscopeFieldPicture();

/// The thermometer picture (62 × 393, true colour), made once and kept for the run.
const QImage& ThermometerPicture();
