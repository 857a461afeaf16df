"""The guide's figures, computed from the program's own constants and laws.

Every number the guide prints about the physics (constants, tables, the worked example, hints and
answers) is made here and recorded with its inputs, the text as printed and the precision printed.
build.py writes the record to figures.tsv; tests/model/test_guide_figures.cpp recomputes each
figure with the model's routines, so a changed constant or law, or a figure edited by hand, fails.
"""
import decimal
import math

# The program's constants (model/Data.h, model/DropletMotion.h).
ELEM_CHARGE = 1.602e-19  # C
GRAVITY = 9.81  # m/s²
OIL_DENSITY = 870.0  # kg/m³
AIR_DENSITY0 = 1.293  # kg/m³ at REF_TEMP
REF_TEMP = 273.0  # K
THERMAL_TAU = 10.0  # s
VISC_OFFSET = -1.047e-05  # Pa·s
VISC_SLOPE = 1.689e-06  # Pa·s/√K
DRIFT_VX = -0.0005  # m/s
DRIFT_TAU = 0.5  # s
PLATE_GAP = 0.01  # m
PIXEL_SIZE = 1e-06  # m
SUB_STEP = 0.001  # s
CELSIUS_OFFSET = 273.0  # K
DROPLET_COUNT = 100
SIX_PI = 18.849555921538759
BOLTZMANN = 1.380649e-23  # J/K
SLIP_CONSTANT = 8.2e-3  # Pa·m, real air's slip
START_PRESSURE = 101300  # Pa, real air at the start of a run

CONSTANTS = {
    "ElemCharge": ELEM_CHARGE, "Gravity": GRAVITY, "OilDensity": OIL_DENSITY,
    "AirDensity0": AIR_DENSITY0, "RefTemp": REF_TEMP, "ThermalTau": THERMAL_TAU,
    "ViscOffset": VISC_OFFSET, "ViscSlope": VISC_SLOPE, "DriftVX": DRIFT_VX,
    "DriftTau": DRIFT_TAU, "PlateGap": PLATE_GAP, "PixelSize": PIXEL_SIZE,
    "CelsiusOffset": CELSIUS_OFFSET, "DropletCount": DROPLET_COUNT, "Boltzmann": BOLTZMANN,
    "SlipConstant": SLIP_CONSTANT, "StartPressure": START_PRESSURE,
}

# Units as the figure file names them, with their size in SI units.
UNITS = {
    "": 1.0, "K": 1.0, "Pa*s": 1.0, "kg/m3": 1.0, "m/s2": 1.0, "m": 1.0, "cm": 1e-2, "mm": 1e-3,
    "um": 1e-6, "us": 1e-6, "s": 1.0, "m/s": 1.0, "mm/s": 1e-3, "um/s": 1e-6,
    "um/min": 1e-6 / 60, "V": 1.0, "V/m": 1.0, "C": 1.0, "e": ELEM_CHARGE, "N": 1.0,
    "N*s/m": 1.0, "%": 1e-2, "1e-19C": 1e-19, "mPa*m": 1e-3, "kPa": 1e3,
}


# --- The model's laws (model/Environment.cpp, model/Droplet.cpp) ------------------------------

def kelvin(celsius):
    return celsius + CELSIUS_OFFSET


def viscosity(celsius):
    return math.sqrt(kelvin(celsius)) * VISC_SLOPE + VISC_OFFSET


def air_density(celsius):
    return AIR_DENSITY0 * REF_TEMP / kelvin(celsius)


def relaxation_time(radius, density, eta):
    return 2.0 / 9.0 * radius * radius * density / eta


def target_speed(celsius, radius, charges=0, volts=0.0):
    """The formula's terminal speed w, m/s, up the view positive (StepDroplet's target)."""
    eta = viscosity(celsius)
    settling = (relaxation_time(radius, OIL_DENSITY, eta)
                - relaxation_time(radius, air_density(celsius), eta)) * GRAVITY
    electric = (charges * ELEM_CHARGE * volts / PLATE_GAP) / (SIX_PI * radius * eta)
    return settling + electric


