// The chamber state of the one experiment per program, with its program-start values.
#include "model/Data.h"

namespace Data {

double SimTime = 0;
double CurTemp = 0;
double PrevTemp = 0;
double AmbientTemp = 0;
double SetCelsius = StartCelsius;
double TempRefTime = 0;
double InjectTime = 0;
double VoltageSetting = 0;
double PlateVoltage = 0;
bool VoltageOn = false;
bool PolarityPositive = false;
double ViewOffsetX = 0;
double ViewOffsetY = 0;
bool StopwatchRunning = false;
double StopwatchStart = 0;
double StopwatchShown = 0;
DropletArray Drops;
bool BrownianMotion = false;
bool RealAir = false;
double ChamberPressure = StartPressure;

std::function<void()> ViewRefreshHook;
std::function<void(const std::string&)> StopwatchDisplayHook;

void ResetChamber() {
    SimTime = CurTemp = PrevTemp = AmbientTemp = TempRefTime = InjectTime = 0;
    SetCelsius = StartCelsius;
    VoltageSetting = PlateVoltage = 0;
    VoltageOn = PolarityPositive = false;
    ViewOffsetX = ViewOffsetY = 0;
    StopwatchRunning = false;
    StopwatchStart = 0;
    StopwatchShown = 0;
    BrownianMotion = false;
    RealAir = false;
    ChamberPressure = StartPressure;
    for (TDroplet& d : Drops) {
        DropMarker* marker = d.Marker;
        d = TDroplet{};
        d.Marker = marker;
    }
}

} // namespace Data
