// The laboratory guide's figures: every number the guide prints about the physics, as recorded
// in docs/description/figures.tsv, is what the model's own routines give, to the precision
// printed. A changed constant or law, or a figure edited by hand, fails here.
#include "model/Analysis.h"
#include "model/DropletMotion.h"
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace Data;

namespace {

struct Figure {
    std::string name, kind, unit, relation, printed;
    std::map<std::string, std::string> inputs;
    double value = 0; ///< the number as printed, in `unit`
    double step = 0;  ///< one unit of the last printed digit

    double In(const std::string& key) const {
        const auto it = inputs.find(key);
        if (it == inputs.end()) throw std::runtime_error(name + " has no input " + key);
        return std::stod(it->second);
    }
    bool Has(const std::string& key) const { return inputs.count(key) > 0; }
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

/// The figures file: a header line, then name, kind, inputs (key=value;...), unit, value, step,
/// relation and the printed text, tab-separated.
std::vector<Figure> ReadFigures(const std::string& path) {
    std::ifstream file(path);
    std::vector<Figure> figures;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::vector<std::string> cells = Split(line, '\t');
        cells.resize(8);
        Figure f;
        f.name = cells[0];
        f.kind = cells[1];
        f.unit = cells[3];
        f.relation = cells[6];
        f.printed = cells[7];
        for (const std::string& pair : Split(cells[2], ';')) {
            const auto eq = pair.find('=');
            std::string value = pair.substr(eq + 1);
            if (!value.empty() && value.front() == '\'') value = value.substr(1, value.size() - 2);
            f.inputs[pair.substr(0, eq)] = value;
        }
        if (f.relation != "text") {
            f.value = std::stod(cells[4]);
            f.step = std::stod(cells[5]);
        }
        figures.push_back(f);
    }
    return figures;
}

double UnitSize(const std::string& unit) {
    static const std::map<std::string, double> sizes = {
        {"", 1},     {"K", 1},          {"Pa*s", 1},       {"kg/m3", 1},    {"m/s2", 1},
        {"m", 1},    {"cm", 1e-2},      {"mm", 1e-3},      {"um", 1e-6},    {"us", 1e-6},
        {"s", 1},    {"m/s", 1},        {"mm/s", 1e-3},    {"um/s", 1e-6},  {"um/min", 1e-6 / 60},
        {"V", 1},    {"V/m", 1},        {"C", 1},          {"N", 1},        {"N*s/m", 1},
        {"%", 1e-2}, {"e", ElemCharge}, {"1e-19C", 1e-19}, {"mPa*m", 1e-3}, {"kPa", 1e3}};
    return sizes.at(unit);
}

double Constant(const std::string& name) {
    static const std::map<std::string, double> constants = {{"ElemCharge", ElemCharge},
                                                            {"Gravity", Gravity},
                                                            {"OilDensity", OilDensity},
                                                            {"AirDensity0", AirDensity0},
                                                            {"RefTemp", RefTemp},
                                                            {"ThermalTau", ThermalTau},
                                                            {"ViscOffset", ViscOffset},
                                                            {"ViscSlope", ViscSlope},
                                                            {"DriftVX", DriftVX},
                                                            {"DriftTau", DriftTau},
                                                            {"PlateGap", PlateGap},
                                                            {"PixelSize", PixelSize},
                                                            {"Boltzmann", Boltzmann},
                                                            {"CelsiusOffset", CelsiusOffset},
                                                            {"DropletCount", DropletCount},
                                                            {"SlipConstant", SlipConstant},
                                                            {"StartPressure", StartPressure}};
    return constants.at(name);
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

/// Seconds shown by a stopwatch text "mm:ss,t".
double ReadingSeconds(const std::string& text) {
    const auto colon = text.find(':'), comma = text.find(',');
    return std::stoi(text.substr(0, colon)) * 60 + std::stoi(text.substr(colon + 1, comma)) +
           std::stoi(text.substr(comma + 1)) / 10.0;
}

class GuideFigureTest : public ModelTest {
protected:
    /// The chamber settled at `celsius`, the drift long over, the supply off.
    static void Air(double celsius) {
        PrevTemp = AmbientTemp = CurTemp = celsius + CelsiusOffset;
        TempRefTime = 0;
        InjectTime = -1000;
        PlateVoltage = 0;
    }

    /// Speed of the formula (the motion's target), m/s, up the view positive.
    static double TargetSpeed(double radius, int charges, double volts) {
        PlateVoltage = volts;
        const double up = -SettledVY(Droplet(radius, charges));
        PlateVoltage = 0;
        return up;
    }

    /// Speed the program shows over a simulated second of sub-steps, m/s, up positive.
    static double DropletSpeed(double radius, int charges, double volts) {
        PlateVoltage = volts;
        TDroplet d = Droplet(radius, charges);
        StepDroplet(d, SubStep, 0); // settles the velocity
        const double start = d.Y;
        for (int i = 0; i < 1000; ++i)
            StepDroplet(d, SubStep, 0);
        PlateVoltage = 0;
        return -(d.Y - start) / (1000 * SubStep);
    }

    /// Plate voltage magnitude (reversed polarity) that holds the droplet still, V.
    static double BalancingVoltage(double radius, int charges) {
        const double off = TargetSpeed(radius, charges, 0);
        return 1000 * off / (off - TargetSpeed(radius, charges, -1000));
    }

    /// The x in [low, high] at which the increasing function f reaches `goal`.
    static double Solve(const std::function<double(double)>& f, double goal, double low,
                        double high) {
        for (int i = 0; i < 200; ++i) {
            const double mid = (low + high) / 2;
            (f(mid) < goal ? low : high) = mid;
        }
        return (low + high) / 2;
    }

    /// Drag per unit speed, 6πηr, from the speed one elementary charge gains in a field, N·s/m.
    static double StokesCoefficient(double radius) {
        const double gained = TargetSpeed(radius, 1, 1000) - TargetSpeed(radius, 0, 1000);
        return ElemCharge * (1000 / PlateGap) / gained;
    }

    /// Gravity less buoyancy, from the field that balances one elementary charge, N.
    static double ApparentWeight(double radius) {
        return ElemCharge * BalancingVoltage(radius, 1) / PlateGap;
    }

    /// Spread of the Brownian displacement along one axis after `seconds`, m: √(2·D·t) with
    /// D = k_B·T / (6π·η·r) of the chamber air.
    static double BrownianJitter(double radius, double seconds) {
        const double kelvin = AirTemperatureAt(0);
        const double diffusion =
            Boltzmann * kelvin / (Motion::SixPi * AirViscosity(kelvin) * radius);
        return std::sqrt(2 * diffusion * seconds);
    }

    static double TravelTime(const Figure& f) {
        const double speed =
            DropletSpeed(f.In("radius_um") * 1e-6, int(f.In("charges")), f.In("volts"));
        return f.In("path_um") * 1e-6 / std::fabs(speed);
    }

    /// The figure as the model gives it, in SI units.
    static double Model(const Figure& f) {
        const auto radius = [&] { return f.In("radius_um") * 1e-6; };
        const auto charges = [&] { return int(f.In("charges")); };
        const std::map<std::string, std::function<double()>> kinds = {
            {"constant",
             [&] { return (f.Has("negated") ? -1 : 1) * Constant(f.inputs.at("name")); }},
            {"field_strength", [&] { return f.In("volts") / PlateGap; }},
            {"slip_factor",
             [&] {
                 SetRealAir(true);
                 SetChamberPressure(f.In("kpa") * 1000);
                 const double slip = SlipFactor(radius());
                 SetRealAir(false);
                 return slip;
             }},
            {"kelvin", [&] { return AirTemperatureAt(0); }},
            {"viscosity", [&] { return AirViscosityAt(0); }},
            {"air_density", [&] { return AirDensityAt(0); }},
            {"density_difference", [&] { return OilDensity - AirDensityAt(0); }},
            {"viscosity_rise",
             [&] {
                 Air(f.In("to"));
                 const double hot = AirViscosityAt(0);
                 Air(f.In("from"));
                 return hot / AirViscosityAt(0) - 1;
             }},
            {"temperature_progress",
             [&] {
                 AmbientTemp = PrevTemp + 100;
                 return (AirTemperatureAt(f.In("seconds")) - PrevTemp) / 100;
             }},
            {"drift_distance",
             [&] {
                 InjectTime = 0;
                 TDroplet d = Droplet(radius());
                 for (int k = 0; k < std::lround(f.In("seconds") / SubStep); ++k)
                     StepDroplet(d, SubStep, k * SubStep);
                 return std::fabs(d.X);
             }},
            {"drift_stop",
             [&] {
                 InjectTime = 0;
                 int k = 0;
                 while (AirDriftAt(k * SubStep).ux != 0 || AirDriftAt(k * SubStep).uy != 0)
                     ++k;
                 return k * SubStep;
             }},
            {"relaxation_time",
             [&] { return Motion::RelaxationTime(radius(), OilDensity, AirViscosityAt(0)); }},
            {"formula_speed", [&] { return TargetSpeed(radius(), 0, 0); }},
            {"droplet_speed",
             [&] {
                 return (f.Has("down") ? -1 : 1) * DropletSpeed(radius(), charges(), f.In("volts"));
             }},
            {"charge_speed_change",
             [&] {
                 return DropletSpeed(radius(), 1, f.In("volts")) -
                        DropletSpeed(radius(), 0, f.In("volts"));
             }},
            {"speed_shortfall",
             [&] { return 1 - DropletSpeed(radius(), 0, 0) / TargetSpeed(radius(), 0, 0); }},
            {"balancing_voltage", [&] { return BalancingVoltage(radius(), charges()); }},
            {"largest_balanced_radius",
             [&] {
                 return Solve([&](double r) { return BalancingVoltage(r, charges()); },
                              f.In("volts"), 0.1e-6, 5e-6);
             }},
            {"travel_time", [&] { return TravelTime(f); }},
            {"reading_speed",
             [&] {
                 return f.In("path_um") * 1e-6 / ReadingSeconds(FormatStopwatch(TravelTime(f)));
             }},
            {"radius_from_speed",
             [&] {
                 return Solve([](double r) { return TargetSpeed(r, 0, 0); },
                              f.In("speed_um_s") * 1e-6, 0.1e-6, 5e-6);
             }},
            {"stokes_coefficient", [&] { return StokesCoefficient(radius()); }},
            {"apparent_weight", [&] { return ApparentWeight(radius()); }},
            {"balancing_charge",
             [&] {
                 const double per = f.Has("per") ? f.In("per") : 1;
                 return ApparentWeight(radius()) * PlateGap / f.In("volts") / per;
             }},
            {"timing_charge",
             [&] {
                 const double speeds = (f.In("v0_um_s") + f.In("v1_um_s")) * 1e-6;
                 return StokesCoefficient(radius()) * speeds * PlateGap / f.In("volts");
             }},
            {"notebook_radius",
             [&] { return RadiusFromFallSpeed(f.In("speed_um_s") * 1e-6, f.In("celsius")); }},
            {"notebook_charge",
             [&] {
                 return ChargeFromMotion(radius(), f.In("velocity_um_s") * 1e-6, f.In("volts"),
                                         f.In("celsius"));
             }},
            {"brownian_jitter", [&] { return BrownianJitter(radius(), f.In("seconds")); }},
            {"brownian_path_error",
             [&] {
                 const double jitter = BrownianJitter(radius(), TravelTime(f));
                 return f.Has("relative") ? jitter / (f.In("path_um") * 1e-6) : jitter;
             }},
        };
        const auto kind = kinds.find(f.kind);
        if (kind == kinds.end()) throw std::runtime_error("unknown kind " + f.kind);
        return kind->second();
    }

    static std::string ModelText(const Figure& f) {
        if (f.kind == "stopwatch_text")
            return WithoutTrailingBlanks(FormatStopwatch(f.In("seconds")));
        if (f.kind == "stopwatch_reading")
            return WithoutTrailingBlanks(FormatStopwatch(TravelTime(f)));
        throw std::runtime_error("unknown kind " + f.kind);
    }
};

} // namespace

TEST_F(GuideFigureTest, EveryPrintedFigureIsWhatTheModelGives) {
    const std::vector<Figure> figures = ReadFigures(TESSILAR_GUIDE_FIGURES);
    ASSERT_GE(figures.size(), 80u) << "the figures file is missing or cut short";
    for (const Figure& f : figures) {
        SCOPED_TRACE(f.name + " (" + f.kind + "), printed " + f.printed);
        Air(f.Has("celsius") ? f.In("celsius") : 20);
        try {
            if (f.relation == "text") {
                EXPECT_EQ(ModelText(f), f.printed);
                continue;
            }
            const double model = Model(f) / UnitSize(f.unit);
            if (f.relation == ">") {
                EXPECT_GT(model, f.value);
            } else {
                // Rounded to the last printed digit; the slack covers the last bit of a double.
                EXPECT_NEAR(model, f.value, f.step / 2 + 1e-12 * std::fabs(f.value));
            }
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
    }
}