def droplet_speed(celsius, radius, charges=0, volts=0.0):
    """The speed the program shows, m/s, up positive: each 1 ms sub-step's closed form moves a
    settled droplet w·(h − τ), that is w·(1 − τ/h) per second."""
    tau = relaxation_time(radius, OIL_DENSITY, viscosity(celsius))
    return target_speed(celsius, radius, charges, volts) * (1 - tau / SUB_STEP)


def balancing_voltage(celsius, radius, charges):
    """The plate voltage magnitude (reversed polarity) at which the droplet stands still, V."""
    per_volt = target_speed(celsius, radius, charges, 1.0) - target_speed(celsius, radius)
    return target_speed(celsius, radius) / per_volt


def largest_balanced_radius(celsius, charges, volts):
    """The radius whose balancing voltage is `volts`, m: the apparent weight grows as r³."""
    weight = charges * ELEM_CHARGE * volts / PLATE_GAP
    per_volume = (OIL_DENSITY - air_density(celsius)) * GRAVITY
    return (weight / (4.0 / 3.0 * math.pi * per_volume)) ** (1 / 3)


def stopwatch_text(seconds):
    """The stopwatch display (model/Stopwatch.cpp) without its two trailing blanks."""
    m = int(seconds / 60)
    s = int(seconds - 60 * m)
    f = int((seconds - 60 * m - s) * 10)
    return "%s:%s,%s" % (str(m + 100)[1:5], str(s + 100)[1:5], str(f + 10)[1:5])


def stopwatch_seconds(text):
    minutes, rest = text.split(":")
    seconds, tenths = rest.split(",")
    return int(minutes) * 60 + int(seconds) + int(tenths) / 10


def travel_time(celsius, radius, charges, volts, path):
    return path / abs(droplet_speed(celsius, radius, charges, volts))


def radius_from_speed(celsius, speed):
    """The radius whose formula terminal speed (supply off) is `speed`, m."""
    return math.sqrt(9 * viscosity(celsius) * speed
                     / (2 * (OIL_DENSITY - air_density(celsius)) * GRAVITY))


def stokes_coefficient(celsius, radius):
    return SIX_PI * viscosity(celsius) * radius


def apparent_weight(celsius, radius):
    return 4.0 / 3.0 * math.pi * radius ** 3 * (OIL_DENSITY - air_density(celsius)) * GRAVITY


def temperature_progress(seconds):
    """The share of a change of the set temperature reached after `seconds`."""
    return 1 - math.exp(-seconds / THERMAL_TAU)


def drift_distance(celsius, radius, seconds):
    """How far the injection drift carries a droplet in `seconds` after the injection, m
    (magnitude): each sub-step moves it by the drift at the sub-step's start times (h − τ)."""
    tau = relaxation_time(radius, OIL_DENSITY, viscosity(celsius))
    steps = round(seconds / SUB_STEP)
    return sum(abs(DRIFT_VX) * math.exp(-k * SUB_STEP / DRIFT_TAU)
               for k in range(steps)) * (SUB_STEP - tau)


def drift_stop():
    """The time after an injection from which the drift is exactly zero, s."""
    return 20 * DRIFT_TAU


# --- The notebook's analysis (model/Analysis.cpp) and the Brownian motion (model/Tick.cpp) ------

def notebook_radius(celsius, fall_speed):
    """A droplet's radius from its speed with the supply off, m: the terminal-speed formula
    turned round."""
    return radius_from_speed(celsius, fall_speed)


def notebook_charge(celsius, radius, velocity, volts):
    """The charge from a motion in the field, C: v = v₀ + qU/(6πηr·d) turned round, with v
    positive with gravity and the signed plate voltage U."""
    eta = viscosity(celsius)
    fall_speed = 2 * radius ** 2 * (OIL_DENSITY - air_density(celsius)) * GRAVITY / (9 * eta)
    return SIX_PI * eta * radius * PLATE_GAP * (velocity - fall_speed) / volts


def diffusion(celsius, radius):
    """The droplet's diffusion coefficient D = k_B·T/(6πηr), m²/s."""
    return BOLTZMANN * kelvin(celsius) / stokes_coefficient(celsius, radius)


