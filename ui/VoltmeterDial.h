#pragma once
// The analogue voltmeter of the supply: scale, ticks, hub and a needle for the plate voltage.

#include "assets/Colors.h"
#include "ui/layer/Canvas.h"

/// Draws the whole dial on the canvas's bitmap for `plateVoltage` (volts; positive swings the
/// needle right, 1000 V is about 47.7° from vertical).
void DrawVoltmeterDial(TCanvas& canvas, double plateVoltage);
