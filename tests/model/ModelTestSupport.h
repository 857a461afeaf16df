#pragma once
// Shared set-up for model tests: a chamber at 20 °C with the supply off and no drift.

#include "model/Data.h"

#include <gtest/gtest.h>

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data::ResetChamber();
        Data::ViewRefreshHook = nullptr;
        Data::StopwatchDisplayHook = nullptr;
        Data::StartRun();
        // The injection drift dies away 10 s after InjectTime; start well past it.
        Data::InjectTime = -1000;
        Data::SeedRandom(12345);
    }
    void TearDown() override {
        Data::ViewRefreshHook = nullptr;
        Data::StopwatchDisplayHook = nullptr;
        Data::ResetChamber();
    }

    /// A droplet at rest at the origin.
    static Data::TDroplet Droplet(double radius, int charges = 0) {
        Data::TDroplet d;
        d.Active = 1;
        d.Radius = radius;
        d.Charge = charges * Data::ElemCharge;
        return d;
    }

    /// Vertical speed (m/s) of a droplet after its velocity has relaxed to the target (in thin
    /// air a large droplet takes a few sub-steps).
    static double SettledVY(Data::TDroplet d, double t = 0) {
        for (int k = 0; k < 20; ++k)
            Data::StepDroplet(d, Data::SubStep, t);
        return d.VY;
    }
};
