# English half of the guide. "~" is a non-breaking space; F("name") prints a figure of figures.py.

def write(d, F):
    d.set_lang(2057)
    d.title("Tessilar")
    d.subtitle("Measuring the elementary charge with oil droplets – a laboratory guide")

    d.h1("1. Aim of the experiment")
    d.p("The oil-drop experiment shows a basic property of electric charge: the charge of a body cannot "
        "take any value, it is always a whole-number multiple of a smallest portion, the **elementary "
        "charge** (//e//). Tiny oil droplets, about a micrometre in size, are sprayed between two "
        "horizontal capacitor plates and watched through a measuring microscope. Each droplet feels "
        "gravity, the buoyancy of the air, the drag of the air and, when a voltage is applied to the "
        "plates, the electric force. From the droplets' speeds and the plate voltage you can work out "
        "each droplet's radius and charge, and from the charges the elementary charge.")
    d.p(f"Tessilar simulates this experiment. The chamber holds {F('constant_DropletCount')} droplets at a time; you set the plate "
        "voltage between 0 and 1000~V and the chamber temperature between 0 and 100~°C, and you time the "
        "droplets with the program's stopwatch. Every timing goes into the program's notebook, which "
        "works out each droplet's radius and charge and estimates the elementary charge from them; you "
        "can work them out by hand as well. The program works with the physical constants and laws "
        "given in section 4, so your results can be checked against them exactly.")

    d.h1("2. Starting the program")
    d.p("The program starts with its Hungarian texts; section 3.6 tells how to switch to English. At "
        "start a small window (“Azonosító beadása”, enter identifier) asks for your identifier, for "
        "example your name or your group's code. OK (or Enter) goes on; “Mégse” (Cancel) or closing the "
        "window ends the program. The identifier appears in the title bar of the main window "
        "(“Tessilar-kísérlet~~~/~~~identifier”, with the English texts “Tessilar "
        "experiment~~~/~~~identifier”), so a screenshot shows who made the measurement.")
    d.note("**Important:** the identifier also names your notebook. Every timing you record goes "
           "into it at once and is kept on the computer, and when you start the program again with "
           "the same identifier, spelt the same way, the notebook comes back (section 8). Nothing "
           "else is kept: the droplets, the voltage and the temperature start afresh every time. "
           "Write down in your own notes what you did as well; the notebook holds only the readings.")

    d.h1("3. The apparatus and its controls")
    d.p("On the left of the main window is the round field of the microscope with its two scroll bars; "
        "next to it the thermostat with the thermometer column; on the right, one below the other, the "
        "panels of the injection, the stopwatch, the voltage supply and the exit. The notebook has a window "
        "of its own (section 8). The button and panel "
        "names below are those of the English texts, with the Hungarian texts, which the program starts "
        "with, in brackets.")

    d.h2("3.1. The measuring microscope and its field of view")
    d.p("In the black, circular field of the microscope the droplets appear as small yellow dots. On the "
        f"screen **1~pixel is {F('constant_PixelSize')}~µm** of the chamber. A droplet is shown only while it is less than 200~µm "
        "from the centre of the view, so an area about 0.4~mm across is visible at a time.")
    d.p("The field carries a white crosshair, the reticle. Both of its lines have **a tick every "
        "10~µm**; every second tick (every 20~µm) is longer, which makes counting easier. The ticks reach "
        "190~µm from the centre in each direction. You measure a droplet's path by counting ticks: "
        "//N// ticks mean a path of //N//~×~10~µm.")
    d.note("**The microscope shows an inverted image.** Droplets that really fall move **upwards** in the "
           "view. In this guide “up” and “down” always mean the directions seen in the view; gravity "
           "therefore points up in the view.")
    d.p("**Scroll bars.** The horizontal scroll bar below the field and the vertical one beside it shift "
        "the view when you want to follow a droplet. One step (for example one click on a scroll-bar "
        "arrow) moves the view by 4~µm; at the middle position the view is in its home position, and the "
        "two end positions are 200~µm away from it. The readout next to each bar shows the bar's position "
        "in millimetres, from 0.000 to 0.400~mm (0.200~mm in the middle; depending on the system "
        "the readout may show a decimal comma, 0,200~mm). Moving a bar's thumb right "
        "(down) moves the droplets right (down) in the view.")
    d.p("**Following a droplet.** Click a droplet in the field to follow it: a click within 6~pixels "
        "of a droplet's centre picks the nearest droplet, and its dot turns red. The program numbers "
        "its droplets from 1 to 100, and the number of the droplet you follow goes into every timing "
        "you record, so the notebook knows which rows belong to the same droplet (section 8). Once "
        "the notebook holds timings, the droplets of a new injection are numbered on from the next "
        "hundred (101, 102, ... or 201, 202, ...), so that a new droplet is never taken for an "
        "earlier one with the same number. A click "
        "on an empty part of the field, or Esc in the main window, ends the following. The droplet "
        "stays red when you scroll the view, and when it leaves the field and comes back; an "
        "injection ends the following, as the droplets are new.")

    d.h2("3.2. Injection")
    d.p("The **Inject droplets** button (“Befecskendezés”) sprays 100 new oil droplets into the chamber; the "
        "previous droplets disappear. The droplets have random radii from 0.5 to 1.5~µm. Spraying gives "
        "each droplet a positive charge of 1, 2 or 3 elementary charges, or none: about a quarter of the "
        "droplets are uncharged. They "
        "appear around the field of view, in a region about 0.8~mm wide and 0.8~mm high, and start at "
        "rest.")
    d.p("The spray also sets the air moving: after an injection the air **carries the droplets to the "
        f"left**. This drift starts at {F('constant_DriftVX')}~mm/s and dies away quickly, with a time "
        f"constant of {F('constant_DriftTau')}~s; in all, the droplets are carried about "
        f"{F('drift_path')}~mm to the left. After 2–3~s it is hardly noticeable, and "
        f"{F('drift_stop')}~s after the injection it has stopped completely. An injection also sets the view back to its "
        "home position and the scroll bars back to their centre (0.200~mm), and no droplet is "
        "followed any more.")

    d.h2("3.3. The voltage supply")
    d.p("The **Voltage** panel (“Feszültség”) is the power supply of the capacitor. The plates are "
        f"//d//~=~{F('constant_PlateGap_cm')}~cm apart, so a voltage //U// makes a field of strength "
        f"//E//~=~//U/////d// between them ({F('field_500')}~V/m at 500~V).")
    d.bullet("**Voltage field:** type the magnitude of the voltage in volts here, as a whole number from "
             "0 to 1000~V; it takes effect as you type. A value above 1000 becomes 1000, a negative one 0, "
             "and anything that is not a whole number is ignored (the supply keeps the last valid value). "
             "The **spin buttons** beside the field, and the Up and Down keys in the field, step by 2~V from "
             "the number in the field, between 0 and 995~V.")
    d.bullet("**On/Off button** (“Be/Ki”) **and lamp:** switch the supply on and off. The lamp is dark "
             "teal while the supply is off and bright green while it is on. With the supply off the "
             "plates are at 0~V, whatever the field shows.")
    d.bullet("**Reverse button** (“Pólusváltás”): reverses the polarity of the plates. At "
             "start the polarity is positive, the supply is off and the voltage set is 0~V.")
    d.bullet("**Voltmeter:** a dial with a scale from −1000~V to +1000~V. It shows the signed voltage "
             "actually on the plates: with positive polarity the needle swings right, with reversed "
             "polarity left, and with the supply off it stands upright (0~V).")
    d.note("With positive polarity (needle to the right) the electric force pushes positively charged "
           "droplets the **same way** as gravity, up in the view, so they rise faster. To balance a "
           "droplet you must therefore **reverse the polarity** (needle to the left); then the electric "
           "force acts against gravity.")

    d.h2("3.4. Thermostat and thermometer")
    d.p("Type the chamber's set temperature in degrees Celsius into the field of the **Temperature** "
        "panel (“Hőmérséklet”), from 0 to 100~°C, with a decimal point where needed (for example 35.5; "
        "a decimal comma is not understood). The thermostat takes each number over as you type it, "
        "and the field keeps your text as you typed it. When you press Enter or leave the field, it "
        "shows the set temperature with two decimals (35.50): a value above 100 becomes 100.00, a "
        "negative one 0.00, and a field left empty or holding no number shows the set temperature "
        "again. The spin buttons, and the Up and Down keys in the field, step by whole degrees and set "
        "the temperature at once. The panel's thermometer (scale 0 to 100~°C) shows the **present** temperature of the air in the "
        "chamber. At start the chamber is at 20~°C.")
    d.p("The air does not reach the set temperature at once: it approaches it exponentially with a time "
        f"constant of {F('constant_ThermalTau')}~s. After 10~s {F('temperature_10s')}% of the change has "
        f"happened, after 30~s {F('temperature_30s')}%, after 50~s about {F('temperature_50s')}%. The viscosity and the density of the air change with the temperature, and so do the "
        "droplets' speeds (see sections 4 and 5).")
    d.note("An injection does not change the chamber temperature: a change of temperature that is "
           "under way simply goes on after the injection.")

    d.h2("3.5. Stopwatch")
    d.p("The display of the **Stopwatch** panel (“Stopperóra”) shows the time as minutes:seconds,tenths "
        f"(for example {F('stopwatch_example')} is 1~minute 15.3~s). **Start/Reset** starts the watch from zero (pressed "
        "while it runs, it starts again from zero); **Stop** stops it and the display keeps the last "
        "value. The display cuts the time off at the tenth of a second, so a reading is at most 0.1~s "
        "short, on top of your reaction time. The keys **F5** (Start/Reset) and **F6** (Stop) work "
        "the same from any of the program's windows, and **F8** records the reading as a new row of "
        "the notebook (section 8).")
    d.note("The stopwatch measures the **simulation's own time**, in simulated seconds. The simulation "
           "runs somewhat slower than real time (at most 10/11 of real speed), slower still on a busy "
           "computer. It keeps running while a menu is open, while the notebook window is open or while "
           "you read this guide, and it **stands still** only while the About box, the language dialog "
           "or a file dialog of the notebook (Export CSV…, Save report…) is open. Always time droplets "
           "with the program's stopwatch, never with your own watch.")

    d.h2("3.6. Menus, function keys and exit")
    d.bullet("The **Exit** menu item, the **Exit** button of the exit panel (both “Vége”) or closing the "
             "window: ends the program. The notebook needs no saving: it is written after every change.")
    d.bullet("The **Measurement** menu (“Mérés”): **Notebook…** (“Jegyzőfüzet…”, F7) opens the "
             "notebook window or brings it to the front (section 8); **Ionise** (“Ionizálás”, F9) "
             "fires one burst of the ionising source (section 10); **Brownian motion** "
             "(“Brown-mozgás”) switches the thermal jitter of the droplets on and off (section 11.2); "
             "**Real air** (“Valódi levegő”) fills the chamber with real air, in which small "
             "droplets slip through the air and fall faster than Stokes' law says, and shows the "
             "pressure field under the microscope (section 11.3). A tick beside these two shows that "
             "they are on; at start they are off.")
    d.bullet("The **Help** menu (“Súgó”): **About** (“Névjegy”) shows the program's details (the "
             "simulation stands still while it is open); **Description** (“Leírás”) opens this guide with "
             "the system's viewer for RTF documents or, where the system has none, in a window of the "
             "program's own; **Language…** (“Nyelv…”) chooses the language of the texts from the folders "
             "beside the program: choose “English” for the English texts, “Magyar” for the Hungarian "
             "ones; **Teacher's settings…** (“Tanári beállítások…”) gives a lesson's settings out "
             "(section 8.5).")
    d.p("The function keys F5 to F9 work from any of the program's windows, Esc and Del where the "
        "table says:")
    d.table([
        ["Key", "What it does"],
        ["F5", "starts the stopwatch from zero (Start/Reset)"],
        ["F6", "stops the stopwatch (Stop)"],
        ["F7", "opens the notebook window or brings it to the front"],
        ["F8", "records the stopwatch reading as a new row of the notebook"],
        ["F9", "fires one burst of the ionising source"],
        ["Esc", "in the main window: follows no droplet any more"],
        ["Del", "in the notebook's table: deletes the selected rows"],
    ], [1300, 6500], align=["c", "l"])

    d.h1("4. The forces on a droplet")
    d.p("Take an oil droplet of radius //r// and charge //q// that moves at speed //v// relative to the "
        "air. The forces on it are:")
    d.bullet("gravity: //F//_{g}~=~//m g//~=~(4/3)~π~//r//^{3}~ρ_{oil}~//g//;")
    d.bullet("the buoyancy of the air (against gravity): //F//_{b}~=~(4/3)~π~//r//^{3}~ρ_{air}~//g//;")
    d.bullet("the drag of the air (Stokes' law, against the motion): //F//_{s}~=~6~π~η~//r v//;")
    d.bullet("the electric force: //F//_{e}~=~//q E//~=~//q U/////d//.")
    d.p("Gravity and buoyancy together give an “apparent weight” of "
        "(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//. The program uses these constants:")
    d.table([
        ["Quantity", "Symbol", "Value in the program"],
        ["density of the oil", "ρ_{oil}", f"{F('constant_OilDensity')}~kg/m^{{3}}"],
        ["gravitational acceleration", "//g//", f"{F('constant_Gravity')}~m/s^{{2}}"],
        ["density of the air", "ρ_{air}",
         f"{F('constant_AirDensity0')}~kg/m^{{3}}~×~{F('constant_RefTemp')}~K~/~//T//"],
        ["viscosity of the air", "η",
         f"{F('constant_ViscSlope')}~×~√//T//~−~{F('constant_ViscOffset')}~Pa·s"],
        ["absolute temperature", "//T//", f"//t//~(°C)~+~{F('constant_CelsiusOffset')}, in kelvin"],
        ["distance between the plates", "//d//",
         f"{F('constant_PlateGap_cm')}~cm~=~{F('constant_PlateGap')}~m"],
        ["elementary charge (for checking)", "//e//", f"{F('constant_ElemCharge')}~C"],
        ["pixel / tick in the microscope", "–",
         f"1~pixel~=~{F('constant_PixelSize')}~µm, 1~tick~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p(f"At 20~°C (//T//~=~{F('kelvin_20')}~K): η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{air}}~=~{F('air_density_20')}~kg/m^{{3}}, "
        f"ρ_{{oil}}~−~ρ_{{air}}~=~{F('density_difference_20')}~kg/m^{{3}}.")
    d.table([["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{air} (kg/m^{3})"]] + [
        [F.num(t), F(f"kelvin_{t}"), F(f"viscosity_{t}"), F(f"air_density_{t}")]
        for t in (0, 20, 50, 100)
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p(f"The viscosity of the air thus rises with the temperature (by {F('viscosity_rise')}% from 0 "
        "to 100~°C) and its density falls.")

    d.h1("5. Stokes' law and terminal speeds")
    d.p("A sphere of radius //r// moving at speed //v// through a fluid of viscosity η feels a drag force "
        "//F//~=~6~π~η~//r v// (Stokes' law). A droplet speeds up until the drag balances the sum of the "
        "other forces; from then on it moves at a constant **terminal speed**. For droplets of a "
        f"micrometre this takes about {F('relaxation_10')}~µs, so whenever the voltage changes the droplets take up their "
        "new speed practically at once.")
    d.p("**With the supply off** the apparent weight and the drag balance:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//"
              "~~~~~⇒~~~~~//v//_{0}~=~2~//r//^{2}~(ρ_{oil}~−~ρ_{air})~//g//~/~(9~η)")
    d.p("**With the supply on** the electric force acts on a charged droplet as well, and its speed "
        "changes by //qU//~/~(6~π~η~//r d//):")
    d.formula("//v//~=~//v//_{0}~±~//q U//~/~(6~π~η~//r d//)")
    d.p("The “+” holds for positive polarity (the droplet rises faster in the view), the “−” for "
        "reversed polarity (the droplet rises more slowly, stops or starts moving down in the view). "
        "The speed of an uncharged droplet does not depend on the voltage.")
    d.p("Some speeds as the program shows them at 20~°C (µm/s, which is also pixels per second; positive "
        "values mean up in the view, negative values down):")
    d.table([
        ["//r// (µm)", "//v//_{0}, supply off", "change per elementary charge at 500~V",
         "1~//e//, −500~V", "2~//e//, −500~V", "3~//e//, −500~V"],
    ] + [
        [F.num(r, 1), F(f"speed_{k}"), F(f"change_per_e_{k}"), F(f"speed_{k}_1e_reversed"),
         F(f"speed_{k}_2e_reversed"), F(f"speed_{k}_3e_reversed")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p(f"A droplet of radius 1~µm thus rises about {F('speed_10_whole')}~µm/s "
        f"({F('speed_10_whole')}~pixels per second) in the view with the supply off, and a single "
        f"elementary charge at 500~V changes its speed by about {F('change_per_e_10_whole')}~µm/s. The "
        f"formula gives //v//_{{0}}~=~{F('formula_speed_10')}~µm/s at 20~°C. The program's speeds are "
        "slightly lower, because it moves the droplets in steps of 1~ms and each step loses the short "
        f"time the droplet needs to take up its speed: {F('shortfall_10')}% for a droplet of 1~µm and "
        f"at most {F('shortfall_largest')}% for the largest droplets, about as much as the reading "
        "error of the stopwatch.")
    d.p("In the real experiment Stokes' law needs a correction for droplets this small, because their "
        "size is comparable with the mean free path of the air molecules. In the program's ideal "
        "chamber, as it starts, there is no such effect, so the formulas above hold as they stand; "
        "with real air (section 11.3) the droplets slip as in the real apparatus.")

    d.h1("6. Measuring methods")
    d.p("In both methods you find the droplet's radius from its speed **with the supply off** "
        "(//v//_{0}). Time how long (//t//_{0}) it takes to cover //N// ticks (a path of "
        "//N//~×~10~µm): //v//_{0}~=~//N//~×~10~µm~/~//t//_{0}. The terminal-speed formula then gives")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{oil}~−~ρ_{air})~//g//))")

    d.h2("(a) Balancing a droplet")
    d.p("When the droplet stands still (is balanced) with the supply on, the electric force exactly "
        "cancels the apparent weight and there is no drag:")
    d.formula("//q U/////d//~=~(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//~~~~~⇒~~~~~"
              "//q//~=~(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g d//~/~//U//")
    d.p("Here //U// is the magnitude of the balancing voltage (with reversed polarity the voltmeter "
        "shows it on its negative side). Step by step:")
    d.num("1.", "Press Inject droplets and wait until the sideways drift of the droplets has stopped (at least "
          f"3~s, {F('drift_stop')}~s for accurate work).")
    d.num("2.", "Switch the supply on, reverse the polarity (the needle swings left) and set, for "
          "example, 300~V.")
    d.num("3.", "Pick a droplet that moves slowly. Adjust the voltage in small steps (by typing or with "
          "the spin buttons) until the droplet stays on the same tick for at least 20–30~s. Write down "
          "the balancing voltage //U//.")
    d.num("4.", "With a slightly higher voltage bring the droplet into the lower part of the field, then "
          "switch the supply off: the droplet starts moving up in the view. Time how long it takes to "
          "cover //N// ticks; this gives //v//_{0} and then //r//.")
    d.num("5.", "Work out the charge with the formula above.")
    d.p("The balancing voltage is proportional to the cube of the droplet's radius. The supply gives at most "
        f"1000~V, so droplets larger than about {F('largest_balanced_short')}~µm cannot be balanced; use "
        "method (b) for them. Balancing voltages at 20~°C:")
    d.table([["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"]] + [
        [F.num(r, 1)] + [F(f"balancing_{k}_{n}e") + "~V" for n in (1, 2, 3)]
        for r, k in ((0.5, "05"), (0.6, "06"), (0.7, "07"), (0.8, "08"), (1.0, "10"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)

    d.h2("(b) Timing the motion")
    d.p("Measure the speed of the same droplet with the supply off (//v//_{0}) and with the supply on at "
        "voltage //U// (//v//_{1}). With reversed polarity the electric force acts against gravity, and "
        "the two balances of forces are")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//~~~~~(supply off),")
    d.formula("//q U/////d//~−~(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//~=~6~π~η~//r v//_{1}"
              "~~~~~(supply on),")
    d.p("and from the two:")
    d.formula("//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~//U//")
    d.p("**Signs:** //v//_{0} is the speed with the supply off, up in the view, and is positive. "
        "//v//_{1} is the speed with the supply on, counted positive **down in the view**; if the droplet "
        "still moves up with reversed polarity, only more slowly, //v//_{1} is negative. //U// is the "
        "magnitude of the voltage. If you measure with positive polarity, the droplet rises faster; "
        "then //v//_{1} is minus that rising speed, that is //q//~=~6~π~η~//r//~(//v//_{on}~−~//v//_{0})"
        "~//d//~/~//U//, where //v//_{on} is the rising speed with the supply on. For an uncharged "
        "droplet //v//_{1}~=~−//v//_{0}, so //q//~=~0.")
    d.p("This method needs no exact balance and works for large droplets too. By switching the supply "
        "off and on you can move the same droplet up and down several times and repeat the "
        "measurement.")

    d.h2("(c) How the notebook works out radius and charge")
    d.p("The notebook (section 8) uses the formulas of section 5 with one sign rule for every row:")
    d.formula("//v//_{0}~=~2~//r//^{2}~(ρ_{oil}~−~ρ_{air})~//g//~/~(9~η)~~~~~⇒~~~~~"
              "//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{oil}~−~ρ_{air})~//g//))")
    d.formula("//v//~=~//v//_{0}~+~//q U//~/~(6~π~η~//r//·//d//)~~~~~⇒~~~~~"
              "//q//~=~6~π~η~//r//·//d//·(//v//~−~//v//_{0})~/~//U//")
    d.p("Here //v// is the speed of the row counted **positive with gravity** (“fall”, up in the "
        "view), **negative against it** (“rise”, down in the view) and 0 when the droplet is held "
        "still (“balanced”); //U// is the **signed** plate voltage, negative with reversed polarity. "
        "With these signs one formula serves both methods. For a balanced droplet (//v//~=~0, "
        "//U//~<~0) it gives the charge of method (a), because 6~π~η~//r v//_{0} is the apparent "
        "weight. For a droplet that sinks in a reversed field (//v//~=~−//v//_{1}, //U//~=~−|//U//|) "
        "it gives //q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~|//U//| of method (b). The "
        "table works row by row:")
    d.bullet("**Speed:** //N//~×~10~µm divided by the time; 0 for a balanced row.")
    d.bullet("**Radius:** every “fall” row of a droplet with the supply off (voltage 0) gives a radius, "
             "at that row's own temperature. The mean of these radii is the droplet's radius, shown "
             "on every row of that droplet; the rows of a droplet are those with the same droplet "
             "number.")
    d.bullet("**Charge:** every row of the droplet with the supply on, timed or balanced, gives a "
             "charge from the droplet's radius and the row's own direction, speed, voltage and "
             "temperature (η, ρ_{air} and //v//_{0} at that temperature).")
    d.bullet("A cell that cannot be worked out yet stays empty: a row without a droplet number, or a "
             "droplet that has no fall with the supply off, has no radius and no charge.")
    d.p("The droplet of the worked example (section 7), recorded as droplet 7, gives these two rows:")
    d.table([
        ["Droplet", "Ticks (//N//)", "Distance (µm)", "Time (s)", "Direction", "//U// (V)",
         "//t// (°C)", "Speed (µm/s)", "Radius (µm)", "Charge (10^{−19}~C)"],
        ["7", "30", "300", F.reading("example_rise_reading"), "fall", F.num(0), F.num(20, 2),
         F("notebook_fall_speed"), F("notebook_radius"), ""],
        ["7", "10", "100", F.reading("example_fall_reading"), "rise", F.num(-500), F.num(20, 2),
         F("notebook_rise_speed"), F("notebook_radius"), F("notebook_charge")],
    ], [900, 800, 950, 650, 1050, 700, 700, 900, 850, 1050], align=["c"] * 10)
    d.p(f"The first row gives //r//~=~√(9~η~×~{F('notebook_fall_speed')}~µm/s~/~"
        f"(2~(ρ_{{oil}}~−~ρ_{{air}})~//g//))~=~{F('notebook_radius')}~µm. In the second the droplet "
        f"moves against gravity, so //v//~=~−{F('notebook_rise_speed')}~µm/s, and //U//~=~−500~V:")
    d.formula(f"//q//~=~6~π~η~//r//·//d//·(−{F('notebook_rise_speed')}~−~{F('notebook_fall_speed')})"
              f"~µm/s~/~(−500~V)~=~{F('notebook_charge')}×10^{{−19}}~C~≈~{F('notebook_charge_e')}~//e//,")
    d.p("the result of method (b) in section 7, to the rounding of the speeds.")

    d.h1("7. Worked example")
    d.p(f"The measurement was made at 20~°C (η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{oil}}~−~ρ_{{air}}~=~{F('density_difference_20')}~kg/m^{{3}}). The readings below are the "
        "ones the program really gives for one of its droplets.")
    d.p("**The radius.** With the supply off the chosen droplet covered 30~ticks (300~µm) upwards in the "
        f"view while the stopwatch ran to {F('example_rise_reading')} (the droplet really took "
        f"{F('example_rise_time')}~s; the display cuts off the rest). So //v//_{{0}}~=~300~µm~/~"
        f"{F.reading('example_rise_reading')}~s~=~"
        f"{F('example_v0')}~µm/s~=~{F('example_v0_si')}~m/s, and")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{oil}~−~ρ_{air})~//g//))~=~"
              f"{F('example_radius')}~m~≈~{F('example_radius_um')}~µm.")
    d.p("Its apparent weight is")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//~=~"
              f"{F('example_weight')}~N.")
    d.p(f"**(a) Balancing.** With reversed polarity the droplet practically stopped at "
        f"{F('example_balance')}~V (at {F.num(F.number('example_balance') - 1)}~V it still "
        f"rose about {F('example_rise_below')}~µm per minute, at "
        f"{F.num(F.number('example_balance') + 1)}~V it sank about {F('example_sink_above')}~µm "
        "per minute in the view). The charge is")
    d.formula(f"//q//~=~{F('example_weight')}~N~×~{F('constant_PlateGap')}~m~/~{F('example_balance')}~V~=~"
              f"{F('example_q_balance')}~C~≈~{F('example_q_balance_e')}~//e//.")
    d.p("The charge is therefore 2 elementary charges, which gives "
        f"//e//~≈~{F('example_q_balance')}~C~/~2~=~{F('example_e_estimate')}~C. The small excess "
        "comes from the stopwatch: its display cuts the time off, so //v//_{0} and with it //r// come "
        "out slightly too large. A longer path or repeated timings make this error smaller.")
    d.p("**(b) Timing.** With reversed polarity at 500~V the droplet moved down in the view and covered "
        f"10~ticks (100~µm) in {F('example_fall_reading')}: //v//_{{1}}~=~100~µm~/~"
        f"{F.reading('example_fall_reading')}~s~=~{F('example_v1')}~µm/s "
        f"(positive, since it moves down). With 6~π~η~//r//~=~{F('example_stokes')}~N·s/m,")
    d.formula(f"//q//~=~{F('example_stokes')}~N·s/m~×~({F('example_v0')}~+~{F('example_v1')})×10^{{−6}}~m/s"
              f"~×~{F('constant_PlateGap')}~m~/~500~V~=~{F('example_q_timing')}~C~≈~"
              f"{F('example_q_timing_e')}~//e//.")
    d.p("The two methods agree: the droplet carries 2~//e//. For comparison, with positive polarity at "
        f"500~V the same droplet would rise at {F('example_positive')}~µm/s in the view.")
    d.p(f"**A droplet of radius 1~µm** rises at about {F('speed_10')}~µm/s ({F('speed_10_whole')}~pixels "
        f"per second) with the supply off: it covers 20~ticks in only {F('time_20_ticks_10')}~s, so time "
        "large droplets over a longer path. If it carries one elementary charge, 500~V changes its "
        f"speed by about {F('change_per_e_10')}~µm/s: to {F('speed_10_1e_reversed')}~µm/s with reversed "
        f"polarity and to {F('speed_10_1e_positive')}~µm/s with positive polarity.")

    d.h1("8. The measurement notebook")
    d.p("The notebook window (Measurement → Notebook…, or F7) keeps your timings in a table, one row "
        "per timing, and works out speed, radius and charge from them. The window does not stop the "
        "simulation: keep it open beside the main window while you measure.")

    d.h2("8.1. Recording a timing")
    d.num("1.", "Click the droplet you want to time, so that it turns red (section 3.1).")
    d.num("2.", "Press F5 as the droplet passes a tick, and F6 when it has covered //N// ticks.")
    d.num("3.", "Press F8: a new row appears at the end of the table with the stopwatch reading and "
          "the voltage and temperature of that moment.")
    d.num("4.", "Check the droplet number, the number of ticks and the direction in the new row, and "
          "correct them where needed: double-click the cell, or select it and type.")
    d.p("F8 takes what the stopwatch shows at that moment, also while it runs; stop it first. Only "
        "the droplet, the ticks and the direction can be changed in the table; the time, the voltage "
        "and the temperature are the readings themselves.")

    d.h2("8.2. The columns")
    d.table([
        ["Column", "What it holds"],
        ["Droplet (“Csepp”)", "the number of the droplet you followed, or empty when you followed "
         "none; you may type another number, or clear the cell"],
        ["Ticks //N// (“Osztás”)", "the ticks covered: at first the previous row's number, 30 in "
         "the first row; type the number you counted. The distance (“Út”) beside it is "
         "//N//~×~10~µm."],
        ["Time (“Idő”)", "the stopwatch reading as shown, in seconds"],
        ["Direction (“Irány”)", "**fall** (“esés”): with gravity, up in the view; **rise** "
         "(“emelkedés”): against gravity, down in the view; **balanced** (“lebegés”): held still, "
         "speed 0. A new row says rise when the supply is on with reversed polarity and fall "
         "otherwise; choose from the list when the droplet went the other way or stood still."],
        ["Voltage (“Feszültség”)", "the signed plate voltage when you recorded, V: 0 with the supply "
         "off, negative with reversed polarity"],
        ["Temperature (“Hőmérséklet”)", "the chamber temperature when you recorded, °C, with two "
         "decimals"],
        ["Speed, Radius, Charge (“Sebesség”, “Sugár”, “Töltés”)", "worked out as in section 6 (c): "
         "the speed in µm/s, the radius in µm, the charge in 10^{−19}~C; empty where they cannot "
         "be worked out yet"],
    ], [2600, 6400], align=["l", "l"])
    d.note("“Fall” and “rise” name the real motion, not the view: in the inverted view a falling "
           "droplet moves **up**. A droplet that still moves up in a reversed field is falling, "
           "only more slowly.")

    d.h2("8.3. Buttons, histogram and estimate")
    d.bullet("**Delete selected rows** (“Kijelölt sorok törlése”), or the Del key in the table: deletes "
             "the rows you have selected (click a row number; Ctrl or Shift adds more rows).")
    d.bullet("**Export CSV…** (“Exportálás CSV-be…”): saves the table as a CSV file wherever you choose "
             "(the format is in section 8.4).")
    d.bullet("**Save report…** (“Jelentés mentése…”): saves an A4 PDF with a title, your identifier, "
             "the date and time, the table, the histogram and the estimate. This is what you hand in.")
    d.p("Under the table a **histogram** shows the charges by their size, in bins of "
        "0.1×10^{−19}~C, from 0 to at least 6×10^{−19}~C (further when a charge is larger); faint "
        "dashed lines mark the whole multiples of the estimate. Below it stands the **estimate** of "
        "the elementary charge with its uncertainty, the number of charges it rests on and its "
        f"deviation from the accepted {F('constant_ElemCharge')}~C; section 9 tells how it is made.")

    d.h2("8.4. Where the notebook is kept")
    d.p("Each identifier has a notebook of its own, the file <identifier>.csv in the folder "
        "$XDG_DATA_HOME/tessilar/notebooks, or $HOME/.local/share/tessilar/notebooks when the "
        "variable XDG_DATA_HOME is not set (characters that cannot stand in a file name, such as "
        "“/”, become “_”). The program writes the file after every change, in one step, so that it "
        "always holds either the old table or the new one, and reads it back when the same "
        "identifier starts the program again.")
    d.bullet("A notebook that cannot be read (damaged, or edited by hand into another form) is never "
             "overwritten: it is renamed in the same folder to "
             "<identifier>.damaged-<date-time>.csv, a message says so, and an empty notebook starts. "
             "If even the renaming fails, the file is left as it is, and the rows of this session "
             "stay in memory only: save them with Export CSV….")
    d.bullet("When the folder cannot be written, a message says so once; the table keeps working, "
             "and you can save its rows elsewhere with Export CSV….")
    d.p("The file is a CSV table (UTF-8, with “.” as the decimal point) that spreadsheet programs "
        "open. Its first line is")
    d.formula("droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,"
              "radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa")
    d.p("and every further line is a row of the table, with the direction written as fall, rise or "
        "balanced. The last four cells say whose droplet it was: your identifier as you typed it, "
        "and in a chamber a teacher's class code makes your own (section 8.5) which of your sprays "
        "it came from and how many ionising bursts had gone into that spray; the pressure, in kPa, "
        "is filled in for rows timed in real air only (section 11.3). When the program reads a notebook back, it takes the droplet, ticks, time, "
        "direction, voltage, temperature and those four cells and works out the rest again; a "
        "notebook of the first ten columns alone, as earlier versions wrote it, still opens. The ⚡ "
        "mark of section 10 is kept beside the notebook, in the file <identifier>.bursts.")

    d.h2("8.5. For teachers")
    d.p("Settings in the Tessilar.ini file of the program folder (not of a language folder) "
        "adjust the program for a class:")
    d.bullet("**Calculations=0** in the **[Notebook]** section hides the radius and charge columns, "
             "the histogram and the estimate, so that the students work them out by hand (section 6); "
             "the notebook file and the report then leave those columns empty.")
    d.bullet("**BrownianMotion=1** in the **[Settings]** section switches Brownian motion on from the "
             "start (section 11.2); it can still be switched off in the Measurement menu.")
    d.bullet("**RealAir=1** in the **[Settings]** section fills the chamber with real air from the "
             "start (section 11.3), as **?realair=1** does in the browser edition's address; it can "
             "still be switched off in the Measurement menu.")
    d.bullet("**ClassCode=//code//** in the **[Assessment]** section gives every student a chamber "
             "of their own: the droplets of a student's sprays and the change each ionising burst "
             "makes follow from the code and the identifier alone, the same in the browser edition "
             "(there the address's **?class=//code//**), whatever else the student does. The code "
             "is any text of up to 64 characters without markup or control characters; a code that "
             "cannot be used is said, and the chamber is then sprayed at random.")
    d.bullet("**Language=English** in the **[Settings]** section starts the program in English, and "
             "**Droplets=//N//** there says how many droplets a student is asked to time (8 unless "
             "set): the notebook window counts them (“Droplets timed: 3 of 8”), and on a learning "
             "platform the lesson is complete when they are timed.")
    d.p("**Help → Teacher's settings…** gathers all of these in one dialog and gives them out in "
        "every form a lesson needs: the address of the browser edition with the settings as its "
        "parameters (type the address where you put the page, then **Copy address**) and its QR "
        "code for the students' phones; the lines for this Tessilar.ini; **Save page…**, a copy of "
        "the browser edition's page with the settings inside it, which starts with them from "
        "anywhere it is opened (a parameter in its address still wins); and **Save SCORM "
        "package…**, the same page as a SCORM 1.2 package for a learning platform's SCORM "
        "activity. On the platform the page takes the learner's name for the identifier, keeps "
        "the notebook with the platform after every change (and finds it again in a later "
        "attempt or on another device), and reports the lesson as complete, with a score of the "
        "share of the droplets timed and every charge and the estimate of //e//. A notebook too "
        "large for the platform's 4096 characters, or a platform that refuses it, is said once, "
        "and the notebook stays in the browser. The settings in force are listed in the About "
        "box. The package installs the page and the package in /usr/share/tessilar/web.")
    d.p("The code gives honest students distinct chambers, and with it the answer key shows which "
        "rows were copied, invented or misread. It is no lock: a student who takes the program "
        "apart could work a chamber out.")
    d.p("The command **tessilar --report NOTEBOOK.csv REPORT.pdf** writes the report of a student's "
        "notebook file as a PDF without opening a window (the identifier in it is the file's name) "
        "and prints the estimate of //e//. For a notebook that cannot be read it names the file and "
        "the line and writes no PDF.")
    d.p("**tessilar --class-report CLASS.pdf --class-code //code// NOTEBOOK.csv …** pools a class's "
        "notebooks into one report and adds the **answer key**: every row is checked against what "
        "its student's chamber truly held at that moment. Each student's pages end with a table "
        "of the rows, the droplet's true radius and charge and the charge the row gives, with a "
        "verdict: //right// (the row's charge is nearest the true whole multiple), //misread// "
        "(the row comes from that droplet, but its charge is nearest another multiple), //from "
        "this chamber// (no charge to judge) or //not from this chamber// (its speed is more than "
        "25~% from the speed the droplet truly had, as with a copied or an invented row). The "
        "class's table tells, for each student, how many rows fit their chamber and how many "
        "charges are right, and marks a notebook whose rows name another student, or share rows "
        "with another student's notebook that fit the other's chamber better, as a copy. Since "
        "the rows name their student, a notebook renamed on its way (“anna (1).csv”) is still "
        "checked against its student's chamber. In the browser edition the notebook window's "
        "“Class code” field does the same for its “Class report…”.")

    d.h1("9. Estimating the elementary charge")
    d.p("The notebook estimates //e// from all the charges in its table, as you would from the "
        "histogram: it looks for the largest portion of charge of which nearly every measured charge "
        "is a whole multiple. Which charges count:")
    d.bullet("Charges smaller than 0.3×10^{−19}~C in size belong to uncharged droplets (what is "
             "measured is only the error) and are left out.")
    d.bullet("A negative charge counts by its size.")
    d.bullet("With fewer than 3 charges left, or fewer than 3 close to whole multiples of the value "
             "found, the window says that there is not enough data.")
    d.p("The method, step by step:")
    d.num("1.", "The candidate value //e// starts at 1.2 times the smallest charge and is lowered in "
          "small steps (0.1% at a time). The first candidate, that is the largest, for which at least "
          "90% of the charges lie within 0.2~//e// of a whole multiple //n e// (//n//~=~1, 2, 3, …) is "
          "kept. If no candidate gets that far, the one that fits the most charges is kept.")
    d.num("2.", "Each charge that lies that close is divided by its //n//, and the mean of these "
          "//q/////n// values becomes the new //e//. This step is done twice, because the new //e// "
          "may change which charges lie close to a multiple.")
    d.num("3.", "The uncertainty is the standard error of the //q/////n// values: their standard "
          "deviation divided by the square root of their number. The window also shows how many "
          f"charges were used and the deviation from {F('constant_ElemCharge')}~C.")
    d.p("Why the largest candidate? Charges that are whole multiples of //e// are whole multiples of "
        "//e///2, //e///3, … as well; the data can only show the largest portion that all of them "
        "share. The method therefore has limits, and you should know them:")
    d.bullet("**Only even multiples.** If every droplet you measured carries 2~//e// or 4~//e//, the "
             "charges are whole multiples of 2~//e// just as well, and the estimate is 2~//e//. No "
             "method can tell //e// from 2~//e// from such data. Look for droplets whose charges lie "
             "between the groups, or change a droplet's charge by one //e// with the ionising source "
             "(section 10).")
    d.bullet("**Nearly all one multiple.** Data in which nearly every charge is the same multiple "
             "(for example all near 2~//e//) is just as ambiguous: the estimate is that multiple. "
             "Measure many different droplets.")
    d.bullet("**Large droplets with small charges.** The field changes a large droplet's speed only a "
             f"little: a droplet of 1.5~µm falls at {F('speed_15')}~µm/s with the supply off, and one "
             f"elementary charge at 500~V changes that by only {F('change_per_e_15')}~µm/s. Its charge "
             "is then the small difference of two large speeds, and the timing errors dominate it. "
             "Prefer small droplets, and a reversed voltage that makes the droplet clearly sink "
             "(move down in the view).")
    d.p("Check the estimate against the histogram: the bars should stand on the dashed lines. A bar "
        "half-way between two lines is a charge to measure again.")

    d.h1("10. The ionising source")
    d.p("An ionising source (a weak X-ray or radioactive source in the real experiment) makes ions "
        "in the air, and droplets that pick them up change their charge. In the program one burst "
        "(F9, or Measurement → Ionise) works like this: each droplet in the chamber, with a "
        "probability of 1/3, gains or loses exactly one elementary charge, either with equal chance; "
        "the others keep their charge. The burst moves nothing: positions, speeds and radii stay as "
        "they are, but in a field a droplet whose charge changed takes up its new speed at once.")
    d.p("A charge can thus become 0 (the droplet no longer reacts to the field) or negative. The "
        "electric force //q U/////d// changes its sign with //q//: the reversed field that pushes a "
        "positive droplet against gravity pushes a negative one with gravity. A negative droplet "
        "therefore moves the other way in the field: with reversed polarity it falls faster, up in the "
        "view, and only positive polarity can balance it. For example, at −500~V a droplet of 1~µm "
        f"with one elementary charge moves up in the view at {F('speed_10_1e_reversed')}~µm/s, with "
        f"one negative elementary charge at {F('speed_10_minus1e_reversed')}~µm/s. The notebook gives "
        "such a droplet a negative charge; the estimate counts it by its size.")
    d.p("The first row you record after a burst is marked ⚡ beside its row number, in the table and "
        "in the report: the charges before and after it may differ.")
    d.p("**An experiment: a charge changes by one //e//.**")
    d.num("1.", "Follow one droplet (click it) and time its fall with the supply off (F5, F6, F8): "
          "this gives its radius.")
    d.num("2.", "Switch on a reversed voltage, for example 500~V, and time the droplet in the field: "
          "its charge appears in the notebook.")
    d.num("3.", "Fire bursts (F9) one at a time and watch the droplet until its speed in the field "
          "changes in a step. At 500~V one elementary charge changes the speed by "
          f"{F('change_per_e_05')}~µm/s for a droplet of 0.5~µm and by {F('change_per_e_10')}~µm/s for "
          "one of 1~µm. A burst changes a given droplet's charge only one time in three on average.")
    d.num("4.", "Time the droplet in the field again: its new charge differs from the old one by one "
          "elementary charge, whatever the number of charges it carried. Repeat it a few times.")

    d.h1("11. Errors of measurement")
    d.h2("11.1. Timing")
    d.p("The stopwatch display cuts the time off at the tenth of a second (section 3.5), and your "
        "reactions at the start and the stop add more. Both weigh less the longer the timing: time "
        "over many ticks, and repeat. The program's own speeds are a little lower than the formula's, "
        f"by {F('shortfall_10')}% for a droplet of 1~µm and at most {F('shortfall_largest')}% "
        "(section 5). Time only after the drift of an injection has stopped, and after a change of "
        "temperature wait until the thermometer stands still; the notebook takes each row's "
        "temperature into account.")

    d.h2("11.2. Brownian motion")
    d.p("Droplets this small are knocked about by the molecules of the air: they jitter. The program "
        "leaves this out unless you switch on Measurement → Brownian motion (a teacher may switch "
        "it on from the start, section 8.5). Then in every 1~ms step of the simulation each droplet "
        "moves by an extra random amount in X and in Y, independently, drawn from a normal "
        "distribution with standard deviation √(2~//D h//), where //h//~=~1~ms and")
    d.formula(f"//D//~=~//k//_{{B}}~//T//~/~(6~π~η~//r//),~~~~~//k//_{{B}}~=~"
              f"{F('constant_Boltzmann')}~J/K")
    d.p("is the droplet's diffusion coefficient, with the temperature //T// and the viscosity η of "
        "that moment. The steps add up: after a time //t// the displacement along one axis has a "
        "spread of √(2~//D t//), largest for small droplets and warm air. At 20~°C:")
    d.table([["//r// (µm)", "√(2~//D t//) after 1~s (µm)", "30~ticks with the supply off (s)",
              "jitter over the 30~ticks (µm)", "relative error of the speed (%)"]] + [
        [F.num(r, 1), F(f"brownian_{k}"), F(f"brownian_time_{k}"), F(f"brownian_path_{k}"),
         F(f"brownian_relative_{k}")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1100, 2000, 2000, 2000, 2000], align=["c"] * 5)
    d.p("**What it means for a timing.** A droplet timed over a path //L// at speed //v// is on its "
        "way for //L/////v//; in that time the jitter adds about √(2~//D L/////v//) to the path or "
        "takes it away, so the speed has a relative error of about √(2~//D//~/~(//L v//)). For a "
        f"droplet of 0.5~µm timed over 30~ticks this is {F('brownian_relative_05')}%, far more than "
        "the stopwatch's error.")
    d.p("**How to average it out.** The jitter is random, so it averages out:")
    d.bullet("Time over a longer path: the relative error falls as 1/√//L//, so four times the path "
             "halves it.")
    d.bullet("Repeat the timing and take the mean: //n// timings make the error √//n// times smaller. "
             "The notebook already takes the mean of a droplet's radii from all its falls with the "
             "supply off.")
    d.bullet("Larger droplets jitter less and move faster, so their relative error is smaller; in the "
             "field, a voltage that makes the droplet clearly sink makes the speed difference large "
             "against the jitter.")
    d.p(f"A balanced droplet wanders as well: one of 0.5~µm strays about {F('brownian_05_watch')}~µm "
        "in 25~s. With Brownian motion on, judge the balance by whether the droplet drifts steadily "
        "one way, not by whether it stays on a tick.")

    d.h2("11.3. Real air: the slip of small droplets")
    d.p("Stokes' law describes a sphere in a continuous fluid. A droplet of 0.5 to 1.5~µm is not much "
        "larger than the mean free path of the air molecules (about 0.07~µm at room pressure): it "
        "slips between them and falls faster than Stokes' law says, and the more so the thinner the "
        "air. With **Measurement → Real air** the chamber holds real air at a pressure //p//, and the "
        "drag on a droplet of radius //r// is Stokes' divided by the slip factor")
    d.formula(f"//C//~=~1~+~//b//~/~(//p r//),~~~~~//b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m")
    d.p("so that the fall with the supply off and the speed the field adds both grow by //C//, and "
        "with Brownian motion on the jitter's //D// grows by the same factor. The air's density "
        "follows the pressure as well as the temperature: ρ_{air} above is multiplied by "
        "//p//~/~101.325~kPa. The slip factor:")
    d.table([["//r// (µm)", "101.3~kPa", "20~kPa", "1~kPa"]] + [
        [F.num(r, 1), F(f"slip_{k}_1013"), F(f"slip_{k}_20"), F(f"slip_{k}_1")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)
    d.p("**The pressure field.** While real air is on, a field under the microscope shows the "
        f"chamber's pressure in kPa, {F('constant_StartPressure')} at the start of a run. Type a "
        "pressure from 1 to 110~kPa, or step it by 1~kPa with the spin buttons (or the Up and Down "
        "keys). As with the temperature, every number typed is in force at once; a number outside the "
        "range, or no number, leaves the last good pressure in force, and Enter or leaving the field "
        "shows the pressure in force. Every row the notebook records keeps the pressure of that "
        "moment (its Pressure column, pressure_kPa in the file).")
    d.p("**Two analyses.** For a notebook timed in real air the notebook window and the report give "
        "two results, each saying which analysis it is:")
    d.bullet(f"**Corrected for the slip** with //b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m: "
             "the radius from the fall speed //v//_{0} solves "
             "//r//^{2}~+~(//b/////p//)~//r//~=~9~η~//v//_{0}~/~(2~(ρ_{oil}~−~ρ_{air})~//g//) exactly, "
             "and every charge is worked out with the same factor, "
             "//q//~=~6~π~η~//r d//~(//v//~−~//v//_{0})~/~(//U C//). The histogram and the estimate "
             "of //e// (section 9) use these charges.")
    d.bullet("**Extrapolated to 1/(//p r//)~=~0**, which assumes no value of //b//. Worked out with "
             "Stokes' law alone, every charge comes out too large by //C//^{3/2}: its apparent charge "
             "//q//_{a} obeys (//q//_{a}~/~//n//)^{2/3}~=~//e//^{2/3}~(1~+~//b//~/~(//p r//)), a "
             "straight line against 1/(//p r//). The notebook plots (//q//_{a}~/~//n//)^{2/3} of every "
             "charge against 1/(//p r//) (//n// is its whole number of //e//, counted from the "
             "corrected charges first and then from the line itself), fits a straight line by least "
             "squares, and gives //e// as the intercept to the power 3/2 and //b// as the slope over "
             "the intercept, each with its uncertainty. Since //r// itself depends on //b//, it starts "
             "from Stokes' radii and works the radii out again with the line's //b// until //b// "
             "settles. A charge counts when its droplet also fell with the supply off at the same "
             "pressure; the line needs at least 4 droplets and two or more values of 1/(//p r//).")
    d.p("**How to measure.** Time droplets at room pressure, then lower the pressure (to 20~kPa, say) "
        "and time more: the points of the thin air lie far out to the right and fix the slope. In "
        "thin air the droplets fall much faster, so time them over long paths. For such a notebook "
        "**tessilar --report** prints a second line after the estimate, "
        "“extrapolated: e = … C +- … C, b = … Pa m +- … Pa m from //N// droplets”, or "
        "“extrapolated: too few droplets”.")

    d.h1("12. Practical hints")
    d.bullet("After an injection wait for the drift to stop: measure only when the droplets move "
             "straight up or down, parallel to the vertical line of the reticle.")
    d.bullet("With the supply off the larger droplets leave the field within a few seconds. To keep "
             "droplets in view, switch on a reversed voltage soon after the injection. You can inject "
             "again at any time for fresh droplets.")
    d.bullet("With the vertical scroll bar you can bring a droplet to the lower or upper edge of the "
             "field and so time it over a longer path. Do not move the bar while timing.")
    d.bullet("The longer the path (20–35 ticks) and the more often you repeat a timing, the less the "
             "0.1~s reading error matters. With the balancing method the relative error of the charge is "
             "about one and a half times the relative error of the speed.")
    d.bullet("A droplet that does not react when you switch the supply on and off is uncharged.")
    d.bullet("Click the droplet before you time it, and give every droplet at least one fall with the "
             "supply off: without it the notebook cannot work out its radius and charge.")
    d.bullet("Stop the stopwatch (F6) before you record the timing (F8), and check the direction of "
             "the new row.")
    d.bullet("After a change of temperature wait about a minute until "
             "the thermometer column stands still, and use the η and ρ_{air} of the new temperature in "
             "your calculation.")
    d.bullet("With Brownian motion on, time over long paths and repeat every timing (section 11.2).")

    d.h1("13. Exercises")
    d.num("1.", "**Quantisation of charge.** Measure the charge of at least 10 (better 20) different "
          "droplets with either method. Plot the charges on a number line or as a histogram (the "
          "notebook draws one). Show that "
          "the values fall into groups and that these are whole-number multiples of one common portion "
          "of charge. Determine the elementary charge and its uncertainty from them, compare it with "
          f"the notebook's estimate and with {F('constant_ElemCharge')}~C.")
    d.num("2.", "**Comparing the two methods.** Measure the charge of the same droplet by balancing and "
          "by timing. Which is more precise, and why?")
    d.num("3.", "**The effect of temperature.** Balance a droplet at 20~°C and measure //v//_{0}; then set "
          "the thermostat to 80~°C and wait until the thermometer column stands still. Do you have to "
          "change the balancing voltage? Measure //v//_{0} again. Explain why the speed changes and why "
          "the balancing voltage hardly does. (Hint: in the program a 1~µm droplet has //v//_{0} of "
          f"{F('speed_10_at_0')}~µm/s at 0~°C, {F('speed_10_at_20')} at 20~°C, {F('speed_10_at_50')} at "
          f"50~°C and {F('speed_10_at_100')}~µm/s at 100~°C.) How large an error would you make by using "
          "the viscosity for 20~°C in your calculation?")
    d.num("4.", "**The drift.** Right after an injection watch the droplets against the horizontal ticks. "
          "How far do they move to the left, and how quickly? Estimate the time constant of the drift. "
          f"Why must the drift die away ({F('drift_stop')}~s) before you time a droplet, and what error "
          "would you "
          "make by timing during the first second?")
    d.num("5.", "**The limit of balancing.** Work out the largest radius at which a droplet with 1, 2 or "
          "3 elementary charges can still be balanced with 1000~V. (Answer: about "
          f"{F('largest_balanced_1e')}, {F('largest_balanced_2e')} and {F('largest_balanced_3e')}~µm.)")
    d.num("6.", "**A charge changes.** Do the experiment of section 10 with two droplets. Show that "
          "every step of the charge is one elementary charge, whichever way it goes.")
    d.num("7.", "**Brownian motion.** Switch Brownian motion on. Time a small, slow droplet ten times "
          "over 30~ticks with the supply off, and work out the mean and the standard deviation of "
          "the speeds. Compare the relative standard deviation with √(2~//D//~/~(//L v//)) for the "
          "droplet's radius (for a droplet of 0.5~µm it is about "
          f"{F('brownian_relative_05')}%). Then time it ten times over 10~ticks: how does the spread "
          "change?")

    d.num("8.", "**Real air.** Switch real air on. Time at least four droplets at 101.3~kPa and four "
          "at 20~kPa, each falling with the supply off and sinking in a reversed field. Work one "
          "droplet's charge out by hand with Stokes' law alone (section 6) and compare it with the "
          "notebook's corrected charge. How far are the extrapolation's //e// and //b// from "
          f"{F('constant_ElemCharge')}~C and {F('constant_SlipConstant')}×10^{{−3}}~Pa·m?")

    d.h2("Record sheet")
    d.p("For working by hand, for example when the notebook's calculations are switched off:")
    d.table([
        ["Droplet", "//N// (ticks)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
