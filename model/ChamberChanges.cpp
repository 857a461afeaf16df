// The changes of the chamber state that the window's controls make.
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "model/Noise.h"
#include "model/Spraying.h"

#include <algorithm>
#include <cmath>

namespace Data {

namespace {
constexpr double LargestVoltage = 1000; ///< V
constexpr int CentrePosition = 50;
constexpr double ViewStep = -4e-6; ///< m of view offset per scroll step
} // namespace

void StartProgram(char systemDecimalSeparator) {
    DecimalSeparator = systemDecimalSeparator;
}

void StartRun() {
    VoltageSetting = 0;
    PrevTemp = AmbientTemp = CurTemp = StartCelsius + CelsiusOffset;
    VoltageOn = false;
    PolarityPositive = true;
    ChamberPressure = StartPressure;
}

void ClearDroplets() {
    for (TDroplet& d : Drops)
        d.Active = 0;
}

void SetVoltageSetting(double volts) {
    VoltageSetting = std::clamp(volts, 0.0, LargestVoltage);
    ApplySupply();
}

void SwitchSupply() {
    VoltageOn = !VoltageOn;
    ApplySupply();
}

void ReversePolarity() {
    PolarityPositive = !PolarityPositive;
    ApplySupply();
}

void ApplySupply() {
    if (VoltageOn)
        PlateVoltage = PolarityPositive ? VoltageSetting : -VoltageSetting;
    else
        PlateVoltage = 0;
}

void SetAmbientTemperature(double celsius) {
    // The new relaxation starts from the present chamber temperature, without a jump.
    PrevTemp = CurTemp;
    AmbientTemp = celsius + CelsiusOffset;
    TempRefTime = SimTime;
}

void InjectAllDroplets() {
    for (TDroplet& d : Drops)
        InjectDroplet(d);
    ApplySupply();
    ViewOffsetX = 0;
    ViewOffsetY = 0;
    InjectTime = SimTime;
    // The temperature relaxation restarts now from the temperature the air has now, so it goes on
    // along the same curve instead of jumping back to where the last change of the set
    // temperature began.
    PrevTemp = AirTemperatureAt(SimTime);
    TempRefTime = SimTime;
}

void SetBrownianMotion(bool on) {
    BrownianMotion = on;
}

void SetRealAir(bool on) {
    RealAir = on;
}

bool SetChamberPressure(double pascals) {
    // Written so that a value that is not a number is refused too.
    if (!(pascals >= LowestChamberPressure && pascals <= HighestChamberPressure)) return false;
    ChamberPressure = pascals;
    return true;
}

void IoniseDroplets() {
    IoniseDropletsFrom(Drops, Noise::Source());
}

void IoniseDropletsFrom(DropletArray& drops, Noise::Generator& noise) {
    for (TDroplet& d : drops) {
        if (d.Active <= 0) continue;
        // Two draws for every droplet, changed or not, so that one droplet's luck does not
        // shift the next one's.
        const bool hit = noise.Uniform() * 3 < 1;
        const bool gain = noise.Uniform() < 0.5;
        if (!hit) continue;
        // Kept a whole multiple of e, as the injection makes it.
        const double k = std::round(d.Charge / ElemCharge);
        d.Charge = (k + (gain ? 1 : -1)) * ElemCharge;
    }
}

void ShiftViewX(int position) {
    ViewOffsetX = (position - CentrePosition) * ViewStep;
}

void ShiftViewY(int position) {
    ViewOffsetY = (position - CentrePosition) * ViewStep;
}

void StartStopwatch() {
    StopwatchStart = SimTime;
    StopwatchRunning = true;
}

void StopStopwatch() {
    StopwatchRunning = false;
}

double StopwatchReading() {
    return StopwatchSeconds(StopwatchShown);
}

} // namespace Data
