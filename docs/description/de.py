# German half of the guide. "~" is a non-breaking space; F("name") prints a figure of figures.py.

def write(d, F):
    d.set_lang(1031)
    d.title("Tessilar")
    d.subtitle("Messung der Elementarladung mit Öltröpfchen – eine Laboranleitung")

    d.h1("1. Ziel des Versuchs")
    d.p("Der Öltröpfchenversuch zeigt eine grundlegende Eigenschaft der elektrischen Ladung: Die "
        "Ladung eines Körpers kann nicht jeden beliebigen Wert annehmen, sie ist immer ein "
        "ganzzahliges Vielfaches einer kleinsten Portion, der **Elementarladung** (//e//). Winzige "
        "Öltröpfchen von etwa einem Mikrometer Größe werden zwischen zwei waagerechte "
        "Kondensatorplatten gesprüht und durch ein Messmikroskop beobachtet. Auf jedes Tröpfchen "
        "wirken die Gewichtskraft, der Auftrieb in der Luft, die Reibungskraft der Luft und, wenn an "
        "den Platten eine Spannung liegt, die elektrische Kraft. Aus den Geschwindigkeiten der "
        "Tröpfchen und der Plattenspannung kannst du Radius und Ladung jedes Tröpfchens berechnen "
        "und aus den Ladungen die Elementarladung.")
    d.p(f"Tessilar simuliert diesen Versuch. In der Kammer schweben jeweils {F('constant_DropletCount')} Tröpfchen; du "
        "stellst die Plattenspannung zwischen 0 und 1000~V und die Temperatur der Kammer zwischen 0 "
        "und 100~°C ein und misst die Zeiten der Tröpfchen mit der Stoppuhr des Programms. Jede "
        "Zeitmessung kommt in das Messheft des Programms, das Radius und Ladung jedes Tröpfchens "
        "berechnet und daraus die Elementarladung schätzt; du kannst das alles auch von Hand "
        "berechnen. Das Programm rechnet mit den physikalischen Konstanten und Gesetzen aus "
        "Abschnitt 4, daher lassen sich deine Ergebnisse genau damit überprüfen.")

    d.h1("2. Start des Programms")
    d.p("Das Programm startet mit seinen ungarischen Texten; wie du auf Deutsch umstellst, steht in "
        "Abschnitt 3.6 (eine Lehrkraft kann das Programm auch gleich auf Deutsch starten lassen, "
        "Abschnitt 8.5). Beim Start fragt ein kleines Fenster nach deiner Kennung (in den "
        "ungarischen Texten „Azonosító beadása“, in den deutschen „Kennung eingeben“), zum Beispiel "
        "nach deinem Namen oder dem Kürzel deiner Gruppe. OK (oder Enter) führt weiter; „Mégse“ "
        "(„Abbrechen“) oder das Schließen des Fensters beendet das Programm. Die Kennung erscheint "
        "in der Titelleiste des Hauptfensters („Tessilar-kísérlet~~~/~~~Kennung“, mit den deutschen "
        "Texten „Tessilar-Versuch~~~/~~~Kennung“), so zeigt ein Bildschirmfoto, wer gemessen hat.")
    d.note("**Wichtig:** Die Kennung ist zugleich der Name deines Messhefts. Jede Zeitmessung, die "
           "du einträgst, kommt sofort hinein und bleibt auf dem Computer gespeichert; wenn du das "
           "Programm wieder mit derselben, gleich geschriebenen Kennung startest, ist das Messheft "
           "wieder da (Abschnitt 8). Sonst bleibt nichts erhalten: Die Tröpfchen, die Spannung und "
           "die Temperatur beginnen jedes Mal von vorn. Schreibe auch in deine eigenen Notizen, was "
           "du getan hast; das Messheft enthält nur die Messwerte.")

    d.h1("3. Der Aufbau und seine Bedienelemente")
    d.p("Links im Hauptfenster liegt das runde Sehfeld des Mikroskops mit seinen zwei "
        "Bildlaufleisten, daneben der Thermostat mit der Thermometersäule; rechts liegen "
        "untereinander die Bedienfelder für das Einsprühen, die Stoppuhr, das Netzgerät und das "
        "Beenden. Das Messheft hat ein eigenes Fenster (Abschnitt 8). Die Namen der Schaltflächen "
        "und Bedienfelder unten sind die der deutschen Texte; das Programm startet mit den "
        "ungarischen (Abschnitt 3.6).")

    d.h2("3.1. Das Messmikroskop und sein Sehfeld")
    d.p("Im schwarzen, kreisförmigen Sehfeld des Mikroskops erscheinen die Tröpfchen als kleine "
        f"gelbe Punkte. Auf dem Bildschirm entspricht **1~Pixel {F('constant_PixelSize')}~µm** in der Kammer. Ein "
        "Tröpfchen wird nur angezeigt, solange es weniger als 200~µm von der Mitte des Sehfelds "
        "entfernt ist; sichtbar ist also jeweils ein Bereich von etwa 0,4~mm Durchmesser.")
    d.p("Im Sehfeld liegt ein weißes Fadenkreuz mit Strichskala (Okularskala). Beide Linien tragen "
        "**alle 10~µm einen Teilstrich**; jeder zweite Teilstrich (alle 20~µm) ist länger, was das "
        "Zählen erleichtert. Die Teilstriche reichen in jeder Richtung 190~µm weit von der Mitte. "
        "Den Weg eines Tröpfchens misst du durch Abzählen der Skalenteile: //N// Skalenteile "
        "bedeuten einen Weg von //N//~×~10~µm.")
    d.note("**Das Mikroskop zeigt ein umgekehrtes Bild.** Tröpfchen, die in Wirklichkeit fallen, "
           "bewegen sich im Bild **nach oben**. In dieser Anleitung bedeuten „oben“ und „unten“ "
           "immer die Richtungen im Bild; die Schwerkraft zeigt im Bild also nach oben.")
    d.p("**Bildlaufleisten.** Mit der waagerechten Bildlaufleiste unter dem Sehfeld und der "
        "senkrechten daneben verschiebst du das Sehfeld, wenn du einem Tröpfchen folgen willst. Ein "
        "Schritt (zum Beispiel ein Klick auf einen Pfeil der Bildlaufleiste) verschiebt das Sehfeld "
        "um 4~µm; in der Mittelstellung ist das Sehfeld in seiner Grundstellung, die beiden "
        "Endstellungen liegen 200~µm davon entfernt. Die Anzeige neben jeder Leiste gibt deren "
        "Stellung in Millimetern an, von 0,000 bis 0,400~mm (in der Mitte 0,200~mm; je nach "
        "Systemeinstellung kann die Anzeige auch einen Dezimalpunkt zeigen, 0.200~mm). Schiebst du "
        "den Regler einer Leiste nach rechts (unten), bewegen sich die Tröpfchen im Bild nach rechts "
        "(unten).")
    d.p("**Einem Tröpfchen folgen.** Klicke ein Tröpfchen im Sehfeld an, um ihm zu folgen: Ein Klick "
        "bis zu 6~Pixel von der Mitte eines Tröpfchens wählt das nächstgelegene Tröpfchen, und sein "
        "Punkt wird rot. Das Programm nummeriert seine Tröpfchen von 1 bis 100, und die Nummer des "
        "verfolgten Tröpfchens kommt in jede Zeitmessung, die du einträgst; so weiß das Messheft, "
        "welche Zeilen zum selben Tröpfchen gehören (Abschnitt 8). Sobald das Messheft "
        "Zeitmessungen enthält, werden die Tröpfchen einer neuen Einsprühung ab dem nächsten "
        "Hundert weiter nummeriert (101, 102, ... oder 201, 202, ...), damit ein neues Tröpfchen "
        "nie für ein früheres mit derselben Nummer gehalten wird. Ein Klick auf eine leere Stelle "
        "des Sehfelds oder Esc im Hauptfenster beendet das Verfolgen. Das Tröpfchen bleibt rot, "
        "wenn du das Sehfeld verschiebst und wenn es das Sehfeld verlässt und zurückkommt; ein "
        "Einsprühen beendet das Verfolgen, da die Tröpfchen dann neu sind.")

    d.h2("3.2. Einsprühen")
    d.p("Die Schaltfläche **„Öl einsprühen“** sprüht 100 neue Öltröpfchen in die Kammer; die "
        "bisherigen Tröpfchen verschwinden. Die Tröpfchen haben zufällige Radien von 0,5 bis "
        "1,5~µm. Beim Sprühen erhält jedes Tröpfchen eine positive Ladung von 1, 2 oder 3 "
        "Elementarladungen oder gar keine: Etwa ein Viertel der Tröpfchen ist ungeladen. Sie "
        "erscheinen rund um das Sehfeld in einem Bereich von etwa 0,8~mm Breite und 0,8~mm Höhe "
        "und sind anfangs in Ruhe.")
    d.p("Das Sprühen setzt auch die Luft in Bewegung: Nach dem Einsprühen **treibt die Luft die "
        f"Tröpfchen nach links**. Diese Drift beginnt mit {F('constant_DriftVX')}~mm/s und klingt "
        f"schnell ab, mit einer Zeitkonstante von {F('constant_DriftTau')}~s; insgesamt werden die "
        f"Tröpfchen um etwa {F('drift_path')}~mm nach links getragen. Nach 2–3~s ist sie kaum noch "
        f"zu bemerken, und {F('drift_stop')}~s nach dem Einsprühen hat sie ganz aufgehört. Das "
        "Einsprühen stellt außerdem das Sehfeld in seine Grundstellung und die Bildlaufleisten in "
        "die Mitte (0,200~mm) zurück, und kein Tröpfchen wird mehr verfolgt.")

    d.h2("3.3. Das Netzgerät")
    d.p("Das Bedienfeld **„Spannung“** ist das Netzgerät des Kondensators. Die Platten haben den "
        f"Abstand //d//~=~{F('constant_PlateGap_cm')}~cm, eine Spannung //U// erzeugt zwischen "
        f"ihnen also ein Feld der Stärke //E//~=~//U/////d// ({F('field_500')}~V/m bei 500~V).")
    d.bullet("**Eingabefeld:** Hier gibst du den Betrag der Spannung in Volt ein, als ganze Zahl "
             "von 0 bis 1000~V; sie wirkt schon während der Eingabe. Ein Wert über 1000 wird zu "
             "1000, ein negativer zu 0, und alles, was keine ganze Zahl ist, wird übergangen (das "
             "Netzgerät behält den letzten gültigen Wert). Die **Pfeilschaltflächen** neben dem "
             "Feld und die Pfeiltasten nach oben und unten im Feld ändern die Zahl im Feld in "
             "Schritten von 2~V, zwischen 0 und 995~V.")
    d.bullet("**Schaltfläche „Ein/Aus“ und Kontrolllampe:** schalten das Netzgerät ein und aus. Die "
             "Lampe ist dunkel blaugrün, solange das Netzgerät aus ist, und leuchtend grün, solange "
             "es eingeschaltet ist. Bei ausgeschaltetem Netzgerät liegen die Platten auf 0~V, gleich "
             "was das Feld zeigt.")
    d.bullet("**Schaltfläche „Umpolen“:** kehrt die Polung der Platten um. Beim Start ist die Polung "
             "positiv, das Netzgerät ausgeschaltet und die eingestellte Spannung 0~V.")
    d.bullet("**Spannungsmesser:** ein Zeigerinstrument mit einer Skala von −1000~V bis +1000~V. Es "
             "zeigt die vorzeichenbehaftete Spannung, die tatsächlich an den Platten liegt: Bei "
             "positiver Polung schlägt der Zeiger nach rechts aus, bei umgekehrter Polung nach "
             "links, und bei ausgeschaltetem Netzgerät steht er senkrecht (0~V).")
    d.note("Bei positiver Polung (Zeiger nach rechts) treibt die elektrische Kraft positiv geladene "
           "Tröpfchen in **dieselbe Richtung** wie die Schwerkraft, im Bild nach oben, sie bewegen "
           "sich also schneller. Um ein Tröpfchen in der Schwebe zu halten, musst du deshalb "
           "**umpolen** (Zeiger nach links); dann wirkt die elektrische Kraft der Schwerkraft "
           "entgegen.")

    d.h2("3.4. Thermostat und Thermometer")
    d.p("Gib die Solltemperatur der Kammer in Grad Celsius in das Feld des Bedienfelds "
        "**„Temperatur“** ein, von 0 bis 100~°C, wenn nötig mit Dezimalpunkt (zum Beispiel 35.5; "
        "ein Dezimalkomma versteht das Feld nicht). Der Thermostat übernimmt jede Zahl schon "
        "während der Eingabe, und das Feld behält deinen Text so, wie du ihn getippt hast. Drückst "
        "du Enter oder verlässt du das Feld, zeigt es die Solltemperatur mit zwei Dezimalen "
        "(35.50): Ein Wert über 100 wird zu 100.00, ein negativer zu 0.00, und ein leeres Feld oder "
        "eines ohne Zahl zeigt wieder die Solltemperatur. Die Pfeilschaltflächen und die "
        "Pfeiltasten nach oben und unten im Feld ändern die Temperatur in ganzen Grad und stellen "
        "sie sofort ein. Das Thermometer des Bedienfelds (Skala 0 bis 100~°C) zeigt die "
        "**momentane** Temperatur der Luft in der Kammer. Beim Start hat die Kammer 20~°C.")
    d.p("Die Luft erreicht die Solltemperatur nicht sofort: Sie nähert sich ihr exponentiell mit "
        f"einer Zeitkonstante von {F('constant_ThermalTau')}~s. Nach 10~s ist "
        f"{F('temperature_10s')}~% der Änderung erfolgt, nach 30~s {F('temperature_30s')}~%, nach "
        f"50~s etwa {F('temperature_50s')}~%. Mit der Temperatur ändern sich die Viskosität und die "
        "Dichte der Luft und damit auch die Geschwindigkeiten der Tröpfchen (siehe Abschnitte 4 "
        "und 5).")
    d.note("Ein Einsprühen ändert die Temperatur der Kammer nicht: Eine laufende "
           "Temperaturänderung geht nach dem Einsprühen einfach weiter.")

    d.h2("3.5. Stoppuhr")
    d.p("Die Anzeige des Bedienfelds **„Stoppuhr“** zeigt die Zeit als Minuten:Sekunden,Zehntel "
        f"(zum Beispiel ist {F('stopwatch_example')} 1~Minute 15,3~s). **Start/Reset** startet die "
        "Uhr bei null (während sie läuft gedrückt, beginnt sie wieder bei null); **Stop** hält sie "
        "an, und die Anzeige behält den letzten Wert. Die Anzeige schneidet die Zeit beim Zehntel "
        "einer Sekunde ab, ein Ablesewert ist also bis zu 0,1~s zu kurz, zusätzlich zu deiner "
        "Reaktionszeit. Die Tasten **F5** (Start/Reset) und **F6** (Stop) wirken genauso aus jedem "
        "Fenster des Programms, und **F8** trägt den Stand als neue Zeile ins Messheft ein "
        "(Abschnitt 8).")
    d.note("Die Stoppuhr misst die **eigene Zeit der Simulation**, in simulierten Sekunden. Die "
           "Simulation läuft etwas langsamer als die wirkliche Zeit (höchstens mit 10/11 der "
           "wirklichen Geschwindigkeit), auf einem ausgelasteten Computer noch langsamer. Sie läuft "
           "weiter, während ein Menü offen ist, während das Fenster des Messhefts offen ist oder "
           "während du diese Anleitung liest, und sie **steht** nur still, solange das "
           "Info-Fenster, der Sprachdialog oder ein Dateidialog des Messhefts (CSV exportieren…, "
           "Protokoll speichern…) offen ist. Miss die Zeiten der Tröpfchen immer mit der Stoppuhr "
           "des Programms, nie mit deiner eigenen Uhr.")

    d.h2("3.6. Menüs, Funktionstasten und Beenden")
    d.bullet("Der Menüpunkt **„Beenden“**, die Schaltfläche **„Beenden“** im untersten Bedienfeld "
             "oder das Schließen des Fensters: beendet das Programm. Das Messheft muss nicht "
             "gespeichert werden: Es wird nach jeder Änderung geschrieben.")
    d.bullet("Das Menü **„Messung“**: **„Messheft…“** (F7) öffnet das Fenster des Messhefts oder "
             "holt es nach vorn (Abschnitt 8); **„Ionisieren“** (F9) löst einen Stoß der "
             "Ionisationsquelle aus (Abschnitt 10); **„Brownsche Bewegung“** schaltet das "
             "thermische Zittern der Tröpfchen ein und aus (Abschnitt 11.2); **„Reale Luft“** füllt "
             "die Kammer mit realer Luft, in der kleine Tröpfchen zwischen den Luftmolekülen "
             "hindurchgleiten und schneller fallen, als das Stokessche Gesetz sagt, und zeigt unter "
             "dem Mikroskop das Feld für den Druck (Abschnitt 11.3). Ein Häkchen neben diesen "
             "beiden zeigt, dass sie eingeschaltet sind; beim Start sind sie aus.")
    d.bullet("Das Menü **„Hilfe“**: **„Info“** zeigt die Angaben zum Programm (die Simulation steht "
             "still, solange das Fenster offen ist); **„Anleitung“** öffnet diese Anleitung mit dem "
             "Betrachter des Systems für RTF-Dokumente oder, wo das System keinen hat, in einem "
             "eigenen Fenster des Programms; **„Sprache…“** wählt die Sprache der Texte aus den "
             "Ordnern neben dem Programm: Wähle „Deutsch“ für die deutschen Texte, „English“ für die "
             "englischen, „Magyar“ für die ungarischen. In den ungarischen Texten, mit denen das "
             "Programm startet, findest du diese Wahl unter „Súgó“ → „Nyelv…“. **„Einstellungen für "
             "Lehrkräfte…“** gibt die Einstellungen einer Unterrichtsstunde aus (Abschnitt 8.5).")
    d.p("Die Funktionstasten F5 bis F9 wirken aus jedem Fenster des Programms, Esc und Entf dort, "
        "wo es die Tabelle angibt:")
    d.table([
        ["Taste", "Wirkung"],
        ["F5", "startet die Stoppuhr bei null (Start/Reset)"],
        ["F6", "hält die Stoppuhr an (Stop)"],
        ["F7", "öffnet das Fenster des Messhefts oder holt es nach vorn"],
        ["F8", "trägt den Stand der Stoppuhr als neue Zeile ins Messheft ein"],
        ["F9", "löst einen Stoß der Ionisationsquelle aus"],
        ["Esc", "im Hauptfenster: verfolgt kein Tröpfchen mehr"],
        ["Entf", "in der Tabelle des Messhefts: löscht die markierten Zeilen"],
    ], [1300, 6500], align=["c", "l"])

    d.h1("4. Die Kräfte auf ein Tröpfchen")
    d.p("Betrachte ein Öltröpfchen mit dem Radius //r// und der Ladung //q//, das sich mit der "
        "Geschwindigkeit //v// relativ zur Luft bewegt. Auf es wirken:")
    d.bullet("die Gewichtskraft: //F//_{G}~=~//m g//~=~(4/3)~π~//r//^{3}~ρ_{Öl}~//g//;")
    d.bullet("der Auftrieb in der Luft (der Gewichtskraft entgegen): "
             "//F//_{A}~=~(4/3)~π~//r//^{3}~ρ_{Luft}~//g//;")
    d.bullet("die Reibungskraft der Luft (Stokessches Gesetz, der Bewegung entgegen): "
             "//F//_{R}~=~6~π~η~//r v//;")
    d.bullet("die elektrische Kraft: //F//_{el}~=~//q E//~=~//q U/////d//.")
    d.p("Gewichtskraft und Auftrieb ergeben zusammen eine „scheinbare Gewichtskraft“ von "
        "(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//. Das Programm verwendet diese Konstanten:")
    d.table([
        ["Größe", "Symbol", "Wert im Programm"],
        ["Dichte des Öls", "ρ_{Öl}", f"{F('constant_OilDensity')}~kg/m^{{3}}"],
        ["Fallbeschleunigung", "//g//", f"{F('constant_Gravity')}~m/s^{{2}}"],
        ["Dichte der Luft", "ρ_{Luft}",
         f"{F('constant_AirDensity0')}~kg/m^{{3}}~×~{F('constant_RefTemp')}~K~/~//T//"],
        ["Viskosität der Luft", "η",
         f"{F('constant_ViscSlope')}~×~√//T//~−~{F('constant_ViscOffset')}~Pa·s"],
        ["absolute Temperatur", "//T//", f"//t//~(°C)~+~{F('constant_CelsiusOffset')}, in Kelvin"],
        ["Abstand der Platten", "//d//",
         f"{F('constant_PlateGap_cm')}~cm~=~{F('constant_PlateGap')}~m"],
        ["Elementarladung (zur Kontrolle)", "//e//", f"{F('constant_ElemCharge')}~C"],
        ["Pixel / Skalenteil im Mikroskop", "–",
         f"1~Pixel~=~{F('constant_PixelSize')}~µm, 1~Skalenteil~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p(f"Bei 20~°C (//T//~=~{F('kelvin_20')}~K): η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{Luft}}~=~{F('air_density_20')}~kg/m^{{3}}, "
        f"ρ_{{Öl}}~−~ρ_{{Luft}}~=~{F('density_difference_20')}~kg/m^{{3}}.")
    d.table([["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{Luft} (kg/m^{3})"]] + [
        [F.num(t), F(f"kelvin_{t}"), F(f"viscosity_{t}"), F(f"air_density_{t}")]
        for t in (0, 20, 50, 100)
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p(f"Die Viskosität der Luft steigt also mit der Temperatur (um {F('viscosity_rise')}~% von 0 "
        "bis 100~°C), und ihre Dichte sinkt.")

    d.h1("5. Das Stokessche Gesetz und die Endgeschwindigkeit")
    d.p("Eine Kugel mit dem Radius //r//, die sich mit der Geschwindigkeit //v// durch ein Fluid der "
        "Viskosität η bewegt, erfährt die Reibungskraft //F//~=~6~π~η~//r v// (Stokessches Gesetz). "
        "Ein Tröpfchen wird so lange schneller, bis die Reibung die Summe der übrigen Kräfte "
        "ausgleicht; von da an bewegt es sich mit konstanter **Endgeschwindigkeit**. Bei Tröpfchen "
        f"von einem Mikrometer dauert das etwa {F('relaxation_10')}~µs, die Tröpfchen nehmen also "
        "bei jeder Änderung der Spannung praktisch sofort ihre neue Geschwindigkeit an.")
    d.p("**Bei ausgeschaltetem Netzgerät** halten sich scheinbare Gewichtskraft und Reibung das "
        "Gleichgewicht:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//"
              "~~~~~⇒~~~~~//v//_{0}~=~2~//r//^{2}~(ρ_{Öl}~−~ρ_{Luft})~//g//~/~(9~η)")
    d.p("**Bei eingeschaltetem Netzgerät** wirkt auf ein geladenes Tröpfchen zusätzlich die "
        "elektrische Kraft, und seine Geschwindigkeit ändert sich um //qU//~/~(6~π~η~//r d//):")
    d.formula("//v//~=~//v//_{0}~±~//q U//~/~(6~π~η~//r d//)")
    d.p("Das „+“ gilt für positive Polung (das Tröpfchen bewegt sich im Bild schneller nach oben), "
        "das „−“ für umgekehrte Polung (das Tröpfchen bewegt sich im Bild langsamer nach oben, "
        "bleibt stehen oder beginnt, sich im Bild nach unten zu bewegen). Die Geschwindigkeit eines "
        "ungeladenen Tröpfchens hängt nicht von der Spannung ab.")
    d.p("Einige Geschwindigkeiten, wie das Programm sie bei 20~°C zeigt (in µm/s, das sind zugleich "
        "Pixel pro Sekunde; positive Werte bedeuten im Bild nach oben, negative nach unten):")
    d.table([
        ["//r// (µm)", "//v//_{0}, Netzgerät aus", "Änderung je Elementarladung bei 500~V",
         "1~//e//, −500~V", "2~//e//, −500~V", "3~//e//, −500~V"],
    ] + [
        [F.num(r, 1), F(f"speed_{k}"), F(f"change_per_e_{k}"), F(f"speed_{k}_1e_reversed"),
         F(f"speed_{k}_2e_reversed"), F(f"speed_{k}_3e_reversed")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p(f"Ein Tröpfchen mit dem Radius 1~µm bewegt sich bei ausgeschaltetem Netzgerät also mit etwa "
        f"{F('speed_10_whole')}~µm/s ({F('speed_10_whole')}~Pixel pro Sekunde) im Bild nach oben, "
        "und eine einzelne Elementarladung ändert seine Geschwindigkeit bei 500~V um etwa "
        f"{F('change_per_e_10_whole')}~µm/s. Die Formel ergibt "
        f"//v//_{{0}}~=~{F('formula_speed_10')}~µm/s bei 20~°C. Die Geschwindigkeiten des "
        "Programms sind etwas kleiner, weil es die Tröpfchen in Schritten von 1~ms bewegt und jeder "
        "Schritt die kurze Zeit verliert, die das Tröpfchen braucht, um seine Geschwindigkeit "
        f"anzunehmen: {F('shortfall_10')}~% bei einem Tröpfchen von 1~µm und höchstens "
        f"{F('shortfall_largest')}~% bei den größten Tröpfchen, etwa so viel wie der Ablesefehler "
        "der Stoppuhr.")
    d.p("Im wirklichen Versuch braucht das Stokessche Gesetz für so kleine Tröpfchen eine "
        "Korrektur, weil ihre Größe mit der mittleren freien Weglänge der Luftmoleküle vergleichbar "
        "ist. In der idealen Kammer des Programms, mit der es startet, gibt es diesen Effekt nicht, "
        "die Formeln oben gelten also unverändert; mit realer Luft (Abschnitt 11.3) gleiten die "
        "Tröpfchen wie in der wirklichen Apparatur.")

    d.h1("6. Messmethoden")
    d.p("Bei beiden Methoden bestimmst du den Radius des Tröpfchens aus seiner Geschwindigkeit "
        "**bei ausgeschaltetem Netzgerät** (//v//_{0}). Miss die Zeit //t//_{0}, die es für //N// "
        "Skalenteile braucht (einen Weg von //N//~×~10~µm): "
        "//v//_{0}~=~//N//~×~10~µm~/~//t//_{0}. Aus der Formel für die Endgeschwindigkeit folgt "
        "dann:")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{Öl}~−~ρ_{Luft})~//g//))")

    d.h2("(a) Die Schwebemethode")
    d.p("Wenn das Tröpfchen bei eingeschaltetem Netzgerät stillsteht (schwebt), hebt die "
        "elektrische Kraft die scheinbare Gewichtskraft genau auf, und es wirkt keine Reibung:")
    d.formula("//q U/////d//~=~(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//~~~~~⇒~~~~~"
              "//q//~=~(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g d//~/~//U//")
    d.p("Dabei ist //U// der Betrag der Schwebespannung (bei umgekehrter Polung zeigt der "
        "Spannungsmesser sie auf seiner negativen Seite). Schritt für Schritt:")
    d.num("1.", "Drücke „Öl einsprühen“ und warte, bis die seitliche Drift der Tröpfchen aufgehört "
          f"hat (mindestens 3~s, {F('drift_stop')}~s für genaues Arbeiten).")
    d.num("2.", "Schalte das Netzgerät ein, pole um (der Zeiger schlägt nach links aus) und stelle "
          "zum Beispiel 300~V ein.")
    d.num("3.", "Suche ein Tröpfchen, das sich langsam bewegt. Verändere die Spannung in kleinen "
          "Schritten (durch Eintippen oder mit den Pfeilschaltflächen), bis das Tröpfchen "
          "mindestens 20–30~s auf demselben Teilstrich bleibt. Notiere die Schwebespannung //U//.")
    d.num("4.", "Bringe das Tröpfchen mit einer etwas höheren Spannung in den unteren Teil des "
          "Sehfelds und schalte dann das Netzgerät aus: Das Tröpfchen beginnt, sich im Bild nach "
          "oben zu bewegen. Miss die Zeit, die es für //N// Skalenteile braucht; daraus folgen "
          "//v//_{0} und dann //r//.")
    d.num("5.", "Berechne die Ladung mit der Formel oben.")
    d.p("Die Schwebespannung ist proportional zur dritten Potenz des Radius. Das Netzgerät liefert "
        f"höchstens 1000~V, daher lassen sich Tröpfchen, die größer als etwa "
        f"{F('largest_balanced_short')}~µm sind, nicht in der Schwebe halten; nimm für sie die "
        "Methode (b). Schwebespannungen bei 20~°C:")
    d.table([["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"]] + [
        [F.num(r, 1)] + [F(f"balancing_{k}_{n}e") + "~V" for n in (1, 2, 3)]
        for r, k in ((0.5, "05"), (0.6, "06"), (0.7, "07"), (0.8, "08"), (1.0, "10"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)

    d.h2("(b) Die Steig-Sink-Methode: Zeitmessung der Bewegung")
    d.p("Miss die Geschwindigkeit desselben Tröpfchens bei ausgeschaltetem Netzgerät (//v//_{0}) "
        "und bei eingeschaltetem Netzgerät mit der Spannung //U// (//v//_{1}). Bei umgekehrter "
        "Polung wirkt die elektrische Kraft der Schwerkraft entgegen, und die beiden "
        "Kräftegleichgewichte lauten:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//"
              "~~~~~(Netzgerät aus),")
    d.formula("//q U/////d//~−~(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//~=~6~π~η~//r v//_{1}"
              "~~~~~(Netzgerät ein),")
    d.p("und aus beiden folgt:")
    d.formula("//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~//U//")
    d.p("**Vorzeichen:** //v//_{0} ist die Geschwindigkeit bei ausgeschaltetem Netzgerät, im Bild "
        "nach oben, und ist positiv. //v//_{1} ist die Geschwindigkeit bei eingeschaltetem "
        "Netzgerät, positiv gezählt **im Bild nach unten**; bewegt sich das Tröpfchen bei "
        "umgekehrter Polung noch nach oben, nur langsamer, ist //v//_{1} negativ. //U// ist der "
        "Betrag der Spannung. Misst du mit positiver Polung, bewegt sich das Tröpfchen schneller "
        "nach oben; dann ist //v//_{1} das Negative dieser Geschwindigkeit nach oben, also "
        "//q//~=~6~π~η~//r//~(//v//_{ein}~−~//v//_{0})~//d//~/~//U//, wobei //v//_{ein} die "
        "Geschwindigkeit nach oben bei eingeschaltetem Netzgerät ist. Für ein ungeladenes Tröpfchen "
        "ist //v//_{1}~=~−//v//_{0}, also //q//~=~0.")
    d.p("Diese Methode braucht kein genaues Schweben und funktioniert auch für große Tröpfchen. "
        "Indem du das Netzgerät aus- und einschaltest, kannst du dasselbe Tröpfchen mehrmals auf "
        "und ab bewegen und die Messung wiederholen.")

    d.h2("(c) Wie das Messheft Radius und Ladung berechnet")
    d.p("Das Messheft (Abschnitt 8) verwendet die Formeln aus Abschnitt 5 mit einer einzigen "
        "Vorzeichenregel für jede Zeile:")
    d.formula("//v//_{0}~=~2~//r//^{2}~(ρ_{Öl}~−~ρ_{Luft})~//g//~/~(9~η)~~~~~⇒~~~~~"
              "//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{Öl}~−~ρ_{Luft})~//g//))")
    d.formula("//v//~=~//v//_{0}~+~//q U//~/~(6~π~η~//r//·//d//)~~~~~⇒~~~~~"
              "//q//~=~6~π~η~//r//·//d//·(//v//~−~//v//_{0})~/~//U//")
    d.p("Dabei ist //v// die Geschwindigkeit der Zeile, gezählt **positiv in Richtung der "
        "Schwerkraft** („fällt“, im Bild nach oben), **negativ gegen sie** („steigt“, im Bild nach "
        "unten) und 0, wenn das Tröpfchen in der Schwebe gehalten wird („schwebt“); //U// ist die "
        "**vorzeichenbehaftete** Plattenspannung, negativ bei umgekehrter Polung. Mit diesen "
        "Vorzeichen dient eine Formel beiden Methoden. Für ein schwebendes Tröpfchen (//v//~=~0, "
        "//U//~<~0) liefert sie die Ladung der Methode (a), denn 6~π~η~//r v//_{0} ist die "
        "scheinbare Gewichtskraft. Für ein Tröpfchen, das sich im umgepolten Feld im Bild nach unten "
        "bewegt (//v//~=~−//v//_{1}, //U//~=~−|//U//|), liefert sie "
        "//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~|//U//| der Methode (b). Die Tabelle "
        "rechnet Zeile für Zeile:")
    d.bullet("**Geschwindigkeit:** //N//~×~10~µm geteilt durch die Zeit; 0 für eine Zeile "
             "„schwebt“.")
    d.bullet("**Radius:** Jede Zeile „fällt“ eines Tröpfchens bei ausgeschaltetem Netzgerät "
             "(Spannung 0) liefert einen Radius, bei der eigenen Temperatur dieser Zeile. Der "
             "Mittelwert dieser Radien ist der Radius des Tröpfchens und steht in jeder Zeile dieses "
             "Tröpfchens; zu einem Tröpfchen gehören die Zeilen mit derselben Tröpfchennummer.")
    d.bullet("**Ladung:** Jede Zeile des Tröpfchens bei eingeschaltetem Netzgerät, gemessen oder "
             "schwebend, liefert eine Ladung aus dem Radius des Tröpfchens und der eigenen Richtung, "
             "Geschwindigkeit, Spannung und Temperatur der Zeile (η, ρ_{Luft} und //v//_{0} bei "
             "dieser Temperatur).")
    d.bullet("Eine Zelle, die sich noch nicht berechnen lässt, bleibt leer: Eine Zeile ohne "
             "Tröpfchennummer oder ein Tröpfchen ohne Fall bei ausgeschaltetem Netzgerät hat keinen "
             "Radius und keine Ladung.")
    d.p("Das Tröpfchen des Rechenbeispiels (Abschnitt 7), eingetragen als Tröpfchen 7, ergibt diese "
        "zwei Zeilen:")
    d.table([
        ["Tröpfchen", "Skt. (//N//)", "Weg (µm)", "Zeit (s)", "Richtung", "//U// (V)",
         "//t// (°C)", "Geschw. (µm/s)", "Radius (µm)", "Ladung (10^{−19}~C)"],
        ["7", "30", "300", F.reading("example_rise_reading"), "fällt", F.num(0), F.num(20, 2),
         F("notebook_fall_speed"), F("notebook_radius"), ""],
        ["7", "10", "100", F.reading("example_fall_reading"), "steigt", F.num(-500), F.num(20, 2),
         F("notebook_rise_speed"), F("notebook_radius"), F("notebook_charge")],
    ], [900, 800, 950, 650, 1050, 700, 700, 900, 850, 1050], align=["c"] * 10)
    d.p(f"Die erste Zeile ergibt //r//~=~√(9~η~×~{F('notebook_fall_speed')}~µm/s~/~"
        f"(2~(ρ_{{Öl}}~−~ρ_{{Luft}})~//g//))~=~{F('notebook_radius')}~µm. In der zweiten bewegt "
        f"sich das Tröpfchen gegen die Schwerkraft, also ist //v//~=~−{F('notebook_rise_speed')}~µm/s, "
        "und //U//~=~−500~V:")
    d.formula(f"//q//~=~6~π~η~//r//·//d//·(−{F('notebook_rise_speed')}~−~{F('notebook_fall_speed')})"
              f"~µm/s~/~(−500~V)~=~{F('notebook_charge')}×10^{{−19}}~C~≈~{F('notebook_charge_e')}~//e//,")
    d.p("das Ergebnis der Methode (b) in Abschnitt 7, bis auf die Rundung der Geschwindigkeiten.")

    d.h1("7. Rechenbeispiel")
    d.p(f"Gemessen wurde bei 20~°C (η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{Öl}}~−~ρ_{{Luft}}~=~{F('density_difference_20')}~kg/m^{{3}}). Die Messwerte unten "
        "sind die, die das Programm für eines seiner Tröpfchen tatsächlich liefert.")
    d.p("**Der Radius.** Bei ausgeschaltetem Netzgerät legte das gewählte Tröpfchen 30~Skalenteile "
        f"(300~µm) im Bild nach oben zurück, während die Stoppuhr bis {F('example_rise_reading')} "
        f"lief (das Tröpfchen brauchte tatsächlich {F('example_rise_time')}~s; die Anzeige "
        f"schneidet den Rest ab). Also ist //v//_{{0}}~=~300~µm~/~"
        f"{F.reading('example_rise_reading')}~s~=~"
        f"{F('example_v0')}~µm/s~=~{F('example_v0_si')}~m/s, und")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{Öl}~−~ρ_{Luft})~//g//))~=~"
              f"{F('example_radius')}~m~≈~{F('example_radius_um')}~µm.")
    d.p("Seine scheinbare Gewichtskraft ist")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{Öl}~−~ρ_{Luft})~//g//~=~"
              f"{F('example_weight')}~N.")
    d.p(f"**(a) Schwebemethode.** Bei umgekehrter Polung blieb das Tröpfchen bei "
        f"{F('example_balance')}~V praktisch stehen (bei "
        f"{F.num(F.number('example_balance') - 1)}~V bewegte es sich noch um etwa "
        f"{F('example_rise_below')}~µm pro Minute nach oben, bei "
        f"{F.num(F.number('example_balance') + 1)}~V um etwa {F('example_sink_above')}~µm "
        "pro Minute im Bild nach unten). Die Ladung ist")
    d.formula(f"//q//~=~{F('example_weight')}~N~×~{F('constant_PlateGap')}~m~/~{F('example_balance')}~V~=~"
              f"{F('example_q_balance')}~C~≈~{F('example_q_balance_e')}~//e//.")
    d.p("Die Ladung beträgt also 2 Elementarladungen, daraus folgt "
        f"//e//~≈~{F('example_q_balance')}~C~/~2~=~{F('example_e_estimate')}~C. Der kleine "
        "Überschuss kommt von der Stoppuhr: Ihre Anzeige schneidet die Zeit ab, daher fallen "
        "//v//_{0} und damit //r// etwas zu groß aus. Ein längerer Weg oder wiederholte Messungen "
        "verkleinern diesen Fehler.")
    d.p("**(b) Steig-Sink-Methode.** Bei umgekehrter Polung mit 500~V bewegte sich das Tröpfchen "
        f"im Bild nach unten und legte 10~Skalenteile (100~µm) in {F('example_fall_reading')} "
        f"zurück: //v//_{{1}}~=~100~µm~/~{F.reading('example_fall_reading')}~s~=~"
        f"{F('example_v1')}~µm/s (positiv, da es sich nach unten bewegt). Mit "
        f"6~π~η~//r//~=~{F('example_stokes')}~N·s/m ist")
    d.formula(f"//q//~=~{F('example_stokes')}~N·s/m~×~({F('example_v0')}~+~{F('example_v1')})×10^{{−6}}~m/s"
              f"~×~{F('constant_PlateGap')}~m~/~500~V~=~{F('example_q_timing')}~C~≈~"
              f"{F('example_q_timing_e')}~//e//.")
    d.p("Die beiden Methoden stimmen überein: Das Tröpfchen trägt 2~//e//. Zum Vergleich: Bei "
        f"positiver Polung mit 500~V würde sich dasselbe Tröpfchen mit {F('example_positive')}~µm/s "
        "im Bild nach oben bewegen.")
    d.p(f"**Ein Tröpfchen mit dem Radius 1~µm** bewegt sich bei ausgeschaltetem Netzgerät mit etwa "
        f"{F('speed_10')}~µm/s ({F('speed_10_whole')}~Pixel pro Sekunde) nach oben: 20~Skalenteile "
        f"legt es in nur {F('time_20_ticks_10')}~s zurück, miss große Tröpfchen also über einen "
        "längeren Weg. Trägt es eine Elementarladung, ändern 500~V seine Geschwindigkeit um etwa "
        f"{F('change_per_e_10')}~µm/s: auf {F('speed_10_1e_reversed')}~µm/s bei umgekehrter Polung "
        f"und auf {F('speed_10_1e_positive')}~µm/s bei positiver Polung.")

    d.h1("8. Das Messheft")
    d.p("Das Fenster des Messhefts (Messung → Messheft…, oder F7) hält deine Zeitmessungen in einer "
        "Tabelle fest, eine Zeile je Messung, und berechnet daraus Geschwindigkeit, Radius und "
        "Ladung. Das Fenster hält die Simulation nicht an: Lass es beim Messen neben dem "
        "Hauptfenster offen.")

    d.h2("8.1. Eine Zeitmessung eintragen")
    d.num("1.", "Klicke das Tröpfchen an, dessen Zeit du messen willst, sodass es rot wird "
          "(Abschnitt 3.1).")
    d.num("2.", "Drücke F5, wenn das Tröpfchen einen Teilstrich passiert, und F6, wenn es //N// "
          "Skalenteile zurückgelegt hat.")
    d.num("3.", "Drücke F8: Am Ende der Tabelle erscheint eine neue Zeile mit dem Stand der "
          "Stoppuhr und der Spannung und Temperatur dieses Augenblicks.")
    d.num("4.", "Prüfe in der neuen Zeile die Tröpfchennummer, die Zahl der Skalenteile und die "
          "Richtung, und korrigiere sie, wo nötig: Doppelklicke auf die Zelle oder markiere sie "
          "und tippe.")
    d.p("F8 übernimmt, was die Stoppuhr in diesem Augenblick zeigt, auch während sie läuft; halte "
        "sie vorher an. In der Tabelle lassen sich nur Tröpfchen, Skalenteile und Richtung ändern; "
        "Zeit, Spannung und Temperatur sind die Messwerte selbst.")

    d.h2("8.2. Die Spalten")
    d.table([
        ["Spalte", "Inhalt"],
        ["Tröpfchen", "die Nummer des verfolgten Tröpfchens oder leer, wenn du keinem gefolgt "
         "bist; du kannst eine andere Nummer eintippen oder die Zelle leeren"],
        ["Skalenteile //N//", "die zurückgelegten Skalenteile: zunächst die Zahl der vorigen "
         "Zeile, 30 in der ersten Zeile; tippe die Zahl ein, die du gezählt hast. Der Weg daneben "
         "ist //N//~×~10~µm."],
        ["Zeit", "der Stand der Stoppuhr wie angezeigt, in Sekunden"],
        ["Richtung", "**fällt**: in Richtung der Schwerkraft, im Bild nach oben; **steigt**: "
         "gegen die Schwerkraft, im Bild nach unten; **schwebt**: in der Schwebe gehalten, "
         "Geschwindigkeit 0. Eine neue Zeile sagt „steigt“, wenn das Netzgerät mit umgekehrter "
         "Polung eingeschaltet ist, sonst „fällt“; wähle aus der Liste, wenn sich das Tröpfchen "
         "andersherum bewegt oder stillgestanden hat."],
        ["Spannung", "die vorzeichenbehaftete Plattenspannung beim Eintragen, in V: 0 bei "
         "ausgeschaltetem Netzgerät, negativ bei umgekehrter Polung"],
        ["Temperatur", "die Temperatur der Kammer beim Eintragen, in °C, mit zwei Dezimalen"],
        ["Geschwindigkeit, Radius, Ladung", "berechnet wie in Abschnitt 6 (c): die "
         "Geschwindigkeit in µm/s, der Radius in µm, die Ladung in 10^{−19}~C; leer, wo sie sich "
         "noch nicht berechnen lassen"],
    ], [2600, 6400], align=["l", "l"])
    d.note("„Fällt“ und „steigt“ benennen die wirkliche Bewegung, nicht das Bild: Im umgekehrten "
           "Bild bewegt sich ein fallendes Tröpfchen **nach oben**. Ein Tröpfchen, das sich im "
           "umgepolten Feld noch nach oben bewegt, fällt, nur langsamer.")

    d.h2("8.3. Schaltflächen, Histogramm und Schätzwert")
    d.bullet("**„Markierte Zeilen löschen“** oder die Taste Entf in der Tabelle: löscht die Zeilen, "
             "die du markiert hast (klicke auf eine Zeilennummer; mit Strg oder Umschalt markierst "
             "du weitere Zeilen).")
    d.bullet("**„CSV exportieren…“**: speichert die Tabelle als CSV-Datei an einem Ort deiner Wahl "
             "(das Format steht in Abschnitt 8.4).")
    d.bullet("**„Protokoll speichern…“**: speichert ein PDF im Format A4 mit Titel, deiner Kennung, "
             "Datum und Uhrzeit, der Tabelle, dem Histogramm und dem Schätzwert. Das gibst du ab.")
    d.p("Unter der Tabelle zeigt ein **Histogramm** die Ladungen nach ihrer Größe, in Klassen von "
        "0,1×10^{−19}~C, von 0 bis mindestens 6×10^{−19}~C (weiter, wenn eine Ladung größer ist); "
        "schwache gestrichelte Linien markieren die ganzzahligen Vielfachen des Schätzwerts. "
        "Darunter steht der **Schätzwert** der Elementarladung mit seiner Unsicherheit, der Zahl "
        "der Ladungen, auf denen er beruht, und seiner Abweichung vom Literaturwert "
        f"{F('constant_ElemCharge')}~C; wie er entsteht, beschreibt Abschnitt 9.")

    d.h2("8.4. Wo das Messheft gespeichert wird")
    d.p("Jede Kennung hat ein eigenes Messheft, die Datei <Kennung>.csv im Ordner "
        "$XDG_DATA_HOME/tessilar/notebooks oder $HOME/.local/share/tessilar/notebooks, wenn die "
        "Variable XDG_DATA_HOME nicht gesetzt ist (Zeichen, die nicht in einem Dateinamen stehen "
        "dürfen, wie „/“, werden zu „_“). Das Programm schreibt die Datei nach jeder Änderung in "
        "einem Schritt, sodass sie immer entweder die alte oder die neue Tabelle enthält, und liest "
        "sie wieder ein, wenn dieselbe Kennung das Programm erneut startet.")
    d.bullet("Ein Messheft, das sich nicht lesen lässt (beschädigt oder von Hand in eine andere "
             "Form gebracht), wird nie überschrieben: Es wird im selben Ordner in "
             "<Kennung>.damaged-<Datum-Uhrzeit>.csv umbenannt, eine Meldung weist darauf hin, und "
             "ein leeres Messheft beginnt. Schlägt selbst das Umbenennen fehl, bleibt die Datei, wie "
             "sie ist, und die Zeilen dieser Sitzung bleiben nur im Arbeitsspeicher: Sichere sie mit "
             "„CSV exportieren…“.")
    d.bullet("Lässt sich der Ordner nicht beschreiben, sagt das eine Meldung einmal; die Tabelle "
             "funktioniert weiter, und du kannst ihre Zeilen mit „CSV exportieren…“ an einem "
             "anderen Ort sichern.")
    d.p("Die Datei ist eine CSV-Tabelle (UTF-8, mit „.“ als Dezimalzeichen), die "
        "Tabellenkalkulationen öffnen. Ihre erste Zeile lautet:")
    d.formula("droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,"
              "radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa")
    d.p("und jede weitere Zeile ist eine Zeile der Tabelle, wobei die Richtung als fall, rise oder "
        "balanced geschrieben wird. Die letzten vier Zellen sagen, wessen Tröpfchen es war: deine "
        "Kennung, wie du sie getippt hast, und in einer Kammer, die der Klassencode einer Lehrkraft "
        "zu deiner eigenen macht (Abschnitt 8.5), aus welcher deiner Einsprühungen es stammte und "
        "wie viele Ionisationsstöße bis dahin auf diese Einsprühung gewirkt hatten; der Druck in "
        "kPa steht nur in Zeilen, die in realer Luft gemessen wurden (Abschnitt 11.3). Wenn das "
        "Programm ein Messheft wieder einliest, übernimmt es Tröpfchen, Skalenteile, Zeit, "
        "Richtung, Spannung, Temperatur und diese vier Zellen und berechnet den Rest neu; ein "
        "Messheft nur mit den ersten zehn Spalten, wie frühere Versionen es schrieben, lässt sich "
        "weiterhin öffnen. Die Markierung ⚡ aus Abschnitt 10 wird neben dem Messheft aufbewahrt, in "
        "der Datei <Kennung>.bursts.")

    d.h2("8.5. Für Lehrkräfte")
    d.p("Einstellungen in der Datei Tessilar.ini des Programmordners (nicht eines Sprachordners) "
        "passen das Programm an eine Klasse an:")
    d.bullet("**Calculations=0** im Abschnitt **[Notebook]** blendet die Spalten für Radius und "
             "Ladung, das Histogramm und den Schätzwert aus, sodass die Schülerinnen und Schüler sie "
             "von Hand berechnen (Abschnitt 6); die Datei des Messhefts und das Protokoll lassen "
             "diese Spalten dann leer.")
    d.bullet("**BrownianMotion=1** im Abschnitt **[Settings]** schaltet die Brownsche Bewegung von "
             "Anfang an ein (Abschnitt 11.2); im Menü „Messung“ lässt sie sich trotzdem ausschalten.")
    d.bullet("**RealAir=1** im Abschnitt **[Settings]** füllt die Kammer von Anfang an mit realer "
             "Luft (Abschnitt 11.3), wie **?realair=1** in der Adresse der Browserausgabe; im Menü "
             "„Messung“ lässt sie sich trotzdem ausschalten.")
    d.bullet("**ClassCode=//Code//** im Abschnitt **[Assessment]** gibt allen Schülerinnen und "
             "Schülern eine eigene Kammer: Die Tröpfchen ihrer Einsprühungen und die Änderung, die "
             "jeder Ionisationsstoß bewirkt, folgen allein aus dem Code und der Kennung, ebenso in "
             "der Browserausgabe (dort **?class=//Code//** in der Adresse), was auch immer sie sonst "
             "tun. Der Code ist ein beliebiger Text aus bis zu 64 Zeichen ohne Markup und "
             "Steuerzeichen; ein unbrauchbarer Code wird gemeldet, und die Tröpfchen werden dann "
             "zufällig eingesprüht.")
    d.bullet("**Language=Deutsch** im Abschnitt **[Settings]** startet das Programm auf Deutsch "
             "(**Language=English** auf Englisch), und **Droplets=//N//** dort gibt an, wie viele "
             "Tröpfchen die Schülerinnen und Schüler messen sollen (8, wenn nichts gesetzt ist): Das "
             "Fenster des Messhefts zählt sie mit („Gemessene Tröpfchen: 3 von 8“), und auf einer "
             "Lernplattform ist die Unterrichtseinheit abgeschlossen, wenn sie gemessen sind.")
    d.p("**Hilfe → Einstellungen für Lehrkräfte…** fasst all das in einem Dialog zusammen und gibt "
        "es in jeder Form aus, die eine Unterrichtsstunde braucht: die Adresse der Browserausgabe "
        "mit den Einstellungen als Parametern (gib die Adresse ein, unter der du die Seite ablegst, "
        "dann **„Adresse kopieren“**) und ihren QR-Code für die Handys der Klasse; die Zeilen für "
        "diese Tessilar.ini; **„Seite speichern…“**, eine Kopie der Seite der Browserausgabe mit den "
        "Einstellungen darin, die überall, wo sie geöffnet wird, mit ihnen startet (ein Parameter in "
        "ihrer Adresse hat trotzdem Vorrang); und **„SCORM-Paket speichern…“**, dieselbe Seite als "
        "SCORM-1.2-Paket für die SCORM-Aktivität einer Lernplattform. Auf der Plattform übernimmt "
        "die Seite den Namen der oder des Lernenden als Kennung, speichert das Messheft nach jeder "
        "Änderung bei der Plattform (und findet es bei einem späteren Versuch oder auf einem "
        "anderen Gerät wieder) und meldet die Unterrichtseinheit als abgeschlossen, mit einer "
        "Punktzahl aus dem Anteil der gemessenen Tröpfchen sowie jeder Ladung und dem Schätzwert "
        "von //e//. Ein Messheft, das für die 4096 Zeichen der Plattform zu groß ist, oder eine "
        "Plattform, die es ablehnt, wird einmal gemeldet, und das Messheft bleibt im Browser. Die "
        "geltenden Einstellungen stehen im Info-Fenster. Das Installationspaket des Programms legt "
        "die Seite und das SCORM-Paket in /usr/share/tessilar/web ab.")
    d.p("Der Code gibt ehrlichen Schülerinnen und Schülern verschiedene Kammern, und mit ihm zeigt "
        "der Lösungsschlüssel, welche Zeilen abgeschrieben, erfunden oder falsch abgelesen sind. "
        "Ein Schloss ist er nicht: Wer das Programm auseinandernimmt, könnte eine Kammer "
        "herausfinden.")
    d.p("Der Befehl **tessilar --report NOTEBOOK.csv REPORT.pdf** schreibt das Protokoll zur "
        "Messheft-Datei einer Schülerin oder eines Schülers als PDF, ohne ein Fenster zu öffnen "
        "(die Kennung darin ist der Name der Datei), und gibt den Schätzwert von //e// aus. Bei "
        "einem Messheft, das sich nicht lesen lässt, nennt er die Datei und die Zeile und schreibt "
        "kein PDF.")
    d.p("**tessilar --class-report CLASS.pdf --class-code //code// NOTEBOOK.csv …** fasst die "
        "Messhefte einer Klasse in einem Bericht zusammen und fügt den **Lösungsschlüssel** hinzu: "
        "Jede Zeile wird mit dem verglichen, was die Kammer ihrer Schülerin oder ihres Schülers in "
        "diesem Augenblick wirklich enthielt. Die Seiten jeder Person enden mit einer Tabelle ihrer "
        "Zeilen mit dem wahren Radius und der wahren Ladung des Tröpfchens, der Ladung, die die "
        "Zeile ergibt, und einer Bewertung: //richtig// (die Ladung der Zeile liegt dem wahren "
        "ganzzahligen Vielfachen am nächsten), //falsch abgelesen// (die Zeile stammt von diesem "
        "Tröpfchen, aber ihre Ladung liegt einem anderen Vielfachen am nächsten), //aus dieser "
        "Kammer// (keine Ladung zu beurteilen) oder //nicht aus dieser Kammer// (ihre "
        "Geschwindigkeit weicht um mehr als 25~% von der Geschwindigkeit ab, die das Tröpfchen "
        "wirklich hatte, wie bei einer abgeschriebenen oder erfundenen Zeile). Die Tabelle der "
        "Klasse zeigt für jede Person, wie viele Zeilen zu ihrer Kammer passen und wie viele "
        "Ladungen richtig sind, und markiert ein Messheft als Kopie, wenn seine Zeilen eine andere "
        "Person nennen oder wenn es Zeilen mit dem Messheft einer anderen Person teilt, die besser "
        "zu deren Kammer passen. Da die Zeilen ihre Schülerin oder ihren Schüler nennen, wird ein "
        "unterwegs umbenanntes Messheft („anna (1).csv“) trotzdem mit der richtigen Kammer "
        "verglichen. In der Browserausgabe leistet das Feld „Klassencode“ im Fenster des Messhefts "
        "dasselbe für dessen „Klassenbericht…“.")

    d.h1("9. Schätzung der Elementarladung")
    d.p("Das Messheft schätzt //e// aus allen Ladungen seiner Tabelle, so wie du es am Histogramm "
        "tun würdest: Es sucht die größte Ladungsportion, von der fast jede gemessene Ladung ein "
        "ganzzahliges Vielfaches ist. Welche Ladungen zählen:")
    d.bullet("Ladungen, deren Betrag kleiner als 0,3×10^{−19}~C ist, gehören zu ungeladenen "
             "Tröpfchen (gemessen wird nur der Fehler) und werden weggelassen.")
    d.bullet("Eine negative Ladung zählt mit ihrem Betrag.")
    d.bullet("Bleiben weniger als 3 Ladungen übrig oder liegen weniger als 3 nahe an ganzzahligen "
             "Vielfachen des gefundenen Werts, meldet das Fenster, dass die Daten nicht ausreichen.")
    d.p("Das Verfahren, Schritt für Schritt:")
    d.num("1.", "Der Kandidat für //e// beginnt beim 1,2-Fachen der kleinsten Ladung und wird in "
          "kleinen Schritten verringert (jeweils um 0,1~%). Der erste, also größte Kandidat, für "
          "den mindestens 90~% der Ladungen innerhalb von 0,2~//e// an einem ganzzahligen "
          "Vielfachen //n e// liegen (//n//~=~1, 2, 3, …), wird behalten. Kommt kein Kandidat so "
          "weit, wird der behalten, der die meisten Ladungen erfasst.")
    d.num("2.", "Jede Ladung, die so nahe liegt, wird durch ihr //n// geteilt, und der Mittelwert "
          "dieser Werte //q/////n// wird das neue //e//. Dieser Schritt wird zweimal ausgeführt, "
          "weil das neue //e// ändern kann, welche Ladungen nahe an einem Vielfachen liegen.")
    d.num("3.", "Die Unsicherheit ist der Standardfehler der Werte //q/////n//: ihre "
          "Standardabweichung geteilt durch die Wurzel aus ihrer Anzahl. Das Fenster zeigt "
          "außerdem, wie viele Ladungen verwendet wurden, und die Abweichung von "
          f"{F('constant_ElemCharge')}~C.")
    d.p("Warum der größte Kandidat? Ladungen, die ganzzahlige Vielfache von //e// sind, sind auch "
        "ganzzahlige Vielfache von //e///2, //e///3, …; die Daten können nur die größte Portion "
        "zeigen, die alle gemeinsam haben. Das Verfahren hat daher Grenzen, und du solltest sie "
        "kennen:")
    d.bullet("**Nur gerade Vielfache.** Trägt jedes gemessene Tröpfchen 2~//e// oder 4~//e//, sind "
             "die Ladungen ebenso ganzzahlige Vielfache von 2~//e//, und der Schätzwert ist 2~//e//. "
             "Kein Verfahren kann aus solchen Daten //e// von 2~//e// unterscheiden. Suche "
             "Tröpfchen, deren Ladungen zwischen den Gruppen liegen, oder ändere die Ladung eines "
             "Tröpfchens mit der Ionisationsquelle um ein //e// (Abschnitt 10).")
    d.bullet("**Fast alle dasselbe Vielfache.** Daten, in denen fast jede Ladung dasselbe "
             "Vielfache ist (zum Beispiel alle nahe 2~//e//), sind genauso mehrdeutig: Der "
             "Schätzwert ist dieses Vielfache. Miss viele verschiedene Tröpfchen.")
    d.bullet("**Große Tröpfchen mit kleinen Ladungen.** Das Feld ändert die Geschwindigkeit eines "
             f"großen Tröpfchens nur wenig: Ein Tröpfchen von 1,5~µm fällt bei ausgeschaltetem "
             f"Netzgerät mit {F('speed_15')}~µm/s, und eine Elementarladung ändert das bei 500~V "
             f"nur um {F('change_per_e_15')}~µm/s. Seine Ladung ist dann die kleine Differenz "
             "zweier großer Geschwindigkeiten, und die Fehler der Zeitmessung überwiegen. Bevorzuge "
             "kleine Tröpfchen und eine umgekehrte Spannung, bei der sich das Tröpfchen im Bild "
             "deutlich nach unten bewegt.")
    d.p("Prüfe den Schätzwert am Histogramm: Die Balken sollten auf den gestrichelten Linien "
        "stehen. Ein Balken auf halbem Weg zwischen zwei Linien ist eine Ladung, die du noch einmal "
        "messen solltest.")

    d.h1("10. Die Ionisationsquelle")
    d.p("Eine Ionisationsquelle (im wirklichen Versuch eine schwache Röntgenquelle oder ein "
        "radioaktives Präparat) erzeugt Ionen in der Luft, und Tröpfchen, die sie aufnehmen, ändern "
        "ihre Ladung. Im Programm wirkt ein Ionisationsstoß (F9 oder Messung → Ionisieren) so: "
        "Jedes Tröpfchen in der Kammer gewinnt oder verliert mit der Wahrscheinlichkeit 1/3 genau "
        "eine Elementarladung, beides gleich wahrscheinlich; die übrigen behalten ihre Ladung. Der "
        "Stoß bewegt nichts: Orte, Geschwindigkeiten und Radien bleiben, wie sie sind, aber im Feld "
        "nimmt ein Tröpfchen, dessen Ladung sich geändert hat, sofort seine neue Geschwindigkeit "
        "an.")
    d.p("Eine Ladung kann so 0 werden (das Tröpfchen reagiert nicht mehr auf das Feld) oder "
        "negativ. Die elektrische Kraft //q U/////d// wechselt mit //q// ihr Vorzeichen: Das "
        "umgepolte Feld, das ein positives Tröpfchen gegen die Schwerkraft drückt, drückt ein "
        "negatives mit der Schwerkraft. Ein negatives Tröpfchen bewegt sich im Feld daher "
        "andersherum: Bei umgekehrter Polung fällt es schneller, im Bild nach oben, und nur "
        "positive Polung kann es in der Schwebe halten. Bei −500~V zum Beispiel bewegt sich ein "
        f"Tröpfchen von 1~µm mit einer Elementarladung mit {F('speed_10_1e_reversed')}~µm/s im Bild "
        f"nach oben, mit einer negativen Elementarladung mit {F('speed_10_minus1e_reversed')}~µm/s. "
        "Das Messheft gibt einem solchen Tröpfchen eine negative Ladung; der Schätzwert zählt sie "
        "mit ihrem Betrag.")
    d.p("Die erste Zeile, die du nach einem Stoß einträgst, ist neben ihrer Zeilennummer mit ⚡ "
        "markiert, in der Tabelle und im Protokoll: Die Ladungen vor und nach ihr können sich "
        "unterscheiden.")
    d.p("**Ein Versuch: Eine Ladung ändert sich um ein //e//.**")
    d.num("1.", "Verfolge ein Tröpfchen (klicke es an) und miss seinen Fall bei ausgeschaltetem "
          "Netzgerät (F5, F6, F8): Das ergibt seinen Radius.")
    d.num("2.", "Schalte eine umgekehrte Spannung ein, zum Beispiel 500~V, und miss das Tröpfchen "
          "im Feld: Seine Ladung erscheint im Messheft.")
    d.num("3.", "Löse einzeln Stöße aus (F9) und beobachte das Tröpfchen, bis sich seine "
          "Geschwindigkeit im Feld sprunghaft ändert. Bei 500~V ändert eine Elementarladung die "
          f"Geschwindigkeit um {F('change_per_e_05')}~µm/s bei einem Tröpfchen von 0,5~µm und um "
          f"{F('change_per_e_10')}~µm/s bei einem von 1~µm. Ein Stoß ändert die Ladung eines "
          "bestimmten Tröpfchens im Mittel nur jedes dritte Mal.")
    d.num("4.", "Miss das Tröpfchen erneut im Feld: Seine neue Ladung unterscheidet sich von der "
          "alten um eine Elementarladung, gleich wie viele Ladungen es trug. Wiederhole das einige "
          "Male.")

    d.h1("11. Messfehler")
    d.h2("11.1. Die Zeitmessung")
    d.p("Die Anzeige der Stoppuhr schneidet die Zeit beim Zehntel einer Sekunde ab (Abschnitt 3.5), "
        "und deine Reaktionen beim Starten und Anhalten kommen hinzu. Beides wiegt umso weniger, je "
        "länger die Messung dauert: Miss über viele Skalenteile und wiederhole. Die "
        "Geschwindigkeiten des Programms sind ein wenig kleiner als die der Formel, "
        f"um {F('shortfall_10')}~% bei einem Tröpfchen von 1~µm und höchstens "
        f"{F('shortfall_largest')}~% (Abschnitt 5). Miss erst, wenn die Drift nach dem Einsprühen "
        "aufgehört hat, und warte nach einer Temperaturänderung, bis das Thermometer stillsteht; das "
        "Messheft berücksichtigt die Temperatur jeder Zeile.")

    d.h2("11.2. Die Brownsche Bewegung")
    d.p("So kleine Tröpfchen werden von den Molekülen der Luft angestoßen: Sie zittern. Das Programm "
        "lässt das weg, solange du nicht Messung → Brownsche Bewegung einschaltest (eine Lehrkraft "
        "kann sie von Anfang an einschalten, Abschnitt 8.5). Dann bewegt sich in jedem Schritt der "
        "Simulation von 1~ms jedes Tröpfchen zusätzlich um einen zufälligen Betrag in X und in Y, "
        "unabhängig voneinander, gezogen aus einer Normalverteilung mit der Standardabweichung "
        "√(2~//D h//); dabei ist //h//~=~1~ms und")
    d.formula(f"//D//~=~//k//_{{B}}~//T//~/~(6~π~η~//r//),~~~~~//k//_{{B}}~=~"
              f"{F('constant_Boltzmann')}~J/K")
    d.p("der Diffusionskoeffizient des Tröpfchens, mit der Temperatur //T// und der Viskosität η "
        "dieses Augenblicks. Die Schritte summieren sich: Nach einer Zeit //t// hat die "
        "Verschiebung längs einer Achse eine Streuung von √(2~//D t//), am größten bei kleinen "
        "Tröpfchen und warmer Luft. Bei 20~°C:")
    d.table([["//r// (µm)", "√(2~//D t//) nach 1~s (µm)", "30~Skalenteile bei ausgeschaltetem "
              "Netzgerät (s)", "Zittern über die 30~Skalenteile (µm)",
              "relativer Fehler der Geschwindigkeit (%)"]] + [
        [F.num(r, 1), F(f"brownian_{k}"), F(f"brownian_time_{k}"), F(f"brownian_path_{k}"),
         F(f"brownian_relative_{k}")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1100, 2000, 2000, 2000, 2000], align=["c"] * 5)
    d.p("**Was das für eine Zeitmessung bedeutet.** Ein Tröpfchen, das über einen Weg //L// mit der "
        "Geschwindigkeit //v// gemessen wird, ist //L/////v// lang unterwegs; in dieser Zeit fügt "
        "das Zittern dem Weg etwa √(2~//D L/////v//) hinzu oder nimmt so viel weg, die "
        "Geschwindigkeit hat also einen relativen Fehler von etwa √(2~//D//~/~(//L v//)). Für ein "
        f"Tröpfchen von 0,5~µm, gemessen über 30~Skalenteile, sind das {F('brownian_relative_05')}~%, "
        "weit mehr als der Fehler der Stoppuhr.")
    d.p("**Wie man es herausmittelt.** Das Zittern ist zufällig, daher mittelt es sich heraus:")
    d.bullet("Miss über einen längeren Weg: Der relative Fehler sinkt mit 1/√//L//, der vierfache "
             "Weg halbiert ihn.")
    d.bullet("Wiederhole die Messung und bilde den Mittelwert: //n// Messungen machen den Fehler "
             "√//n//-mal kleiner. Das Messheft mittelt die Radien eines Tröpfchens bereits über alle "
             "seine Fälle bei ausgeschaltetem Netzgerät.")
    d.bullet("Größere Tröpfchen zittern weniger und bewegen sich schneller, ihr relativer Fehler ist "
             "also kleiner; im Feld macht eine Spannung, bei der sich das Tröpfchen im Bild deutlich "
             "nach unten bewegt, den Geschwindigkeitsunterschied groß gegenüber dem Zittern.")
    d.p(f"Auch ein schwebendes Tröpfchen wandert: Eines von 0,5~µm entfernt sich in 25~s um etwa "
        f"{F('brownian_05_watch')}~µm. Beurteile bei eingeschalteter Brownscher Bewegung das "
        "Schweben danach, ob das Tröpfchen stetig in eine Richtung driftet, nicht danach, ob es auf "
        "einem Teilstrich bleibt.")

    d.h2("11.3. Reale Luft: das Gleiten kleiner Tröpfchen")
    d.p("Das Stokessche Gesetz beschreibt eine Kugel in einem kontinuierlichen Fluid. Ein Tröpfchen "
        "von 0,5 bis 1,5~µm ist nicht viel größer als die mittlere freie Weglänge der Luftmoleküle "
        "(etwa 0,07~µm bei Normaldruck): Es gleitet zwischen ihnen hindurch und fällt schneller, "
        "als das Stokessche Gesetz sagt, und das umso mehr, je dünner die Luft ist. Mit **Messung → "
        "Reale Luft** enthält die Kammer reale Luft beim Druck //p//, und die Reibungskraft auf ein "
        "Tröpfchen mit dem Radius //r// ist die Stokessche, geteilt durch den Gleitfaktor "
        "(Cunningham-Korrektur)")
    d.formula(f"//C//~=~1~+~//b//~/~(//p r//),~~~~~//b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m")
    d.p("Damit wachsen der Fall bei ausgeschaltetem Netzgerät und die Geschwindigkeit, die das Feld "
        "hinzufügt, beide um den Faktor //C//, und bei eingeschalteter Brownscher Bewegung wächst "
        "das //D// des Zitterns um denselben Faktor. Die Dichte der Luft folgt dem Druck ebenso wie "
        "der Temperatur: ρ_{Luft} von oben wird mit //p//~/~101,325~kPa multipliziert. Der "
        "Gleitfaktor:")
    d.table([["//r// (µm)", "101,3~kPa", "20~kPa", "1~kPa"]] + [
        [F.num(r, 1), F(f"slip_{k}_1013"), F(f"slip_{k}_20"), F(f"slip_{k}_1")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)
    d.p("**Das Druckfeld.** Solange reale Luft eingeschaltet ist, zeigt ein Feld unter dem "
        f"Mikroskop den Druck der Kammer in kPa, {F('constant_StartPressure')} zu Beginn eines "
        "Laufs. Tippe einen Druck von 1 bis 110~kPa ein oder ändere ihn mit den Pfeilschaltflächen "
        "(oder den Pfeiltasten nach oben und unten) in Schritten von 1~kPa. Wie bei der Temperatur "
        "gilt jede eingetippte Zahl sofort; eine Zahl außerhalb des Bereichs oder keine Zahl lässt "
        "den letzten gültigen Druck in Kraft, und Enter oder das Verlassen des Felds zeigt den "
        "geltenden Druck. Jede Zeile, die das Messheft einträgt, behält den Druck dieses "
        "Augenblicks (seine Spalte „Druck“, pressure_kPa in der Datei).")
    d.p("**Zwei Auswertungen.** Für ein in realer Luft gemessenes Messheft liefern das Fenster des "
        "Messhefts und das Protokoll zwei Ergebnisse, jeweils mit der Angabe, welche Auswertung es "
        "ist:")
    d.bullet(f"**Mit Gleitkorrektur**, //b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m: "
             "Der Radius aus der Fallgeschwindigkeit //v//_{0} löst "
             "//r//^{2}~+~(//b/////p//)~//r//~=~9~η~//v//_{0}~/~(2~(ρ_{Öl}~−~ρ_{Luft})~//g//) exakt, "
             "und jede Ladung wird mit demselben Faktor berechnet, "
             "//q//~=~6~π~η~//r d//~(//v//~−~//v//_{0})~/~(//U C//). Das Histogramm und der "
             "Schätzwert von //e// (Abschnitt 9) verwenden diese Ladungen.")
    d.bullet("**Extrapoliert auf 1/(//p r//)~=~0**, was keinen Wert von //b// voraussetzt. Nur mit "
             "dem Stokesschen Gesetz berechnet, fällt jede Ladung um den Faktor //C//^{3/2} zu groß "
             "aus: Ihre scheinbare Ladung //q//_{s} erfüllt "
             "(//q//_{s}~/~//n//)^{2/3}~=~//e//^{2/3}~(1~+~//b//~/~(//p r//)), eine Gerade über "
             "1/(//p r//). Das Messheft trägt (//q//_{s}~/~//n//)^{2/3} jeder Ladung über "
             "1/(//p r//) auf (//n// ist ihre ganze Zahl von //e//, zuerst aus den korrigierten "
             "Ladungen gezählt und dann aus der Geraden selbst), legt nach der Methode der kleinsten "
             "Quadrate eine Ausgleichsgerade hindurch und gibt //e// als Achsenabschnitt hoch 3/2 "
             "und //b// als Steigung geteilt durch den Achsenabschnitt an, jeweils mit seiner "
             "Unsicherheit. Da //r// selbst von //b// abhängt, beginnt es mit den Stokesschen Radien "
             "und berechnet die Radien mit dem //b// der Geraden erneut, bis sich //b// nicht mehr "
             "ändert. Eine Ladung zählt, wenn ihr Tröpfchen beim selben Druck auch bei "
             "ausgeschaltetem Netzgerät gefallen ist; die Gerade braucht mindestens 4 Tröpfchen und "
             "zwei oder mehr Werte von 1/(//p r//).")
    d.p("**So misst du.** Miss Tröpfchen bei Normaldruck, senke dann den Druck (zum Beispiel auf "
        "20~kPa) und miss weitere: Die Punkte der dünnen Luft liegen weit rechts und legen die "
        "Steigung fest. In dünner Luft fallen die Tröpfchen viel schneller, miss sie also über "
        "lange Wege. Für ein solches Messheft gibt **tessilar --report** nach dem Schätzwert eine "
        "zweite Zeile aus, „extrapolated: e = … C +- … C, b = … Pa m +- … Pa m from //N// "
        "droplets“ oder „extrapolated: too few droplets“.")

    d.h1("12. Praktische Hinweise")
    d.bullet("Warte nach dem Einsprühen, bis die Drift aufgehört hat: Miss erst, wenn sich die "
             "Tröpfchen gerade nach oben oder unten bewegen, parallel zur senkrechten Linie der "
             "Strichskala.")
    d.bullet("Bei ausgeschaltetem Netzgerät verlassen die größeren Tröpfchen das Sehfeld innerhalb "
             "weniger Sekunden. Um Tröpfchen im Sehfeld zu behalten, schalte bald nach dem "
             "Einsprühen eine umgekehrte Spannung ein. Du kannst jederzeit erneut einsprühen, um "
             "frische Tröpfchen zu bekommen.")
    d.bullet("Mit der senkrechten Bildlaufleiste kannst du ein Tröpfchen an den unteren oder oberen "
             "Rand des Sehfelds bringen und es so über einen längeren Weg messen. Bewege die Leiste "
             "nicht während der Messung.")
    d.bullet("Je länger der Weg (20–35 Skalenteile) und je öfter du eine Messung wiederholst, desto "
             "weniger fällt der Ablesefehler von 0,1~s ins Gewicht. Bei der Schwebemethode ist der "
             "relative Fehler der Ladung etwa anderthalbmal so groß wie der relative Fehler der "
             "Geschwindigkeit.")
    d.bullet("Ein Tröpfchen, das nicht reagiert, wenn du das Netzgerät ein- und ausschaltest, ist "
             "ungeladen.")
    d.bullet("Klicke das Tröpfchen an, bevor du seine Zeit misst, und miss bei jedem Tröpfchen "
             "mindestens einen Fall bei ausgeschaltetem Netzgerät: Ohne ihn kann das Messheft Radius "
             "und Ladung nicht berechnen.")
    d.bullet("Halte die Stoppuhr an (F6), bevor du die Messung einträgst (F8), und prüfe die "
             "Richtung der neuen Zeile.")
    d.bullet("Warte nach einer Temperaturänderung etwa eine Minute, bis die Thermometersäule "
             "stillsteht, und verwende in deiner Rechnung η und ρ_{Luft} der neuen Temperatur.")
    d.bullet("Miss bei eingeschalteter Brownscher Bewegung über lange Wege und wiederhole jede "
             "Messung (Abschnitt 11.2).")

    d.h1("13. Aufgaben")
    d.num("1.", "**Quantelung der Ladung.** Miss die Ladung von mindestens 10 (besser 20) "
          "verschiedenen Tröpfchen mit einer der beiden Methoden. Trage die Ladungen auf einem "
          "Zahlenstrahl oder als Histogramm auf (das Messheft zeichnet eines). Zeige, dass die "
          "Werte in Gruppen liegen und dass diese ganzzahlige Vielfache einer gemeinsamen "
          "Ladungsportion sind. Bestimme daraus die Elementarladung und ihre Unsicherheit, und "
          f"vergleiche sie mit dem Schätzwert des Messhefts und mit {F('constant_ElemCharge')}~C.")
    d.num("2.", "**Vergleich der beiden Methoden.** Miss die Ladung desselben Tröpfchens mit der "
          "Schwebemethode und mit der Steig-Sink-Methode. Welche ist genauer, und warum?")
    d.num("3.", "**Der Einfluss der Temperatur.** Halte ein Tröpfchen bei 20~°C in der Schwebe und "
          "miss //v//_{0}; stelle dann den Thermostaten auf 80~°C und warte, bis die "
          "Thermometersäule stillsteht. Musst du die Schwebespannung ändern? Miss //v//_{0} "
          "erneut. Erkläre, warum sich die Geschwindigkeit ändert und warum sich die "
          "Schwebespannung kaum ändert. (Hinweis: Im Programm hat ein Tröpfchen von 1~µm ein "
          f"//v//_{{0}} von {F('speed_10_at_0')}~µm/s bei 0~°C, {F('speed_10_at_20')} bei 20~°C, "
          f"{F('speed_10_at_50')} bei 50~°C und {F('speed_10_at_100')}~µm/s bei 100~°C.) Wie groß "
          "wäre dein Fehler, wenn du in deiner Rechnung die Viskosität für 20~°C verwendest?")
    d.num("4.", "**Die Drift.** Beobachte direkt nach dem Einsprühen die Tröpfchen an den "
          "waagerechten Teilstrichen. Wie weit bewegen sie sich nach links, und wie schnell? "
          "Schätze die Zeitkonstante der Drift ab. Warum muss die Drift abgeklungen sein "
          f"({F('drift_stop')}~s), bevor du die Zeit eines Tröpfchens misst, und welchen Fehler "
          "würdest du machen, wenn du in der ersten Sekunde misst?")
    d.num("5.", "**Die Grenze der Schwebemethode.** Berechne den größten Radius, bei dem sich ein "
          "Tröpfchen mit 1, 2 oder 3 Elementarladungen mit 1000~V noch in der Schwebe halten "
          f"lässt. (Lösung: etwa {F('largest_balanced_1e')}, {F('largest_balanced_2e')} und "
          f"{F('largest_balanced_3e')}~µm.)")
    d.num("6.", "**Eine Ladung ändert sich.** Führe den Versuch aus Abschnitt 10 mit zwei "
          "Tröpfchen durch. Zeige, dass jeder Sprung der Ladung eine Elementarladung beträgt, "
          "gleich in welche Richtung.")
    d.num("7.", "**Brownsche Bewegung.** Schalte die Brownsche Bewegung ein. Miss ein kleines, "
          "langsames Tröpfchen zehnmal über 30~Skalenteile bei ausgeschaltetem Netzgerät und "
          "berechne Mittelwert und Standardabweichung der Geschwindigkeiten. Vergleiche die "
          "relative Standardabweichung mit √(2~//D//~/~(//L v//)) für den Radius des Tröpfchens "
          "(für ein Tröpfchen von 0,5~µm sind es etwa "
          f"{F('brownian_relative_05')}~%). Miss es dann zehnmal über 10~Skalenteile: Wie ändert "
          "sich die Streuung?")

    d.num("8.", "**Reale Luft.** Schalte reale Luft ein. Miss mindestens vier Tröpfchen bei "
          "101,3~kPa und vier bei 20~kPa, jedes beim Fallen mit ausgeschaltetem Netzgerät und bei "
          "der Bewegung nach unten im umgepolten Feld. Berechne die Ladung eines Tröpfchens von "
          "Hand nur mit dem Stokesschen Gesetz (Abschnitt 6) und vergleiche sie mit der "
          "korrigierten Ladung des Messhefts. Wie weit liegen //e// und //b// der Extrapolation "
          f"von {F('constant_ElemCharge')}~C und {F('constant_SlipConstant')}×10^{{−3}}~Pa·m "
          "entfernt?")

    d.h2("Protokollblatt")
    d.p("Für die Rechnung von Hand, zum Beispiel wenn die Berechnungen des Messhefts ausgeschaltet "
        "sind:")
    d.table([
        ["Tröpfchen", "//N// (Skt.)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
