#pragma once
// What a command of the session, or a tick, changed: a sum of these flags, which tells a front
// end what to draw again. The page's constants are generated from this file (web/generate.mjs
// reads the enumerators below, one per line).

namespace Lab {

enum Change : int {
    ChangedMarkers = 1,           ///< the droplets' markers, or which one is followed
    ChangedColumn = 2,            ///< the thermometer's column
    ChangedStopwatch = 4,         ///< the stopwatch's display
    ChangedSupply = 8,            ///< the voltmeter's needle and the supply lamp
    ChangedReadouts = 16,         ///< the scroll bars' positions and their readouts
    ChangedVoltageField = 32,     ///< the voltage field's text, or its spin buttons
    ChangedTemperatureField = 64, ///< the temperature field's text, or its spin buttons
    ChangedDescription = 128,     ///< the microscope's description for assistive technology
    ChangedNotebook = 256,        ///< the notebook's rows: to be drawn and kept
    ChangedAnnouncement = 512,    ///< something to say: the stopwatch stopped, a row recorded
    ChangedBrownian = 1024,       ///< the Brownian motion switch
    ChangedRealAir = 2048,        ///< the real air switch, and with it the pressure control
    ChangedPressureField = 4096,  ///< the pressure field's text, or its spin buttons
};

} // namespace Lab
