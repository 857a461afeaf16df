# English half of the guide. "~" is a non-breaking space.

def write(d):
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
    d.p("Tessilar simulates this experiment. The chamber holds 100 droplets at a time; you set the plate "
        "voltage between 0 and 1000~V and the chamber temperature between 0 and 100~°C, and you time the "
        "droplets with the program's stopwatch. The program works with the physical constants and laws "
        "given in section 4, so your results can be checked against them exactly.")

    d.h1("2. Starting the program")
    d.p("At start a small window (“Enter identifier”) asks for your identifier, for example your name "
        "or your group's code. OK goes on; Cancel (or closing the "
        "window) ends the program. The identifier appears in the title bar of the main window "
        "(“Tessilar experiment~~~/~~~identifier”), so a screenshot shows who made the measurement.")
    d.note("**Important:** the program saves nothing. Write every reading into your lab notebook at "
           "once; everything is lost when the program ends.")

    d.h1("3. The apparatus and its controls")
    d.p("On the left of the main window is the round field of the microscope with its two scroll bars; "
        "next to it the thermostat with the thermometer column; on the right, one below the other, the "
        "panels of the injection, the stopwatch, the voltage supply and the exit. The button and panel "
        "names below are those of the English texts, with the Hungarian texts in brackets.")

    d.h2("3.1. The measuring microscope and its field of view")
    d.p("In the black, circular field of the microscope the droplets appear as small yellow dots. On the "
        "screen **1~pixel is 1~µm** of the chamber. A droplet is shown only while it is less than 200~µm "
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
        "in millimetres, from 0.000 to 0.400~mm (0.200~mm in the middle). Moving a bar's thumb right "
        "(down) moves the droplets right (down) in the view.")

    d.h2("3.2. Injection")
    d.p("The **Inject droplets** button (“Befecskendezés”) sprays 100 new oil droplets into the chamber; the "
        "previous droplets disappear. The droplets have random radii of roughly 0.5 to 1.5~µm. Spraying "
        "gives most droplets a positive charge of a few elementary charges, and some droplets none. They "
        "appear around the field of view, in a region about 0.8~mm wide and 0.8~mm high, and start at "
        "rest.")
    d.p("The spray also sets the air moving: after an injection the air **carries the droplets to the "
        "left**. This drift starts at 0.5~mm/s and dies away quickly, with a time constant of 0.5~s; in "
        "all, the droplets are carried about 0.25~mm to the left. After 2–3~s it is hardly noticeable, and "
        "10~s after the injection it has stopped completely. An injection also sets the view back to its "
        "home position and the scroll bars back to their centre (0.200~mm).")

    d.h2("3.3. The voltage supply")
    d.p("The **Voltage** panel (“Feszültség”) is the power supply of the capacitor. The plates are "
        "//d//~=~1~cm apart, so a voltage //U// makes a field of strength //E//~=~//U/////d// between them "
        "(50~000~V/m at 500~V).")
    d.bullet("**Voltage field:** type the magnitude of the voltage in volts here, as a whole number from "
             "0 to 1000~V. A value above 1000 becomes 1000, a negative one 0, and anything that is not a "
             "number is ignored. The **spin buttons** beside the field step by 2~V from 0 to 995~V.")
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
        "panel (“Hőmérséklet”), from 0 to 100~°C (a decimal point may be used, for example 35.5; the "
        "field shows the value with two decimals). The spin buttons step by whole degrees. The "
        "panel's thermometer (scale 0 to 100~°C) shows the **present** temperature of the air in the "
        "chamber. At start the chamber is at 20~°C.")
    d.p("The air does not reach the set temperature at once: it approaches it exponentially with a time "
        "constant of 10~s. After 10~s 63% of the change has happened, after 30~s 95%, after 50~s about "
        "99%. The viscosity and the density of the air change with the temperature, and so do the "
        "droplets' speeds (see sections 4 and 5).")
    d.note("An injection does not change the chamber temperature: a change of temperature that is "
           "under way simply goes on after the injection.")

    d.h2("3.5. Stopwatch")
    d.p("The display of the **Stopwatch** panel (“Stopperóra”) shows the time as minutes:seconds,tenths "
        "(for example 01:15,3 is 1~minute 15.3~s). **Start/Reset** starts the watch from zero (pressed "
        "while it runs, it starts again from zero); **Stop** stops it and the display keeps the last "
        "value. The display cuts the time off at the tenth of a second, so a reading is at most 0.1~s "
        "short, on top of your reaction time.")
    d.note("The stopwatch measures the **simulation's own time**, in simulated seconds. The simulation "
           "runs somewhat slower than real time (at most 10/11 of real speed), slower still on a busy "
           "computer, and it **stands still** while a menu or a dialog (for example the About box) is "
           "open. Always time droplets with the program's stopwatch, never with your own watch.")

    d.h2("3.6. Menu and exit")
    d.bullet("The **Exit** menu item, the **Exit** button of the exit panel (both “Vége”) or closing the "
             "window: ends the program.")
    d.bullet("The **Help** menu (“Súgó”): **About** (“Névjegy”) shows the program's details (the "
             "simulation stands still while it is open); **Description** (“Leírás”) opens this guide; "
             "**Language…** (“Nyelv…”) chooses the language of the texts.")

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
        ["density of the oil", "ρ_{oil}", "870~kg/m^{3}"],
        ["gravitational acceleration", "//g//", "9.81~m/s^{2}"],
        ["density of the air", "ρ_{air}", "1.293~kg/m^{3}~×~273~K~/~//T//"],
        ["viscosity of the air", "η", "1.689×10^{−6}~×~√//T//~−~1.047×10^{−5}~Pa·s"],
        ["absolute temperature", "//T//", "//t//~(°C)~+~273, in kelvin"],
        ["distance between the plates", "//d//", "1~cm~=~0.01~m"],
        ["elementary charge (for checking)", "//e//", "1.602×10^{−19}~C"],
        ["pixel / tick in the microscope", "–", "1~pixel~=~1~µm, 1~tick~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p("At 20~°C (//T//~=~293~K): η~=~1.844×10^{−5}~Pa·s, ρ_{air}~=~1.205~kg/m^{3}, "
        "ρ_{oil}~−~ρ_{air}~=~868.8~kg/m^{3}.")
    d.table([
        ["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{air} (kg/m^{3})"],
        ["0", "273", "1.744×10^{−5}", "1.293"],
        ["20", "293", "1.844×10^{−5}", "1.205"],
        ["50", "323", "1.989×10^{−5}", "1.093"],
        ["100", "373", "2.215×10^{−5}", "0.946"],
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p("The viscosity of the air thus rises with the temperature (by 27% from 0 to 100~°C) and its "
        "density falls.")

    d.h1("5. Stokes' law and terminal speeds")
    d.p("A sphere of radius //r// moving at speed //v// through a fluid of viscosity η feels a drag force "
        "//F//~=~6~π~η~//r v// (Stokes' law). A droplet speeds up until the drag balances the sum of the "
        "other forces; from then on it moves at a constant **terminal speed**. For droplets of a "
        "micrometre this takes about 10~µs, so whenever the voltage changes the droplets take up their "
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
        ["0.5", "25.6", "46.0", "−20.4", "−66.3", "−112.3"],
        ["1.0", "101.6", "22.8", "78.8", "56.0", "33.2"],
        ["1.5", "225.6", "15.0", "210.6", "195.6", "180.6"],
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p("A droplet of radius 1~µm thus rises about 102~µm/s (102~pixels per second) in the view with the "
        "supply off, and a single elementary charge at 500~V changes its speed by about 23~µm/s. The "
        "formula gives //v//_{0}~=~102.7~µm/s at 20~°C; the speeds seen in the program are at most 1–2% "
        "(for the largest droplets) below the formula's values, which is less than the precision of "
        "timing with the stopwatch.")
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
          "3~s, 10~s for accurate work).")
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
        "1000~V, so droplets larger than about 1.1~µm cannot be balanced; use method (b) for them. "
        "Balancing voltages at 20~°C:")
    d.table([
        ["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"],
        ["0.5", "279~V", "139~V", "93~V"],
        ["0.6", "481~V", "241~V", "160~V"],
        ["0.7", "764~V", "382~V", "255~V"],
        ["0.8", "> 1000~V", "570~V", "380~V"],
        ["1.0", "> 1000~V", "> 1000~V", "743~V"],
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
    d.p("The measurement was made at 20~°C (η~=~1.844×10^{−5}~Pa·s, ρ_{oil}~−~ρ_{air}~=~868.8~kg/m^{3}). "
        "The figures below are the values the program really produces.")
    d.p("**The radius.** With the supply off the chosen droplet covered 30~ticks (300~µm) upwards in the "
        "view while the stopwatch ran to 00:06,0. So //v//_{0}~=~300~µm~/~6.0~s~=~50.0~µm/s~=~"
        "5.00×10^{−5}~m/s, and")
    d.formula("//r//~=~√(9~×~1.844×10^{−5}~×~5.00×10^{−5}~/~(2~×~868.8~×~9.81))~m~=~"
              "√(4.868×10^{−13})~m~=~6.98×10^{−7}~m~≈~0.70~µm.")
    d.p("The droplet's volume is (4/3)~π~//r//^{3}~=~1.423×10^{−18}~m^{3}, and its apparent weight is")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{oil}~−~ρ_{air})~//g//~=~"
              "1.423×10^{−18}~m^{3}~×~868.8~kg/m^{3}~×~9.81~m/s^{2}~=~1.213×10^{−14}~N.")
    d.p("**(a) Balancing.** With reversed polarity the droplet practically stopped at 382~V (at 381~V it "
        "still rose about 9~µm per minute, at 383~V it sank about 6~µm per minute in the view). The "
        "charge is")
    d.formula("//q//~=~1.213×10^{−14}~N~×~0.01~m~/~382~V~=~3.17×10^{−19}~C~≈~1.98~//e//.")
    d.p("The charge is therefore 2 elementary charges, which gives //e//~≈~3.17×10^{−19}~C~/~2~=~"
        "1.59×10^{−19}~C.")
    d.p("**(b) Timing.** With reversed polarity at 500~V the droplet moved down in the view and covered "
        "10~ticks (100~µm) in 00:06,4: //v//_{1}~=~100~µm~/~6.4~s~=~15.6~µm/s (positive, since it moves "
        "down). With 6~π~η~//r//~=~2.425×10^{−10}~N·s/m,")
    d.formula("//q//~=~2.425×10^{−10}~N·s/m~×~(50.0~+~15.6)×10^{−6}~m/s~×~0.01~m~/~500~V~=~"
              "3.18×10^{−19}~C~≈~1.99~//e//.")
    d.p("The two methods agree: the droplet carries 2~//e//. For comparison, with positive polarity at "
        "500~V the same droplet would rise at 115.6~µm/s in the view.")
    d.p("**A droplet of radius 1~µm** rises at about 101.6~µm/s (102~pixels per second) with the supply "
        "off: it covers 20~ticks in only 2.0~s, so time large droplets over a longer path. If it carries "
        "one elementary charge, 500~V changes its speed by about 22.8~µm/s: to 78.8~µm/s with reversed "
        "polarity and to 124.4~µm/s with positive polarity.")

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
          "1.602×10^{−19}~C.")
    d.num("2.", "**Comparing the two methods.** Measure the charge of the same droplet by balancing and "
          "by timing. Which is more precise, and why?")
    d.num("3.", "**The effect of temperature.** Balance a droplet at 20~°C and measure //v//_{0}; then set "
          "the thermostat to 80~°C and wait until the thermometer column stands still. Do you have to "
          "change the balancing voltage? Measure //v//_{0} again. Explain why the speed changes and why "
          "the balancing voltage hardly does. (Hint: in the program a 1~µm droplet has //v//_{0} of "
          "107.4~µm/s at 0~°C, 101.6 at 20~°C, 94.3 at 50~°C and 84.8~µm/s at 100~°C.) How large an error "
          "would you make by using the viscosity for 20~°C in your calculation?")
    d.num("4.", "**The drift.** Right after an injection watch the droplets against the horizontal ticks. "
          "How far do they move to the left, and how quickly? Estimate the time constant of the drift. "
          "Why must the drift die away (about 10~s) before you time a droplet, and what error would you "
          "make by timing during the first second?")
    d.num("5.", "**The limit of balancing.** Work out the largest radius at which a droplet with 1, 2 or "
          "3 elementary charges can still be balanced with 1000~V. (Answer: about 0.77, 0.96 and "
          "1.10~µm.)")

    d.h2("Record sheet")
    d.table([
        ["Droplet", "//N// (ticks)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