def brownian_jitter(celsius, radius, seconds):
    """The spread (standard deviation) of the Brownian displacement along one axis, m."""
    return math.sqrt(2 * diffusion(celsius, radius) * seconds)


def brownian_path_error(celsius, radius, path):
    """The jitter a timing over `path` (m) collects with the supply off, m: √(2·D·L/v)."""
    return brownian_jitter(celsius, radius, path / abs(droplet_speed(celsius, radius)))


# --- The record of printed figures --------------------------------------------------------------

def number(value, decimals, lang):
    """`value` with `decimals` decimals as the guide writes it: a decimal point in English and a
    decimal comma in the other languages, thousands apart from 10 000 on, and a real minus
    sign."""
    digits = "%.*f" % (decimals, abs(value))
    whole, _, fraction = digits.partition(".")
    if len(whole) > 4:
        groups = []
        while whole:
            groups.insert(0, whole[-3:])
            whole = whole[:-3]
        whole = "~".join(groups)
    text = whole + (("." if lang == "en" else ",") + fraction if fraction else "")
    return ("−" if value < 0 and float(digits) != 0 else "") + text


class Figure:
    """One printed figure: the number in `unit`, rounded to `decimals` decimals or to `digits`
    significant digits (written with a power of ten); or, with relation "text", a text."""

    def __init__(self, name, kind, inputs, value, unit, decimals=None, digits=None, relation="=",
                 half_up=False):
        assert unit in UNITS, unit
        assert relation in ("=", ">", "text"), relation
        self.name, self.kind, self.inputs, self.unit = name, kind, inputs, unit
        self.relation = relation
        self.exponent = 0
        if relation == "text":
            self.text = value
            return
        value = value / UNITS[unit]
        if digits is not None:
            self.exponent = math.floor(math.log10(abs(value)))
            if abs(round(value / 10 ** self.exponent, digits - 1)) >= 10:
                self.exponent += 1
            decimals = digits - 1
        self.decimals = decimals
        self.mantissa = round(value / 10 ** self.exponent, decimals)
        if half_up:
            # As the notebook window shows numbers: half away from zero, on the value as it would
            # be typed (12 digits leave out the last bit of a double).
            typed = decimal.Decimal("%.12g" % value)
            self.mantissa = float(typed.quantize(decimal.Decimal(1).scaleb(-decimals),
                                                 rounding=decimal.ROUND_HALF_UP))

    def printed(self, lang):
        """The figure as the guide prints it in `lang` ("en", "hu", "de", "fr", "es"), in the guide's
        markup."""
        if self.relation == "text":
            return self.text
        text = number(self.mantissa, self.decimals, lang)
        if self.exponent:
            times = "·" if lang == "hu" else "×"
            text += "%s10^{%s}" % (times, number(self.exponent, 0, lang))
        return ("> " if self.relation == ">" else "") + text

    def row(self):
        inputs = ";".join("%s=%r" % item for item in self.inputs.items())
        if self.relation == "text":
            return [self.name, self.kind, inputs, self.unit, self.text, "0", "text", self.text]
        value = "%.*fe%d" % (self.decimals, self.mantissa, self.exponent)
        step = "1e%d" % (self.exponent - self.decimals)
        return [self.name, self.kind, inputs, self.unit, value, step, self.relation,
                self.printed("en")]


class Figures:
    """The figures by name, in the order the guide needs them."""

    def __init__(self):
        self.items = {}

    def add(self, name, kind, inputs, value, unit="", decimals=None, digits=None, relation="=",
            half_up=False):
        assert name not in self.items, name
        assert relation == "text" or (decimals is None) != (digits is None), name
        assert not half_up or digits is None, name
        self.items[name] = Figure(name, kind, inputs, value, unit, decimals, digits, relation,
                                  half_up)

    def number(self, name):
        """The number as printed, in the figure's unit."""
        figure = self.items[name]
        return figure.mantissa * 10 ** figure.exponent

    def table(self):
        """The machine-readable record: one tab-separated line per figure."""
        head = ["name", "kind", "inputs", "unit", "value", "step", "relation", "printed"]
        return "".join("\t".join(row) + "\n"
                       for row in [head] + [f.row() for f in self.items.values()])


