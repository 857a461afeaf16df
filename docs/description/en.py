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
        "droplets with the program's stopwatch. The program works with the physical constants and laws "
        "given in section 4, so your results can be checked against them exactly.")

    d.h1("2. Starting the program")
    d.p("The program starts with its Hungarian texts; section 3.6 tells how to switch to English. At "
        "start a small window (“Azonosító beadása”, enter identifier) asks for your identifier, for "
        "example your name or your group's code. OK (or Enter) goes on; “Mégse” (Cancel) or closing the "
        "window ends the program. The identifier appears in the title bar of the main window "
        "(“Tessilar-kísérlet~~~/~~~identifier”, with the English texts “Tessilar "
        "experiment~~~/~~~identifier”), so a screenshot shows who made the measurement.")
    d.note("**Important:** the program saves nothing. Write every reading into your lab notebook at "
           "once; everything is lost when the program ends.")

    d.h1("3. The apparatus and its controls")
    d.p("On the left of the main window is the round field of the microscope with its two scroll bars; "
        "next to it the thermostat with the thermometer column; on the right, one below the other, the "
        "panels of the injection, the stopwatch, the voltage supply and the exit. The button and panel "
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
        "home position and the scroll bars back to their centre (0.200~mm).")

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
        "short, on top of your reaction time.")
    d.note("The stopwatch measures the **simulation's own time**, in simulated seconds. The simulation "
           "runs somewhat slower than real time (at most 10/11 of real speed), slower still on a busy "
           "computer. It keeps running while a menu is open or while you read this guide, and it **stands "
           "still** only while the About box or the language dialog is open. Always time droplets with "
           "the program's stopwatch, never with your own watch.")

    d.h2("3.6. Menu and exit")
    d.bullet("The **Exit** menu item, the **Exit** button of the exit panel (both “Vége”) or closing the "
             "window: ends the program.")
    d.bullet("The **Help** menu (“Súgó”): **About** (“Névjegy”) shows the program's details (the "
             "simulation stands still while it is open); **Description** (“Leírás”) opens this guide with "
             "the system's viewer for RTF documents or, where the system has none, in a window of the "
             "program's own; **Language…** (“Nyelv…”) chooses the language of the texts from the folders "
             "beside the program: choose “English” for the English texts, “Magyar” for the Hungarian "
             "ones.")

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
        "size is comparable with the mean free path of the air molecules. The program does not apply "
        "this correction, so the formulas above may be used here without it.")

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

    d.h1("8. Practical hints")
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
    d.bullet("After a change of temperature wait about a minute until "
             "the thermometer column stands still, and use the η and ρ_{air} of the new temperature in "
             "your calculation.")

    d.h1("9. Exercises")
    d.num("1.", "**Quantisation of charge.** Measure the charge of at least 10 (better 20) different "
          "droplets with either method. Plot the charges on a number line or as a histogram. Show that "
          "the values fall into groups and that these are whole-number multiples of one common portion "
          "of charge. Determine the elementary charge and its uncertainty from them and compare it with "
          f"{F('constant_ElemCharge')}~C.")
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

    d.h2("Record sheet")
    d.table([
        ["Droplet", "//N// (ticks)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
