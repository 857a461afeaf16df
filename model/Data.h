#pragma once
// The simulation model: physical constants, the chamber state, the 100 oil droplets, the laws of
// the chamber air, droplet motion, the simulation tick and the stopwatch clock. Module-level state
// and free routines; nothing here knows about windows.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

/// The user interface's on-screen marker of one droplet; opaque to the model.
class DropMarker;

namespace Data {

// Physical and numerical constants (SI units).
constexpr double ElemCharge = 1.602e-19;   ///< elementary charge, C
constexpr double Gravity = 9.81;           ///< gravitational acceleration, m/s²
constexpr double OilDensity = 870.0;       ///< density of the oil, kg/m³
constexpr double AirDensity0 = 1.293;      ///< air density at RefTemp, kg/m³
constexpr double RefTemp = 273.0;          ///< reference temperature of the density law, K
constexpr double ThermalTau = 10.0;        ///< time constant of the chamber air temperature, s
constexpr double ViscOffset = -1.047e-05;  ///< constant term of the viscosity law, Pa·s
constexpr double ViscSlope = 1.689e-06;    ///< factor of √T in the viscosity law, Pa·s/√K
constexpr double DriftVX = -0.0005;        ///< horizontal air drift just after an injection, m/s
constexpr double DriftVY = 0.0;            ///< vertical air drift just after an injection, m/s
constexpr double DriftTau = 0.5;           ///< decay time of the injection drift, s
constexpr double PlateGap = 0.01;          ///< distance between the capacitor plates, m
constexpr double TickPeriod = 0.01;        ///< simulated time added by one tick, s
constexpr double PixelSize = 1e-06;        ///< chamber length of one view pixel, m
constexpr double SubStep = 0.001;          ///< integration sub-step, s
constexpr double CelsiusOffset = 273.0;    ///< kelvin = degrees Celsius + 273 throughout
constexpr double Boltzmann = 1.380649e-23; ///< Boltzmann's constant, J/K
constexpr int DropletCount = 100;
constexpr double StartCelsius = 20; ///< set temperature at the start of a run, °C
/// Real air: a droplet not much larger than the mean free path of the air's molecules slips
/// through it, and Stokes' drag is divided by the slip factor 1 + SlipConstant / (p·r).
constexpr double SlipConstant = 8.2e-3;     ///< Pa·m
constexpr double StandardPressure = 101325; ///< the pressure of the density law, Pa
constexpr double StartPressure = 101300;    ///< the real air's pressure at the start of a run, Pa
constexpr double LowestChamberPressure = 1000;    ///< Pa
constexpr double HighestChamberPressure = 110000; ///< Pa

/// One oil droplet between the plates.
struct TDroplet {
    double X = 0;                 ///< horizontal position, m; larger is further right in the view
    double Y = 0;                 ///< vertical position, m; larger is further down in the view
    double VX = 0;                ///< horizontal velocity, m/s
    double VY = 0;                ///< vertical velocity, m/s
    double Charge = 0;            ///< 0 to 3 elementary charges, C
    double Radius = 0;            ///< m, in [0.5 µm, 1.5 µm)
    std::int32_t Active = 0;      ///< the droplet exists and moves when greater than 0
    DropMarker* Marker = nullptr; ///< on-screen marker; owned by the main window
};

/// The droplets, indexed 1 to 100 like the experiment's numbering.
class DropletArray {
public:
    TDroplet& operator[](int i) { return items_[static_cast<std::size_t>(i - 1)]; }
    const TDroplet& operator[](int i) const { return items_[static_cast<std::size_t>(i - 1)]; }
    static constexpr int Low = 1;
    static constexpr int High = DropletCount;
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<TDroplet, DropletCount> items_{};
};

// Chamber state.
extern double SimTime;     ///< simulated time, s; only ever increases
extern double CurTemp;     ///< chamber air temperature at the end of the last tick, K
extern double PrevTemp;    ///< temperature the chamber relaxes from since TempRefTime, K
extern double AmbientTemp; ///< set (target) temperature, K
/// The set temperature as it was given (typed or spun), °C; AmbientTemp follows it.
extern double SetCelsius;
extern double TempRefTime;    ///< simulated time at which the relaxation started, s
extern double InjectTime;     ///< simulated time of the last injection, s
extern double VoltageSetting; ///< voltage magnitude typed by the user, 0 to 1000 V
extern double PlateVoltage;   ///< signed voltage on the plates, V; 0 while the supply is off
extern bool VoltageOn;        ///< supply switch
extern bool PolarityPositive; ///< PlateVoltage is +VoltageSetting when true
extern double ViewOffsetX;    ///< chamber X shown at the view centre, m
extern double ViewOffsetY;    ///< chamber Y shown at the view centre, m
extern bool StopwatchRunning; ///< the stopwatch display is updated every tick
extern double StopwatchStart; ///< SimTime when the stopwatch was started, s
extern double StopwatchShown; ///< the time the stopwatch display shows, s (not cut to tenths)
extern DropletArray Drops;
/// Droplets in the chamber jitter with the thermal motion of the air: in every sub-step each
/// moves by independent normal displacements in X and Y of standard deviation √(2·D·h), where
/// D = k_B·T / (6π·η·r) at the temperature and viscosity of that moment.
extern bool BrownianMotion;
/// The chamber holds real air at ChamberPressure (Pa): its density follows the pressure, and the
/// drag and the thermal jitter of each droplet follow its slip factor. Off, the air is the ideal
/// fluid of Stokes' law at the standard pressure, and ChamberPressure plays no part.
extern bool RealAir;
extern double ChamberPressure;

/// Puts every chamber variable and droplet back to its program-start value (markers are kept).
void ResetChamber();

// Changes of the chamber state. The window's handlers read their controls, call one of these and
// redraw; apart from the tick nothing else writes the chamber state.

/// The program's start: numbers are written with the system's decimal separator (until the
/// temperature field is first edited).
void StartProgram(char systemDecimalSeparator);
/// The chamber as a run starts: at 20 °C and settled, the supply off with positive polarity and a
/// setting of 0 V. PlateVoltage is left as it is (it is 0 at program start).
void StartRun();
/// Empties the chamber: no droplet is active (their markers are kept).
void ClearDroplets();
/// Sets the voltage magnitude, clamped to 0–1000 V, and applies the supply.
void SetVoltageSetting(double volts);
/// Turns the supply on or off and applies it.
void SwitchSupply();
/// Reverses the polarity of the plates and applies the supply.
void ReversePolarity();
/// Makes PlateVoltage follow the supply: ±VoltageSetting while it is on, 0 while it is off.
void ApplySupply();
/// A new set temperature (°C): the chamber air relaxes towards it from its present temperature.
void SetAmbientTemperature(double celsius);
/// Sprays all droplets afresh and recentres the view. The injection drift starts now; a change
/// of temperature under way goes on along the same curve (spraying does not heat or cool the air).
void InjectAllDroplets();
/// Switches the Brownian jitter on or off.
void SetBrownianMotion(bool on);
/// Fills the chamber with real air, or with the ideal fluid again.
void SetRealAir(bool on);
/// Sets the real air's pressure (Pa); a value outside the chamber's range, or no number at all,
/// changes nothing. Returns whether it was taken.
bool SetChamberPressure(double pascals);
/// One burst of the ionising source: each droplet in the chamber, with a probability of 1/3,
/// gains or loses one elementary charge (either with equal chance); nothing else changes.
void IoniseDroplets();
/// Shifts the view horizontally to a scroll position: 50 is the centre, each step 4 µm, larger
/// positions move the droplets right in the view.
void ShiftViewX(int position);
/// Shifts the view vertically to a scroll position, as ShiftViewX; larger positions move the
/// droplets down in the view.
void ShiftViewY(int position);
/// Starts the stopwatch from zero, also while it runs.
void StartStopwatch();
/// Stops the stopwatch; its display keeps the last value shown.
void StopStopwatch();
/// The stopwatch reading as its display shows it, s (whole tenths).
double StopwatchReading();

// Environment laws of the chamber air at simulated time t (s).
struct AirDrift {
    double ux = 0; ///< m/s
    double uy = 0; ///< m/s
};
double AirTemperatureAt(double t); ///< K
double AirViscosityAt(double t);   ///< Pa·s
double AirDensityAt(double t);     ///< kg/m³
/// The viscosity of the air (Pa·s) at a temperature in kelvin.
double AirViscosity(double kelvin);
/// The density of the air (kg/m³) at a temperature in kelvin, at the standard pressure.
double AirDensity(double kelvin);
/// The density of the chamber's air (kg/m³) at a temperature in kelvin: AirDensity in the ideal
/// chamber, scaled to the pressure with real air.
double ChamberAirDensity(double kelvin);
/// The factor by which the chamber's air lets a droplet of this radius (m) move faster than
/// Stokes' law says: 1 + SlipConstant/(p·r) with real air, exactly 1 in the ideal chamber.
double SlipFactor(double radius);
AirDrift AirDriftAt(double t); ///< m/s

/// Sprays droplet d into the chamber: new position, radius and charge, at rest.
void InjectDroplet(TDroplet& d);
/// Advances droplet d by h seconds starting at simulated time t (closed-form Stokes motion).
void StepDroplet(TDroplet& d, double h, double t);

/// Advances the simulation by one tick (TickPeriod of simulated time in ten sub-steps).
void SimulationTick();
/// The stopwatch text for x ≥ 0 seconds: minutes, seconds and tenths, "mm:ss,t" plus two blanks.
std::string FormatStopwatch(double x);
/// The reading FormatStopwatch shows for x seconds, in seconds (whole tenths).
double StopwatchSeconds(double x);

// What the next ticks can show, so that the program need not wake for ticks that show nothing.
/// How many of the next `most` ticks run before the stopwatch display changes, the last of them
/// changing it; `most` while the stopwatch is stopped.
int TicksUntilStopwatchChanges(int most);
/// True when no droplet in the chamber can come within `radius` view pixels of the view centre
/// during the next `ticks` ticks, at the speed it has now (and the jitter, with Brownian motion).
bool DropletsStayOutOfView(int ticks, double radius);
/// True when no droplet is in the chamber and the stopwatch is stopped: then a tick changes
/// nothing but the simulated time and the air temperature.
bool ChamberAtRest();

/// The tick's two ways out to the user interface; both do nothing until the window sets them.
extern std::function<void()> ViewRefreshHook;
extern std::function<void(const std::string&)> StopwatchDisplayHook;

// The process-wide pseudo-random generator.
double Random();          ///< uniform in [0, 1); never returns 1
int RandomInt(int range); ///< uniform integer in [0, range)
void Randomize();         ///< seeds this and the noise generator from the clock
void SeedRandom(std::uint64_t seed);
/// Seeds the generator of the ionising source and the Brownian motion, which is apart from the
/// injection's.
void SeedNoise(std::uint64_t seed);

} // namespace Data