class Printer:
    """What the guide's text uses: F("name") prints a figure, F.num(x, decimals) an input."""

    def __init__(self, figures, lang):
        self.figures, self.lang = figures, lang

    def __call__(self, name):
        return self.figures.items[name].printed(self.lang)

    def num(self, value, decimals=0):
        return number(value, decimals, self.lang)

    def number(self, name):
        """A figure's printed number, to calculate with."""
        return self.figures.number(name)

    def reading(self, name):
        """A stopwatch reading's seconds, as the student writes them down."""
        return number(stopwatch_seconds(self.figures.items[name].text), 1, self.lang)


# --- The guide's figures ----------------------------------------------------------------------

ROOM = 20  # °C: the chamber at start, and the tables' temperature
UM = 1e-6
TABLE_TEMPERATURES = (0, 20, 50, 100)  # °C
SPEED_RADII = (0.5, 1.0, 1.5)  # µm
BALANCING_RADII = (0.5, 0.6, 0.7, 0.8, 1.0)  # µm
MAX_VOLTS = 1000

# The worked example: a droplet of radius 0.70 µm with two elementary charges (which the student
# does not know), timed over 30 ticks with the supply off and over 10 ticks at 500 V, reversed.
EXAMPLE_RADIUS = 0.70  # µm
EXAMPLE_CHARGES = 2
EXAMPLE_RISE_TICKS = 30
EXAMPLE_FALL_TICKS = 10
EXAMPLE_VOLTS = 500
TICK = 10  # µm

# Brownian motion: a timing over 30 ticks with the supply off, and how far a balanced droplet
# wanders while it is watched for 25 s.
BROWNIAN_TICKS = 30
BALANCE_WATCH = 25  # s


def key(radius):
    return ("%.1f" % radius).replace(".", "")


