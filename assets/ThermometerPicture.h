#pragma once
// The thermometer picture: 62 × 393 true colour, tube, bulb and the 0–100 °C scale.

#include <QImage>

/// The picture, drawn once on first use and kept for the run.
const QImage& ThermometerPicture();
