# Hungarian half of the guide. "~" is a non-breaking space; F("name") prints a figure of figures.py.

def write(d, F):
    d.set_lang(1038)
    d.title("Tessilar")
    d.subtitle("Az elemi töltés mérése olajcseppekkel – laboratóriumi útmutató")

    d.h1("1. A kísérlet célja")
    d.p("Az olajcsepp-kísérlet az elektromos töltés egyik alapvető tulajdonságát mutatja meg: egy test "
        "töltése nem lehet akármekkora, hanem mindig egy legkisebb töltésadag, az **elemi töltés** (//e//) "
        "egész számú többszöröse. A kísérletben apró, mikrométer nagyságú olajcseppeket porlasztunk két "
        "vízszintes kondenzátorlemez közé, és mérőmikroszkóppal figyeljük a mozgásukat. A cseppekre a "
        "nehézségi erő, a levegő felhajtóereje, a levegő fékezőereje (közegellenállás) és – ha a lemezekre "
        "feszültséget kapcsolunk – az elektromos erő hat. A cseppek sebességéből és a lemezek feszültségéből "
        "kiszámítható a cseppek sugara és töltése, a töltésekből pedig az elemi töltés.")
    d.p(f"A Tessilar program ezt a kísérletet szimulálja. A kamrában egyszerre {F('constant_DropletCount')} csepp lebeg; a "
        "lemezfeszültséget 0 és 1000~V között állíthatod, a kamra hőmérsékletét 0 és 100~°C között, a "
        "cseppek mozgását pedig a program stopperórájával méred. A program a 4. fejezetben megadott "
        "fizikai állandókkal és összefüggésekkel számol, ezért a méréseid eredménye ezekkel pontosan "
        "ellenőrizhető.")

    d.h1("2. A program indítása")
    d.p("Induláskor egy kis ablak („Azonosító beadása”) kéri az azonosítódat, például a nevedet vagy a "
        "mérőcsoport jelét. Az OK gombbal (vagy Enterrel) továbblépsz, a „Mégse” gombbal (vagy az ablak "
        "bezárásával) a program kilép. Az azonosító a főablak címsorában jelenik meg („Tessilar-kísérlet~~~/~~~azonosító”), "
        "így egy képernyőképen is látszik, ki végezte a mérést.")
    d.note("**Fontos:** a program semmit sem ment el. A mért értékeket azonnal írd be a "
           "jegyzőkönyvedbe, mert kilépéskor minden adat elvész.")

    d.h1("3. A berendezés és a kezelőszervek")
    d.p("A főablak bal oldalán a mikroszkóp kerek látómezeje látható a két gördítősávval, mellette a "
        "termosztát és a hőmérő oszlopa, jobb oldalon pedig egymás alatt a befecskendezés, a stopperóra, "
        "a feszültségforrás és a kilépés panelje.")

    d.h2("3.1. A mérőmikroszkóp és a látómező")
    d.p("A mikroszkóp fekete, kör alakú látómezejében a cseppek kis sárga pontokként látszanak. A képen "
        f"**1~képpont {F('constant_PixelSize')}~µm-nek** felel meg a kamrában. A cseppek csak akkor látszanak, ha a látómező "
        "közepétől 200~µm-nél közelebb vannak, így egyszerre kb. 0,4~mm átmérőjű terület látható.")
    d.p("A látómezőben fehér szálkereszt (mérőskála) van. Mindkét szálán **10~µm-enként osztásvonás** "
        "található; minden második (20~µm-es) osztás hosszabb, így könnyebb számolni. Az osztások a "
        "középponttól mindkét irányban 190~µm-ig tartanak. Egy csepp útját az osztásokon számolod: "
        "//N// osztás //N//~·~10~µm utat jelent.")
    d.note("**A mikroszkóp fordított képet ad.** A valóságban lefelé eső cseppek a képen **felfelé** "
           "mozognak. Ebben az útmutatóban a „felfelé” és a „lefelé” mindig a képen látható irányt "
           "jelenti; a nehézségi erő tehát a képen felfelé mutat.")
    d.p("**Gördítősávok.** A látómező alatti vízszintes és a mellette lévő függőleges gördítősávval a "
        "látómezőt eltolhatod, ha egy cseppet követni szeretnél. Egy lépés (például egy kattintás a sáv "
        "nyilára) 4~µm-rel tolja el a látómezőt; középállásban a látómező alaphelyzetben van, a két "
        "szélső állás ettől 200~µm-re van. A sávok melletti felirat a sáv helyzetét mutatja milliméterben, "
        "0,000 és 0,400~mm között (középen 0,200~mm; a rendszer beállításától függően tizedespont is "
        "állhat a vessző helyén: 0.200~mm). A csúszkát jobbra (lefelé) tolva a cseppek a képen "
        "jobbra (lefelé) mozdulnak el.")

    d.h2("3.2. Befecskendezés")
    d.p("A **„Befecskendezés”** gomb 100 új olajcseppet porlaszt a kamrába; az előző cseppek eltűnnek. "
        "A cseppek sugara véletlenszerű, 0,5 és 1,5~µm közötti. A porlasztáskor minden csepp 1, 2 vagy "
        "3 elemi töltésnyi pozitív töltést kap, vagy egyet sem: a cseppek kb. negyede töltés nélküli. "
        "A cseppek a látómező környékén, "
        "kb. 0,8~mm széles és 0,8~mm magas tartományban jelennek meg, és nyugalomból indulnak.")
    d.p("A porlasztás a levegőt is megmozgatja: a befecskendezés után a levegő a cseppeket **balra "
        f"sodorja**. Ez a sodródás kezdetben {F('constant_DriftVX')}~mm/s, és "
        f"{F('constant_DriftTau')}~s időállandóval gyorsan csillapodik; a cseppek összesen kb. "
        f"{F('drift_path')}~mm-t tolódnak balra. 2–3~s múlva már alig érezhető, {F('drift_stop')}~s "
        "múlva pedig teljesen megszűnik. A befecskendezés a látómezőt is a kamra közepére állítja vissza, "
        "és a gördítősávokat is középre (0,200~mm) állítja.")

    d.h2("3.3. A feszültségforrás")
    d.p("A **„Feszültség”** panel a kondenzátor tápegysége. A lemezek távolsága "
        f"//d//~=~{F('constant_PlateGap_cm')}~cm, így //U// feszültség //E//~=~//U/////d// térerősséget "
        f"hoz létre a lemezek között (500~V-nál {F('field_500')}~V/m-t).")
    d.bullet("**Feszültségmező:** ide írod be a feszültség nagyságát voltban, egész számként, 0 és "
             "1000~V között; gépelés közben azonnal érvénybe lép. Az 1000-nél nagyobb értékből 1000, a "
             "negatívból 0 lesz, a nem egész számot a program figyelmen kívül hagyja (a tápegység az "
             "utolsó érvényes értéket tartja). A mező melletti **léptetőgombok**, és a mezőben a fel és "
             "le nyílbillentyű, a mezőben álló számtól 2~V-onként léptetnek 0 és 995~V között.")
    d.bullet("**„Be/Ki” gomb és jelzőlámpa:** a tápegység be- és kikapcsolása. Kikapcsolva a lámpa "
             "sötét kékeszöld, bekapcsolva élénkzöld. Kikapcsolt tápegységnél a lemezek feszültsége 0, "
             "akármit mutat is a mező.")
    d.bullet("**„Pólusváltás” gomb:** megfordítja a lemezek polaritását. Induláskor a polaritás "
             "pozitív, a tápegység ki van kapcsolva, a beállított feszültség 0~V.")
    d.bullet("**Feszültségmérő:** mutatós műszer −1000~V és +1000~V közötti skálával. A lemezekre "
             "ténylegesen kapcsolt, előjeles feszültséget mutatja: pozitív polaritásnál a mutató jobbra, "
             "fordított polaritásnál balra tér ki, kikapcsolt tápegységnél függőleges (0~V).")
    d.note("Pozitív polaritásnál (a mutató jobbra tér ki) az elektromos erő a pozitív töltésű cseppeket "
           "a nehézségi erővel **azonos** irányba, a képen felfelé hajtja, így azok gyorsabban "
           "emelkednek. A cseppek lebegtetéséhez ezért **meg kell fordítani a polaritást** (a mutató "
           "balra tér ki); ekkor az elektromos erő a nehézségi erő ellen hat.")

    d.h2("3.4. Termosztát és hőmérő")
    d.p("A **„Hőmérséklet”** panel mezőjébe a kamra kívánt hőmérsékletét írod Celsius-fokban, 0 és "
        "100~°C között, szükség esetén tizedesponttal (például 35.5; tizedesvesszőt a mező nem ért). "
        "A termosztát minden begépelt számot azonnal átvesz, a mező pedig úgy mutatja a szöveget, "
        "ahogy beírtad. Ha Entert nyomsz, vagy kilépsz a mezőből, a mező a beállított hőmérsékletet "
        "két tizedesjeggyel mutatja (35.50): a 100-nál nagyobb értékből 100.00, a negatívból 0.00 "
        "lesz, az üresen hagyott vagy számot nem tartalmazó mező pedig újra a beállított "
        "hőmérsékletet mutatja. A léptetőgombok, és a mezőben a fel és le nyílbillentyű, egész "
        "fokonként léptetnek, és azonnal beállítják a hőmérsékletet. A panel hőmérője (0–100~°C-os skála) a "
        "kamra levegőjének **pillanatnyi** hőmérsékletét mutatja. Induláskor a kamra 20~°C-os.")
    d.p("A levegő nem veszi fel azonnal a beállított hőmérsékletet, hanem "
        f"{F('constant_ThermalTau')}~s időállandóval, exponenciálisan közelít hozzá: 10~s alatt a "
        f"változás {F('temperature_10s')}%-a, 30~s alatt {F('temperature_30s')}%-a, 50~s alatt kb. "
        f"{F('temperature_50s')}%-a zajlik le. A hőmérséklettel változik a levegő viszkozitása és sűrűsége, ezért a cseppek "
        "sebessége is (lásd a 4. és az 5. fejezetet).")
    d.note("A befecskendezés a kamra hőmérsékletét nem változtatja meg: ha éppen kiegyenlítődés "
           "zajlik, az a befecskendezés után ugyanúgy folytatódik.")

    d.h2("3.5. Stopperóra")
    d.p("A **„Stopperóra”** panel kijelzője perc:másodperc,tized alakban mutatja a mért időt (például "
        f"{F('stopwatch_example')} = 1~perc 15,3~s). A **„Start/Reset”** gomb nulláról indítja az órát (futás közben "
        "megnyomva nulláról újraindítja), a **„Stop”** gomb megállítja, és a kijelző az utolsó értéket "
        "mutatja tovább. A kijelző a tizedmásodpercnél kisebb részt elhagyja (nem kerekít), így egy "
        "leolvasás legfeljebb 0,1~s-mal kevesebb a valódi időnél; ehhez jön még a reakcióidőd.")
    d.note("A stopperóra a **szimuláció saját idejét** méri (szimulált másodpercekben). A szimuláció a "
           "valós időnél kissé lassabban (legfeljebb a valós sebesség 10/11 részével), terhelt gépen "
           "még lassabban fut. Akkor is fut, amikor egy menü nyitva van, vagy amikor ezt a leírást "
           "olvasod, és csak addig **áll**, amíg a Névjegy vagy a nyelvválasztó ablak nyitva van. Az "
           "időt ezért mindig a program stopperórájával mérd, ne a saját órádon.")

    d.h2("3.6. Menü és kilépés")
    d.bullet("A **„Vége”** menüpont, a kilépés panel **„Vége”** gombja vagy az ablak bezárása: a program "
             "befejezése.")
    d.bullet("**„Súgó”** menü: **„Névjegy”** – a program adatai (amíg az ablak nyitva van, a szimuláció "
             "áll); **„Leírás”** – ezt a leírást nyitja meg a rendszer RTF-megjelenítőjével, vagy ha a "
             "rendszerben nincs ilyen, a program saját ablakában; **„Nyelv…”** – a feliratok nyelvének "
             "kiválasztása a program melletti mappák közül („Magyar” vagy „English”).")

    d.h1("4. A cseppre ható erők")
    d.p("Tekintsünk egy //r// sugarú, //q// töltésű olajcseppet, amely a levegőhöz képest //v// "
        "sebességgel mozog. A rá ható erők:")
    d.bullet("nehézségi erő: //F//_{g}~=~//m g//~=~(4/3)~π~//r//^{3}~ρ_{olaj}~//g//;")
    d.bullet("a levegő felhajtóereje (a nehézségi erővel ellentétes): "
             "//F//_{f}~=~(4/3)~π~//r//^{3}~ρ_{levegő}~//g//;")
    d.bullet("a levegő fékezőereje (Stokes-törvény, a mozgással ellentétes): //F//_{s}~=~6~π~η~//r v//;")
    d.bullet("elektromos erő: //F//_{e}~=~//q E//~=~//q U/////d//.")
    d.p("A nehézségi erő és a felhajtóerő együtt egy „látszólagos súlyt” ad: "
        "(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//. A program a következő állandókkal számol:")
    d.table([
        ["Mennyiség", "Jel", "Érték a programban"],
        ["az olaj sűrűsége", "ρ_{olaj}", f"{F('constant_OilDensity')}~kg/m^{{3}}"],
        ["nehézségi gyorsulás", "//g//", f"{F('constant_Gravity')}~m/s^{{2}}"],
        ["a levegő sűrűsége", "ρ_{levegő}",
         f"{F('constant_AirDensity0')}~kg/m^{{3}}~×~{F('constant_RefTemp')}~K~/~//T//"],
        ["a levegő viszkozitása", "η",
         f"{F('constant_ViscSlope')}~×~√//T//~−~{F('constant_ViscOffset')}~Pa·s"],
        ["abszolút hőmérséklet", "//T//", f"//t//~(°C)~+~{F('constant_CelsiusOffset')}, kelvinben"],
        ["a lemezek távolsága", "//d//",
         f"{F('constant_PlateGap_cm')}~cm~=~{F('constant_PlateGap')}~m"],
        ["elemi töltés (ellenőrzéshez)", "//e//", f"{F('constant_ElemCharge')}~C"],
        ["képpont / osztás a mikroszkópban", "–",
         f"1~képpont~=~{F('constant_PixelSize')}~µm, 1~osztás~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p(f"20~°C-on (//T//~=~{F('kelvin_20')}~K): η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{levegő}}~=~{F('air_density_20')}~kg/m^{{3}}, "
        f"ρ_{{olaj}}~−~ρ_{{levegő}}~=~{F('density_difference_20')}~kg/m^{{3}}.")
    d.table([["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{levegő} (kg/m^{3})"]] + [
        [F.num(t), F(f"kelvin_{t}"), F(f"viscosity_{t}"), F(f"air_density_{t}")]
        for t in (0, 20, 50, 100)
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p(f"A levegő viszkozitása tehát a hőmérséklettel nő (0 és 100~°C között {F('viscosity_rise')}%-kal), "
        "a sűrűsége csökken.")

    d.h1("5. Stokes-törvény és határsebesség")
    d.p("Egy //r// sugarú gömbre, amely η viszkozitású közegben //v// sebességgel mozog, "
        "//F//~=~6~π~η~//r v// fékezőerő hat (Stokes-törvény). A csepp addig gyorsul, amíg a fékezőerő "
        "ki nem egyenlíti a többi erő eredőjét; ezután állandó, ún. **határsebességgel** mozog. "
        f"Mikrométeres cseppeknél ez kb. {F('relaxation_10')}~µs alatt bekövetkezik, ezért a cseppek a feszültség minden "
        "változásakor gyakorlatilag azonnal az új sebességükkel mozognak.")
    d.p("**Kikapcsolt tápegységnél** a látszólagos súly és a fékezőerő egyensúlya:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//"
              "~~~~~⇒~~~~~//v//_{0}~=~2~//r//^{2}~(ρ_{olaj}~−~ρ_{levegő})~//g//~/~(9~η)")
    d.p("**Bekapcsolt tápegységnél** a töltött cseppre az elektromos erő is hat, a sebessége "
        "//qU//~/~(6~π~η~//r d//) értékkel változik:")
    d.formula("//v//~=~//v//_{0}~±~//q U//~/~(6~π~η~//r d//)")
    d.p("Pozitív polaritásnál a „+” jel érvényes (a csepp a képen gyorsabban emelkedik), fordított "
        "polaritásnál a „−” (a csepp lassabban emelkedik, megáll vagy a képen lefelé indul). A töltés "
        "nélküli csepp sebessége nem függ a feszültségtől.")
    d.p("Néhány sebesség, ahogy a program 20~°C-on mutatja (µm/s, ami egyben képpont/s; a pozitív érték "
        "a képen felfelé, a negatív lefelé mutat):")
    d.table([
        ["//r// (µm)", "//v//_{0}, kikapcsolva", "változás elemi töltésenként, 500~V",
         "1~//e//, −500~V", "2~//e//, −500~V", "3~//e//, −500~V"],
    ] + [
        [F.num(r, 1), F(f"speed_{k}"), F(f"change_per_e_{k}"), F(f"speed_{k}_1e_reversed"),
         F(f"speed_{k}_2e_reversed"), F(f"speed_{k}_3e_reversed")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p(f"Egy 1~µm sugarú csepp kikapcsolt tápegységnél tehát kb. {F('speed_10_whole')}~µm/s-mal "
        f"({F('speed_10_whole')}~képpont/s) emelkedik a képen, és egyetlen elemi töltés 500~V-nál kb. "
        f"{F('change_per_e_10_whole')}~µm/s-mal változtatja meg a sebességét. A képletből 20~°C-ra "
        f"//v//_{{0}}~=~{F('formula_speed_10')}~µm/s adódik. A program sebességei ennél kissé kisebbek, "
        "mert a program 1~ms-os lépésekben mozgatja a cseppeket, és minden lépésből elvész az a rövid "
        f"idő, amely alatt a csepp felveszi a sebességét: 1~µm-es cseppnél {F('shortfall_10')}%-kal, a "
        f"legnagyobb cseppeknél legfeljebb {F('shortfall_largest')}%-kal, ami nagyjából a stopperóra "
        "leolvasási hibájával egyezik.")
    d.p("A valódi kísérletben ilyen kis cseppeknél a Stokes-törvényt korrigálni kell, mert a csepp mérete "
        "összemérhető a levegőmolekulák szabad úthosszával. A program ezt a korrekciót nem alkalmazza, "
        "ezért itt a fenti képletek korrekció nélkül használhatók.")

    d.h1("6. Mérési módszerek")
    d.p("Mindkét módszerben a csepp sugarát a **kikapcsolt tápegység melletti** sebességéből "
        "(//v//_{0}) határozod meg. Ehhez mérd meg, mennyi idő (//t//_{0}) alatt tesz meg //N// osztást "
        "(//N//~·~10~µm utat): //v//_{0}~=~//N//~·~10~µm~/~//t//_{0}. A határsebesség képletéből:")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{olaj}~−~ρ_{levegő})~//g//))")

    d.h2("a) Lebegtetéses módszer")
    d.p("Ha a csepp a bekapcsolt tápegység mellett nyugalomban van (lebeg), az elektromos erő éppen "
        "kiegyenlíti a látszólagos súlyt, a fékezőerő nulla:")
    d.formula("//q U/////d//~=~(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//~~~~~⇒~~~~~"
              "//q//~=~(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g d//~/~//U//")
    d.p("Itt //U// a lebegtető feszültség nagysága (fordított polaritásnál a feszültségmérő a negatív "
        "oldalon mutatja). A mérés menete:")
    d.num("1.", "Nyomd meg a „Befecskendezés” gombot, és várd meg, amíg a cseppek oldalirányú sodródása "
          f"megszűnik (legalább 3~s, pontos méréshez {F('drift_stop')}~s).")
    d.num("2.", "Kapcsold be a tápegységet, fordítsd meg a polaritást (a mutató balra tér ki), és "
          "állíts be például 300~V-ot.")
    d.num("3.", "Válassz ki egy lassan mozgó cseppet. A feszültséget finoman változtatva (gépeléssel "
          "vagy a léptetőgombokkal) állítsd be úgy, hogy a csepp legalább 20–30~s-ig ugyanazon az "
          "osztáson maradjon. Jegyezd fel a lebegtető feszültséget (//U//).")
    d.num("4.", "Egy kicsit nagyobb feszültséggel vidd a cseppet a látómező alsó részébe, majd kapcsold "
          "ki a tápegységet: a csepp a képen felfelé indul. Mérd meg, mennyi idő alatt tesz meg //N// "
          "osztást; ebből //v//_{0}, majd //r// adódik.")
    d.num("5.", "Számítsd ki a töltést a fenti képlettel.")
    d.p("A lebegtetéshez szükséges feszültség a csepp sugarának harmadik hatványával arányos. A program "
        f"legfeljebb 1000~V-ot ad, ezért a kb. {F('largest_balanced_short')}~µm-nél nagyobb cseppek nem "
        "lebegtethetők; ezekre a b) módszert használd. Lebegtető feszültségek 20~°C-on:")
    d.table([["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"]] + [
        [F.num(r, 1)] + [F(f"balancing_{k}_{n}e") + "~V" for n in (1, 2, 3)]
        for r, k in ((0.5, "05"), (0.6, "06"), (0.7, "07"), (0.8, "08"), (1.0, "10"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)

    d.h2("b) Időméréses módszer")
    d.p("Mérd meg ugyanannak a cseppnek a sebességét kikapcsolt tápegységnél (//v//_{0}) és bekapcsolt "
        "tápegységnél, //U// feszültséggel (//v//_{1}). Fordított polaritásnál az elektromos erő a "
        "nehézségi erő ellen hat, és a két erőegyensúly:")
    d.formula("6~π~η~//r v//_{0}~=~(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//~~~~~(kikapcsolva),")
    d.formula("//q U/////d//~−~(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//~=~6~π~η~//r v//_{1}"
              "~~~~~(bekapcsolva),")
    d.p("és a kettőből:")
    d.formula("//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~//U//")
    d.p("**Előjelek:** //v//_{0} a kikapcsolt tápegység melletti sebesség, a képen felfelé, pozitív. "
        "//v//_{1} a bekapcsolt tápegység melletti sebesség, **a képen lefelé** számítva pozitív; ha a "
        "csepp fordított polaritás mellett is felfelé mozog, csak lassabban, akkor //v//_{1} negatív. "
        "//U// a feszültség nagysága. Ha pozitív polaritással mérsz, a csepp a képen gyorsabban "
        "emelkedik; ekkor //v//_{1} ennek az emelkedési sebességnek a mínusz egyszerese, vagyis "
        "//q//~=~6~π~η~//r//~(//v//_{be}~−~//v//_{0})~//d//~/~//U//, ahol //v//_{be} a bekapcsolt "
        "tápegység melletti emelkedési sebesség. A töltés nélküli cseppnél //v//_{1}~=~−//v//_{0}, tehát "
        "//q//~=~0.")
    d.p("Ennek a módszernek nem kell pontos egyensúly, és a nagy cseppekre is működik. Ugyanazt a "
        "cseppet a tápegység ki- és bekapcsolásával többször is felfelé és lefelé mozgathatod, és a "
        "méréseket megismételheted.")

    d.h1("7. Kidolgozott példa")
    d.p(f"A mérés 20~°C-on történt (η~=~{F('viscosity_20')}~Pa·s, "
        f"ρ_{{olaj}}~−~ρ_{{levegő}}~=~{F('density_difference_20')}~kg/m^{{3}}). Az alábbi leolvasások "
        "azok, amelyeket a program az egyik cseppjére ténylegesen ad.")
    d.p("**A sugár.** Kikapcsolt tápegységnél a kiválasztott csepp a stopperóra szerint "
        f"{F('example_rise_reading')} alatt 30~osztást (300~µm) tett meg a képen felfelé (valójában "
        f"{F('example_rise_time')}~s alatt; a kijelző a maradékot elhagyja). Így "
        f"//v//_{{0}}~=~300~µm~/~{F.reading('example_rise_reading')}~s~=~{F('example_v0')}~µm/s~=~"
        f"{F('example_v0_si')}~m/s, és")
    d.formula("//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{olaj}~−~ρ_{levegő})~//g//))~=~"
              f"{F('example_radius')}~m~≈~{F('example_radius_um')}~µm.")
    d.p("A csepp látszólagos súlya:")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//~=~"
              f"{F('example_weight')}~N.")
    d.p(f"**a) Lebegtetés.** Fordított polaritásnál a csepp {F('example_balance')}~V-nál gyakorlatilag "
        f"megállt ({F.num(F.number('example_balance') - 1)}~V-nál percenként kb. "
        f"{F('example_rise_below')}~µm-t emelkedett, {F.num(F.number('example_balance') + 1)}~V-nál kb. "
        f"{F('example_sink_above')}~µm-t süllyedt a képen). A töltés:")
    d.formula(f"//q//~=~{F('example_weight')}~N~·~{F('constant_PlateGap')}~m~/~{F('example_balance')}~V~=~"
              f"{F('example_q_balance')}~C~≈~{F('example_q_balance_e')}~//e//.")
    d.p("A töltés tehát 2 elemi töltés, és ebből "
        f"//e//~≈~{F('example_q_balance')}~C~/~2~=~{F('example_e_estimate')}~C. A kis többlet a "
        "stopperórától származik: a kijelző levágja az időt, ezért //v//_{0} és vele //r// kissé "
        "nagyobbnak adódik. Hosszabb úttal vagy ismételt méréssel ez a hiba csökkenthető.")
    d.p("**b) Időmérés.** Fordított polaritásnál, 500~V-tal a csepp a képen lefelé mozgott, és 10~osztást "
        f"(100~µm) {F('example_fall_reading')} alatt tett meg: //v//_{{1}}~=~100~µm~/~"
        f"{F.reading('example_fall_reading')}~s~=~{F('example_v1')}~µm/s (pozitív, mert lefelé "
        f"mozog). Mivel 6~π~η~//r//~=~{F('example_stokes')}~N·s/m,")
    d.formula(f"//q//~=~{F('example_stokes')}~N·s/m~·~({F('example_v0')}~+~{F('example_v1')})·10^{{−6}}~m/s"
              f"~·~{F('constant_PlateGap')}~m~/~500~V~=~{F('example_q_timing')}~C~≈~"
              f"{F('example_q_timing_e')}~//e//.")
    d.p("A két módszer egyezik: a csepp töltése 2~//e//. Összehasonlításként: pozitív polaritásnál, "
        f"500~V-tal ugyanez a csepp {F('example_positive')}~µm/s-mal emelkedne a képen.")
    d.p(f"**Egy 1~µm sugarú csepp** kikapcsolt tápegységnél kb. {F('speed_10')}~µm/s-mal "
        f"({F('speed_10_whole')}~képpont/s) emelkedik: 20~osztást már {F('time_20_ticks_10')}~s alatt "
        "megtesz, ezért a nagy cseppek sebességét hosszabb úton érdemes mérni. Ha egy elemi töltése "
        f"van, 500~V-nál a sebessége kb. {F('change_per_e_10')}~µm/s-mal változik: fordított "
        f"polaritásnál {F('speed_10_1e_reversed')}, pozitív polaritásnál "
        f"{F('speed_10_1e_positive')}~µm/s lesz.")

    d.h1("8. Gyakorlati tanácsok")
    d.bullet("A befecskendezés után várd meg, hogy a sodródás megszűnjön: akkor mérhetsz, amikor a "
             "cseppek már csak függőlegesen mozognak, a függőleges szállal párhuzamosan.")
    d.bullet("Kikapcsolt tápegységnél a nagyobb cseppek néhány másodperc alatt kifutnak a "
             "látómezőből. Ha cseppeket akarsz megtartani, a befecskendezés után hamar kapcsolj be "
             "fordított polaritású feszültséget. Új cseppekért bármikor újra befecskendezhetsz.")
    d.bullet("A függőleges gördítősávval a cseppet a látómező alsó vagy felső szélére állíthatod, így "
             "hosszabb utat mérhetsz. Mérés közben ne mozgasd a sávot.")
    d.bullet("Minél hosszabb az út (20–35 osztás) és minél többször ismétled a mérést, annál kisebb a "
             "leolvasás 0,1~s-os hibájának hatása. A töltés hibája a lebegtetéses módszernél a "
             "sebesség relatív hibájának kb. másfélszerese.")
    d.bullet("Az a csepp, amelyik a tápegység ki- és bekapcsolására nem reagál, töltés nélküli.")
    d.bullet("Hőmérséklet-változtatás után várj kb. egy "
             "percet, amíg a hőmérő oszlopa megáll, és a számításban az új hőmérséklethez tartozó "
             "η és ρ_{levegő} értéket használd.")

    d.h1("9. Feladatok")
    d.num("1.", "**A töltés kvantáltsága.** Mérd meg legalább 10 (inkább 20) különböző csepp töltését "
          "valamelyik módszerrel. Ábrázold a töltéseket egy számegyenesen vagy gyakorisági "
          "diagramon. Mutasd meg, hogy az értékek csoportokba rendeződnek, és hogy ezek egy közös "
          "töltésadag egész számú többszörösei! Határozd meg ebből az elemi töltést és a hibáját, és "
          f"hasonlítsd össze az {F('constant_ElemCharge')}~C értékkel.")
    d.num("2.", "**A két módszer összehasonlítása.** Mérd meg ugyanannak a cseppnek a töltését "
          "lebegtetéssel és időméréssel is. Melyik pontosabb, és miért?")
    d.num("3.", "**A hőmérséklet hatása.** Lebegtess egy cseppet 20~°C-on, mérd meg //v//_{0}-t, majd "
          "állítsd a termosztátot 80~°C-ra, és várd meg, amíg a hőmérő oszlopa megáll. Kell-e "
          "változtatni a lebegtető feszültségen? Mérd meg újra //v//_{0}-t! Magyarázd meg, miért "
          "változik a sebesség, és miért alig a lebegtető feszültség. (Útmutatás: 1~µm-es csepp "
          f"//v//_{{0}} értéke a programban 0~°C-on {F('speed_10_at_0')}, 20~°C-on {F('speed_10_at_20')}, "
          f"50~°C-on {F('speed_10_at_50')}, 100~°C-on {F('speed_10_at_100')}~µm/s.) Mekkora hibát okozna, ha a számításban a 20~°C-hoz tartozó viszkozitást "
          "használnád?")
    d.num("4.", "**A sodródás.** Közvetlenül a befecskendezés után figyeld a cseppeket a vízszintes "
          "osztásokon. Mennyit és mennyi idő alatt tolódnak el balra? Becsüld meg a sodródás "
          f"időállandóját! Miért kell a sodródás csillapodását ({F('drift_stop')}~s) megvárni a sebesség mérése "
          "előtt, és mi lenne a mérés hibája, ha az első másodpercben mérnél?")
    d.num("5.", "**A lebegtethetőség határa.** Számítsd ki, mekkora a legnagyobb sugár, amelynél egy "
          "1, 2, illetve 3 elemi töltésű csepp még lebegtethető 1000~V-tal! (Eredmény: kb. "
          f"{F('largest_balanced_1e')}, {F('largest_balanced_2e')} és {F('largest_balanced_3e')}~µm.)")

    d.h2("Jegyzőkönyv-minta")
    d.table([
        ["Csepp", "//N// (osztás)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