def build():
    f = Figures()

    def constant(name, unit="", suffix="", negated=False, **fmt):
        inputs = {"name": name, "negated": 1} if negated else {"name": name}
        value = -CONSTANTS[name] if negated else CONSTANTS[name]
        f.add("constant_" + name + suffix, "constant", inputs, value, unit, **fmt)

    # Constants as the guide quotes them.
    constant("DropletCount", decimals=0)
    constant("OilDensity", "kg/m3", decimals=0)
    constant("Gravity", "m/s2", decimals=2)
    constant("AirDensity0", "kg/m3", decimals=3)
    constant("RefTemp", "K", decimals=0)
    constant("CelsiusOffset", "K", decimals=0)
    constant("ViscSlope", digits=4)
    constant("ViscOffset", negated=True, digits=4)
    constant("PlateGap", "cm", "_cm", decimals=0)
    constant("PlateGap", "m", decimals=2)
    constant("ElemCharge", "C", digits=4)
    constant("PixelSize", "um", decimals=0)
    constant("ThermalTau", "s", decimals=0)
    constant("DriftTau", "s", decimals=1)
    constant("DriftVX", "mm/s", negated=True, decimals=1)
    constant("Boltzmann", digits=7)
    f.add("field_500", "field_strength", {"volts": 500}, 500 / PLATE_GAP, "V/m", decimals=0)

    # The chamber air.
    drift = {"celsius": ROOM, "radius_um": 1.0, "seconds": drift_stop()}
    f.add("drift_path", "drift_distance", drift, drift_distance(ROOM, UM, drift_stop()), "mm",
          decimals=2)
    f.add("drift_stop", "drift_stop", {}, drift_stop(), "s", decimals=0)
    for seconds in (10, 30, 50):
        f.add("temperature_%ds" % seconds, "temperature_progress", {"seconds": seconds},
              temperature_progress(seconds), "%", decimals=0)
    for celsius in TABLE_TEMPERATURES:
        inputs = {"celsius": celsius}
        f.add("kelvin_%d" % celsius, "kelvin", inputs, kelvin(celsius), "K", decimals=0)
        f.add("viscosity_%d" % celsius, "viscosity", inputs, viscosity(celsius), "Pa*s",
              digits=4)
        f.add("air_density_%d" % celsius, "air_density", inputs, air_density(celsius), "kg/m3",
              decimals=3)
    f.add("density_difference_20", "density_difference", {"celsius": ROOM},
          OIL_DENSITY - air_density(ROOM), "kg/m3", decimals=1)
    f.add("viscosity_rise", "viscosity_rise", {"from": 0, "to": 100},
          viscosity(100) / viscosity(0) - 1, "%", decimals=0)

    # Speeds at room temperature.
    one = {"celsius": ROOM, "radius_um": 1.0}
    f.add("relaxation_10", "relaxation_time", one,
          relaxation_time(UM, OIL_DENSITY, viscosity(ROOM)), "us", decimals=0)
    for r in SPEED_RADII:
        base = {"celsius": ROOM, "radius_um": r}
        f.add("speed_" + key(r), "droplet_speed", dict(base, charges=0, volts=0),
              droplet_speed(ROOM, r * UM), "um/s", decimals=1)
        f.add("change_per_e_" + key(r), "charge_speed_change", dict(base, volts=500),
              droplet_speed(ROOM, r * UM, 1, 500) - droplet_speed(ROOM, r * UM, 0, 500), "um/s",
              decimals=1)
        for n in (1, 2, 3):
            f.add("speed_%s_%de_reversed" % (key(r), n), "droplet_speed",
                  dict(base, charges=n, volts=-500), droplet_speed(ROOM, r * UM, n, -500),
                  "um/s", decimals=1)
    f.add("speed_10_whole", "droplet_speed", dict(one, charges=0, volts=0),
          droplet_speed(ROOM, UM), "um/s", decimals=0)
    f.add("change_per_e_10_whole", "charge_speed_change", dict(one, volts=500),
          droplet_speed(ROOM, UM, 1, 500) - droplet_speed(ROOM, UM, 0, 500), "um/s", decimals=0)
    f.add("speed_10_1e_positive", "droplet_speed", dict(one, charges=1, volts=500),
          droplet_speed(ROOM, UM, 1, 500), "um/s", decimals=1)
    f.add("formula_speed_10", "formula_speed", one, target_speed(ROOM, UM), "um/s", decimals=1)
    f.add("shortfall_10", "speed_shortfall", one,
          1 - droplet_speed(ROOM, UM) / target_speed(ROOM, UM), "%", decimals=1)
    # Droplets are smaller than 1.5 µm and the air is never below 0 °C: the largest shortfall.
    f.add("shortfall_largest", "speed_shortfall", {"celsius": 0, "radius_um": 1.5},
          1 - droplet_speed(0, 1.5 * UM) / target_speed(0, 1.5 * UM), "%", decimals=1)
    f.add("time_20_ticks_10", "travel_time", dict(one, charges=0, volts=0, path_um=20 * TICK),
          travel_time(ROOM, UM, 0, 0, 20 * TICK * UM), "s", decimals=1)
    for celsius in TABLE_TEMPERATURES:
        f.add("speed_10_at_%d" % celsius, "droplet_speed",
              {"celsius": celsius, "radius_um": 1.0, "charges": 0, "volts": 0},
              droplet_speed(celsius, UM), "um/s", decimals=1)

    # Balancing.
    for r in BALANCING_RADII:
        for n in (1, 2, 3):
            volts = balancing_voltage(ROOM, r * UM, n)
            inputs = {"celsius": ROOM, "radius_um": r, "charges": n}
            name = "balancing_%s_%de" % (key(r), n)
            if volts > MAX_VOLTS:
                f.add(name, "balancing_voltage", inputs, MAX_VOLTS, "V", decimals=0, relation=">")
            else:
                f.add(name, "balancing_voltage", inputs, volts, "V", decimals=0)
    for n in (1, 2, 3):
        f.add("largest_balanced_%de" % n, "largest_balanced_radius",
              {"celsius": ROOM, "charges": n, "volts": MAX_VOLTS},
              largest_balanced_radius(ROOM, n, MAX_VOLTS), "um", decimals=2)
    f.add("largest_balanced_short", "largest_balanced_radius",
          {"celsius": ROOM, "charges": 3, "volts": MAX_VOLTS},
          largest_balanced_radius(ROOM, 3, MAX_VOLTS), "um", decimals=1)

    # A negative droplet in a reversed field is pushed with gravity, as a positive one is by a
    # positive field.
    f.add("speed_10_minus1e_reversed", "droplet_speed",
          dict(one, charges=-1, volts=-500), droplet_speed(ROOM, UM, -1, -500), "um/s", decimals=1)

    brownian_motion(f)
    real_air(f)
    worked_example(f)
    f.add("stopwatch_example", "stopwatch_text", {"seconds": 75.35}, stopwatch_text(75.35),
          relation="text")
    return f


