#include "design/CompactDesign.h"

#include "catalogue/TextNumbers.h"

namespace CompactDesign {

namespace {

// Spin buttons stand side by side on a phone, each a finger wide, so the panels that hold them
// are widened and their other controls moved clear of them; panels keep their own pictures where
// they were designed.
// clang-format off

// Spraying, leaving, and the view's position: the scroll bars shortened beside the buttons, each
// readout beside its bar.
constexpr Placement View[] = {
    {"Panel1",     0,   0},
    {"Panel4",     0,  64},
    {"ScrollBar2", 177,  0, 12, 129},
    {"Label2",     207,  2},
    {"ScrollBar1", 207, 58, 93, 12},
    {"Label1",     207, 84},
};

// The supply: its buttons beside the dial instead of under it.
constexpr Placement Voltage[] = {
    {"Panel2",  0,   0, 256, 150},
    {"BitBtn2", 161, 50, 87, 25},
    {"BitBtn3", 161, 95, 87, 25},
};

// The stopwatch with the measuring buttons beside it.
constexpr Placement Stopwatch[] = {
    {"Panel3",          0,   0},
    {"MeasureRecord",   169, 16, 110, 25},
    {"MeasureNotebook", 169, 60, 110, 25},
    {"MeasureIonise",   169, 104, 110, 25},
};

// The thermometer at its full height (the page scrolls where the screen is lower); the field's
// caption above the field, clear of its spin buttons.
constexpr Placement Temperature[] = {
    {"Panel5", 0, 0, 150, 481},
    {"Label7", 8, 2},
};

// The real air's pressure, on a tab of its own that shows while the chamber holds real air.
constexpr Placement Pressure[] = {
    {"Panel6", 0,  0, 200, 60},
    {"Label8", 8,  4},
    {"Edit3",  8, 24},
    {"Label9", 60, 28},
    {"UpDown3", 85, 24},
};

constexpr Tab Table[] = {
    {"view",        Texts::PageMicroscope,   300, 129, View},
    {"voltage",     Texts::VoltagePanel,     256, 150, Voltage},
    {"stopwatch",   Texts::StopwatchPanel,   279, 145, Stopwatch},
    {"temperature", Texts::TemperaturePanel, 150, 481, Temperature},
    {"pressure",    Texts::PressurePanel,    200,  60, Pressure},
};
// clang-format on

} // namespace

std::span<const Tab> Tabs() {
    return Table;
}

} // namespace CompactDesign