SLIP_PRESSURES = (101.3, 20, 1)  # kPa


def slip_factor(radius, kilopascals):
    """Real air's slip factor 1 + b/(p·r) (model/Environment.cpp)."""
    return 1 + SLIP_CONSTANT / (kilopascals * 1e3 * radius)


def real_air(f):
    f.add("constant_SlipConstant", "constant", {"name": "SlipConstant"}, SLIP_CONSTANT, "mPa*m",
          decimals=1)
    f.add("constant_StartPressure", "constant", {"name": "StartPressure"}, START_PRESSURE, "kPa",
          decimals=1)
    for r in SPEED_RADII:
        for p in SLIP_PRESSURES:
            f.add("slip_%s_%s" % (key(r), ("%g" % p).replace(".", "")), "slip_factor",
                  {"radius_um": r, "kpa": p}, slip_factor(r * UM, p), decimals=2)


def brownian_motion(f):
    for r in SPEED_RADII:
        base = {"celsius": ROOM, "radius_um": r}
        f.add("brownian_" + key(r), "brownian_jitter", dict(base, seconds=1),
              brownian_jitter(ROOM, r * UM, 1), "um", decimals=1)
        timing = dict(base, charges=0, volts=0, path_um=BROWNIAN_TICKS * TICK)
        path = BROWNIAN_TICKS * TICK * UM
        f.add("brownian_time_" + key(r), "travel_time", timing,
              travel_time(ROOM, r * UM, 0, 0, path), "s", decimals=1)
        f.add("brownian_path_" + key(r), "brownian_path_error", timing,
              brownian_path_error(ROOM, r * UM, path), "um", decimals=1)
        f.add("brownian_relative_" + key(r), "brownian_path_error", dict(timing, relative=1),
              brownian_path_error(ROOM, r * UM, path) / path, "%", decimals=1)
    seconds = BALANCE_WATCH
    f.add("brownian_05_watch", "brownian_jitter",
          {"celsius": ROOM, "radius_um": 0.5, "seconds": seconds},
          brownian_jitter(ROOM, 0.5 * UM, seconds), "um", decimals=0)


def notebook_rows(f, rise, rise_reading, fall, fall_reading):
    """The worked example's two timings as the notebook shows them: the fall with the supply off
    gives the radius, the sinking in the reversed field the charge."""
    fall_speed = EXAMPLE_RISE_TICKS * TICK / stopwatch_seconds(rise_reading)  # µm/s
    f.add("notebook_fall_speed", "reading_speed", rise, fall_speed * UM, "um/s", decimals=2,
          half_up=True)
    # Against gravity: down in the view.
    rise_speed = EXAMPLE_FALL_TICKS * TICK / stopwatch_seconds(fall_reading)
    f.add("notebook_rise_speed", "reading_speed", fall, rise_speed * UM, "um/s", decimals=2,
          half_up=True)
    measured = {"celsius": ROOM, "speed_um_s": fall_speed}
    radius = notebook_radius(ROOM, fall_speed * UM)
    f.add("notebook_radius", "notebook_radius", measured, radius, "um", decimals=3, half_up=True)
    motion = {"celsius": ROOM, "radius_um": radius / UM, "velocity_um_s": -rise_speed,
              "volts": -EXAMPLE_VOLTS}
    charge = notebook_charge(ROOM, radius, -rise_speed * UM, -EXAMPLE_VOLTS)
    f.add("notebook_charge", "notebook_charge", motion, charge, "1e-19C", decimals=3,
          half_up=True)
    f.add("notebook_charge_e", "notebook_charge", motion, charge, "e", decimals=2)


def worked_example(f):
    r, n = EXAMPLE_RADIUS * UM, EXAMPLE_CHARGES
    droplet = {"celsius": ROOM, "radius_um": EXAMPLE_RADIUS, "charges": n}

    # The readings: what the stopwatch shows (cut off at the tenth) and the balancing voltage.
    rise_path = EXAMPLE_RISE_TICKS * TICK
    rise = dict(droplet, volts=0, path_um=rise_path)
    rise_time = travel_time(ROOM, r, n, 0, rise_path * UM)
    rise_reading = stopwatch_text(rise_time)
    f.add("example_rise_time", "travel_time", rise, rise_time, "s", decimals=2)
    f.add("example_rise_reading", "stopwatch_reading", rise, rise_reading, relation="text")
    v0 = rise_path * UM / stopwatch_seconds(rise_reading)
    f.add("example_v0", "reading_speed", rise, v0, "um/s", decimals=1)
    f.add("example_v0_si", "reading_speed", rise, v0, "m/s", digits=3)

    balance = round(balancing_voltage(ROOM, r, n))
    f.add("example_balance", "balancing_voltage", droplet, balance, "V", decimals=0)
    below = droplet_speed(ROOM, r, n, -(balance - 1))
    above = droplet_speed(ROOM, r, n, -(balance + 1))
    assert below > 0 > above  # rises just below the balance, sinks just above it
    f.add("example_rise_below", "droplet_speed", dict(droplet, volts=-(balance - 1)), below,
          "um/min", decimals=0)
    f.add("example_sink_above", "droplet_speed", dict(droplet, volts=-(balance + 1), down=1),
          -above, "um/min", decimals=0)

    fall_path = EXAMPLE_FALL_TICKS * TICK
    fall = dict(droplet, volts=-EXAMPLE_VOLTS, path_um=fall_path)
    fall_reading = stopwatch_text(travel_time(ROOM, r, n, -EXAMPLE_VOLTS, fall_path * UM))
    assert droplet_speed(ROOM, r, n, -EXAMPLE_VOLTS) < 0  # it moves down the view
    f.add("example_fall_reading", "stopwatch_reading", fall, fall_reading, relation="text")
    v1 = fall_path * UM / stopwatch_seconds(fall_reading)
    f.add("example_v1", "reading_speed", fall, v1, "um/s", decimals=1)
    f.add("example_positive", "droplet_speed", dict(droplet, volts=EXAMPLE_VOLTS),
          droplet_speed(ROOM, r, n, EXAMPLE_VOLTS), "um/s", decimals=1)

    # The student's calculation from the readings, with the guide's formulas.
    measured = {"celsius": ROOM, "speed_um_s": v0 / UM}
    radius = radius_from_speed(ROOM, v0)
    f.add("example_radius", "radius_from_speed", measured, radius, "m", digits=3)
    f.add("example_radius_um", "radius_from_speed", measured, radius, "um", decimals=2)
    student = {"celsius": ROOM, "radius_um": radius / UM}
    weight = apparent_weight(ROOM, radius)
    f.add("example_weight", "apparent_weight", student, weight, "N", digits=4)
    q_balance = weight * PLATE_GAP / balance
    inputs = dict(student, volts=balance)
    f.add("example_q_balance", "balancing_charge", inputs, q_balance, "C", digits=3)
    f.add("example_q_balance_e", "balancing_charge", inputs, q_balance, "e", decimals=2)
    f.add("example_e_estimate", "balancing_charge", dict(inputs, per=n), q_balance / n, "C",
          digits=3)
    stokes = stokes_coefficient(ROOM, radius)
    f.add("example_stokes", "stokes_coefficient", student, stokes, "N*s/m", digits=4)
    q_timing = stokes * (v0 + v1) * PLATE_GAP / EXAMPLE_VOLTS
    inputs = dict(student, v0_um_s=v0 / UM, v1_um_s=v1 / UM, volts=EXAMPLE_VOLTS)
    f.add("example_q_timing", "timing_charge", inputs, q_timing, "C", digits=3)
    f.add("example_q_timing_e", "timing_charge", inputs, q_timing, "e", decimals=2)

    notebook_rows(f, rise, rise_reading, fall, fall_reading)


FIGURES = build()
