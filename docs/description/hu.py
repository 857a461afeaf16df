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
        "cseppek mozgását pedig a program stopperórájával méred. Minden időmérés bekerül a program "
        "jegyzőfüzetébe, amely kiszámítja a cseppek sugarát és töltését, és ezekből megbecsüli az "
        "elemi töltést; mindezt kézzel is kiszámíthatod. A program a 4. fejezetben megadott "
        "fizikai állandókkal és összefüggésekkel számol, ezért a méréseid eredménye ezekkel pontosan "
        "ellenőrizhető.")

    d.h1("2. A program indítása")
    d.p("Induláskor egy kis ablak („Azonosító beadása”) kéri az azonosítódat, például a nevedet vagy a "
        "mérőcsoport jelét. Az OK gombbal (vagy Enterrel) továbblépsz, a „Mégse” gombbal (vagy az ablak "
        "bezárásával) a program kilép. Az azonosító a főablak címsorában jelenik meg („Tessilar-kísérlet~~~/~~~azonosító”), "
        "így egy képernyőképen is látszik, ki végezte a mérést.")
    d.note("**Fontos:** az azonosítód egyben a jegyzőfüzeted neve is. Minden felvett mérés azonnal "
           "bekerül a jegyzőfüzetbe, és a gépen megmarad; ha a programot később ugyanazzal az "
           "azonosítóval (ugyanúgy leírva) indítod, a jegyzőfüzet újra előkerül (8. fejezet). Más "
           "nem marad meg: a cseppek, a feszültség és a hőmérséklet minden indításkor elölről "
           "kezdődik. Azt, hogy mit csináltál, a saját jegyzeteidben is írd le; a jegyzőfüzet csak "
           "a leolvasásokat tartalmazza.")

    d.h1("3. A berendezés és a kezelőszervek")
    d.p("A főablak bal oldalán a mikroszkóp kerek látómezeje látható a két gördítősávval, mellette a "
        "termosztát és a hőmérő oszlopa, jobb oldalon pedig egymás alatt a befecskendezés, a stopperóra, "
        "a feszültségforrás és a kilépés panelje. A jegyzőfüzetnek külön ablaka van (8. fejezet).")

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
    d.p("**Egy csepp követése.** Ha egy cseppet követni szeretnél, kattints rá a látómezőben: a csepp "
        "középpontjától legfeljebb 6~képpontnyira tett kattintás a legközelebbi cseppet jelöli ki, és "
        "a csepp pirosra vált. A program a cseppjeit 1-től 100-ig számozza, és a követett csepp "
        "száma minden felvett mérésbe bekerül, így a jegyzőfüzet tudja, mely sorok tartoznak "
        "ugyanahhoz a csepphez (8. fejezet). Ha a jegyzőfüzetben már vannak mérések, egy új "
        "befecskendezés cseppjei a következő száztól kapnak számot (101, 102, … vagy 201, 202, …), "
        "így egy új csepp sosem keveredik össze egy korábbi, azonos számú cseppel. Ha a látómező üres "
        "részére kattintasz, vagy a főablakban "
        "Esc-et nyomsz, a követés megszűnik. A csepp akkor is piros marad, ha a látómezőt "
        "elgördíted, vagy ha a csepp kimegy a látómezőből, majd visszatér; a befecskendezés a "
        "követést megszünteti, hiszen a cseppek újak.")

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
        "a gördítősávokat is középre (0,200~mm) állítja, és megszünteti a csepp követését.")

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
        "leolvasás legfeljebb 0,1~s-mal kevesebb a valódi időnél; ehhez jön még a reakcióidőd. Az "
        "**F5** (Start/Reset) és az **F6** (Stop) billentyű ugyanezt teszi a program bármelyik "
        "ablakából, az **F8** pedig a stopper állását új sorként felveszi a jegyzőfüzetbe "
        "(8. fejezet).")
    d.note("A stopperóra a **szimuláció saját idejét** méri (szimulált másodpercekben). A szimuláció a "
           "valós időnél kissé lassabban (legfeljebb a valós sebesség 10/11 részével), terhelt gépen "
           "még lassabban fut. Akkor is fut, amikor egy menü vagy a jegyzőfüzet ablaka nyitva van, vagy "
           "amikor ezt a leírást olvasod, és csak addig **áll**, amíg a Névjegy, a nyelvválasztó "
           "ablak vagy a jegyzőfüzet valamelyik fájlválasztó ablaka (Exportálás CSV-be…, Jelentés "
           "mentése…) nyitva van. Az időt ezért mindig a program stopperórájával mérd, ne a saját "
           "órádon.")

    d.h2("3.6. Menük, funkcióbillentyűk és kilépés")
    d.bullet("A **„Vége”** menüpont, a kilépés panel **„Vége”** gombja vagy az ablak bezárása: a program "
             "befejezése. A jegyzőfüzetet nem kell elmenteni: minden változás után kiíródik.")
    d.bullet("**„Mérés”** menü: **„Jegyzőfüzet…”** (F7) – megnyitja a jegyzőfüzet ablakát, vagy "
             "előtérbe hozza (8. fejezet); **„Ionizálás”** (F9) – az ionizáló forrás egy "
             "sugárlökése (10. fejezet); **„Brown-mozgás”** – a cseppek hőmozgásból eredő "
             "remegésének be- és kikapcsolása (11.2. szakasz); **„Valódi levegő”** – valódi "
             "levegővel tölti meg a kamrát, amelyben a kis cseppek „megcsúsznak” a levegőben, és "
             "gyorsabban esnek, mint ahogy a Stokes-törvény mondja, a mikroszkóp alatt pedig "
             "megjelenik a nyomás mezője (11.3. szakasz). E kettő bekapcsolt állapotát pipa jelzi; "
             "induláskor ki vannak kapcsolva.")
    d.bullet("**„Súgó”** menü: **„Névjegy”** – a program adatai (amíg az ablak nyitva van, a szimuláció "
             "áll); **„Leírás”** – ezt a leírást nyitja meg a rendszer RTF-megjelenítőjével, vagy ha a "
             "rendszerben nincs ilyen, a program saját ablakában; **„Nyelv…”** – a feliratok nyelvének "
             "kiválasztása a program melletti mappák közül („Magyar” vagy „English”); "
             "**„Tanári beállítások…”** – egy óra beállításainak kiadása (8.5. szakasz).")
    d.p("Az F5–F9 funkcióbillentyűk a program bármelyik ablakából működnek, az Esc és a Del ott, "
        "ahol a táblázat mondja:")
    d.table([
        ["Billentyű", "Hatása"],
        ["F5", "nulláról indítja a stopperórát (Start/Reset)"],
        ["F6", "megállítja a stopperórát (Stop)"],
        ["F7", "megnyitja a jegyzőfüzet ablakát, vagy előtérbe hozza"],
        ["F8", "a stopper állását új sorként felveszi a jegyzőfüzetbe"],
        ["F9", "az ionizáló forrás egy sugárlökése"],
        ["Esc", "a főablakban: megszünteti a csepp követését"],
        ["Del", "a jegyzőfüzet táblázatában: törli a kijelölt sorokat"],
    ], [1300, 6500], align=["c", "l"])

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
        "összemérhető a levegőmolekulák szabad úthosszával. A program ideális kamrájában, ahogyan "
        "indul, ez a hatás nincs meg, ezért a fenti képletek változatlanul érvényesek; valódi "
        "levegővel (11.3. szakasz) a cseppek úgy csúsznak meg, mint a valódi készülékben.")

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

    d.h2("c) Hogyan számítja ki a jegyzőfüzet a sugarat és a töltést?")
    d.p("A jegyzőfüzet (8. fejezet) az 5. fejezet képleteit használja, minden sorra ugyanazzal az "
        "előjelszabállyal:")
    d.formula("//v//_{0}~=~2~//r//^{2}~(ρ_{olaj}~−~ρ_{levegő})~//g//~/~(9~η)~~~~~⇒~~~~~"
              "//r//~=~√(9~η~//v//_{0}~/~(2~(ρ_{olaj}~−~ρ_{levegő})~//g//))")
    d.formula("//v//~=~//v//_{0}~+~//q U//~/~(6~π~η~//r//·//d//)~~~~~⇒~~~~~"
              "//q//~=~6~π~η~//r//·//d//·(//v//~−~//v//_{0})~/~//U//")
    d.p("Itt //v// a sor sebessége, amely **a nehézségi erő irányában pozitív** („esés”, a képen "
        "felfelé), **vele szemben negatív** („emelkedés”, a képen lefelé), és 0, ha a csepp áll "
        "(„lebegés”); //U// a lemezek **előjeles** feszültsége, fordított polaritásnál negatív. "
        "Ezekkel az előjelekkel egyetlen képlet szolgálja ki mindkét módszert. Lebegő cseppre "
        "(//v//~=~0, //U//~<~0) az a) módszer töltését adja, mert 6~π~η~//r v//_{0} éppen a "
        "látszólagos súly. Fordított térben süllyedő cseppre (//v//~=~−//v//_{1}, "
        "//U//~=~−|//U//|) a b) módszer képletét adja: "
        "//q//~=~6~π~η~//r//~(//v//_{0}~+~//v//_{1})~//d//~/~|//U//|. A táblázat soronként számol:")
    d.bullet("**Sebesség:** //N//~·~10~µm osztva az idővel; lebegő cseppnél 0.")
    d.bullet("**Sugár:** egy csepp minden kikapcsolt tápegység mellett (0~V-nál) mért „esés” sora ad "
             "egy sugarat, a sor saját hőmérsékletén. Ezek átlaga a csepp sugara, amely a csepp "
             "minden során megjelenik; egy csepphez az azonos cseppszámú sorok tartoznak.")
    d.bullet("**Töltés:** a csepp minden bekapcsolt tápegység melletti sora – mért vagy lebegő – ad "
             "egy töltést a csepp sugarából és a sor saját irányából, sebességéből, feszültségéből "
             "és hőmérsékletéből (η, ρ_{levegő} és //v//_{0} ezen a hőmérsékleten).")
    d.bullet("Ami még nem számítható ki, az üresen marad: a cseppszám nélküli sornak, és annak a "
             "cseppnek, amelynek nincs kikapcsolt tápegység melletti esése, nincs sugara és töltése.")
    d.p("A kidolgozott példa (7. fejezet) cseppje 7-es számmal felvéve ezt a két sort adja:")
    d.table([
        ["Csepp", "Osztás (//N//)", "Út (µm)", "Idő (s)", "Irány", "//U// (V)", "//t// (°C)",
         "Sebesség (µm/s)", "Sugár (µm)", "Töltés (10^{−19}~C)"],
        ["7", "30", "300", F.reading("example_rise_reading"), "esés", F.num(0), F.num(20, 2),
         F("notebook_fall_speed"), F("notebook_radius"), ""],
        ["7", "10", "100", F.reading("example_fall_reading"), "emelkedés", F.num(-500),
         F.num(20, 2), F("notebook_rise_speed"), F("notebook_radius"), F("notebook_charge")],
    ], [900, 800, 700, 600, 1150, 700, 700, 1000, 800, 1050], align=["c"] * 10)
    d.p(f"Az első sorból //r//~=~√(9~η~·~{F('notebook_fall_speed')}~µm/s~/~"
        f"(2~(ρ_{{olaj}}~−~ρ_{{levegő}})~//g//))~=~{F('notebook_radius')}~µm. A másodikban a csepp a "
        f"nehézségi erővel szemben mozog, ezért //v//~=~−{F('notebook_rise_speed')}~µm/s, és "
        "//U//~=~−500~V:")
    d.formula(f"//q//~=~6~π~η~//r//·//d//·(−{F('notebook_rise_speed')}~−~{F('notebook_fall_speed')})"
              f"~µm/s~/~(−500~V)~=~{F('notebook_charge')}·10^{{−19}}~C~≈~{F('notebook_charge_e')}~//e//,")
    d.p("ami a sebességek kerekítésétől eltekintve a 7. fejezet b) módszerének eredménye.")

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

    d.h1("8. A mérési jegyzőfüzet")
    d.p("A jegyzőfüzet ablaka (Mérés → Jegyzőfüzet…, vagy F7) táblázatban őrzi az időméréseidet, "
        "mérésenként egy sorban, és kiszámítja belőlük a sebességet, a sugarat és a töltést. Az "
        "ablak nem állítja meg a szimulációt: mérés közben nyugodtan maradhat nyitva a főablak "
        "mellett.")

    d.h2("8.1. Egy mérés felvétele")
    d.num("1.", "Kattints a mérni kívánt cseppre, hogy pirosra váltson (3.1. szakasz).")
    d.num("2.", "Nyomd meg az F5-öt, amikor a csepp egy osztásvonalon áthalad, és az F6-ot, amikor "
          "//N// osztást megtett.")
    d.num("3.", "Nyomd meg az F8-at: a táblázat végén új sor jelenik meg a stopper állásával és az "
          "abban a pillanatban érvényes feszültséggel és hőmérséklettel.")
    d.num("4.", "Ellenőrizd az új sorban a csepp számát, az osztások számát és az irányt, és ha kell, "
          "javítsd ki őket: kattints duplán a cellára, vagy jelöld ki, és kezdj el gépelni.")
    d.p("Az F8 azt veszi fel, amit a stopper abban a pillanatban mutat, akkor is, ha még fut; előbb "
        "tehát állítsd meg. A táblázatban csak a csepp száma, az osztások száma és az irány "
        "változtatható; az idő, a feszültség és a hőmérséklet maga a leolvasás.")

    d.h2("8.2. Az oszlopok")
    d.table([
        ["Oszlop", "Tartalma"],
        ["Csepp", "a követett csepp száma, vagy üres, ha nem követtél cseppet; beírhatsz más "
         "számot, vagy törölheted"],
        ["Osztás (//N//)", "a megtett osztások száma: kezdetben az előző sor értéke, az első sorban "
         "30; írd be, amennyit számoltál. A mellette álló út (µm) //N//~·~10~µm."],
        ["Idő (s)", "a stopper állása, ahogy a kijelző mutatta, másodpercben"],
        ["Irány", "**esés**: a nehézségi erő irányában, a képen felfelé; **emelkedés**: a nehézségi "
         "erővel szemben, a képen lefelé; **lebegés**: a csepp áll, sebessége 0. Az új sor "
         "„emelkedés”, ha a tápegység fordított polaritással be van kapcsolva, egyébként „esés”; "
         "ha a csepp másfelé ment vagy állt, válaszd ki a listából a helyeset."],
        ["Feszültség (V)", "a lemezek előjeles feszültsége a felvétel pillanatában: kikapcsolt "
         "tápegységnél 0, fordított polaritásnál negatív"],
        ["Hőmérséklet (°C)", "a kamra hőmérséklete a felvétel pillanatában, két tizedesjeggyel"],
        ["Sebesség, Sugár, Töltés", "a 6. fejezet c) része szerint számítva: a sebesség µm/s-ban, "
         "a sugár µm-ben, a töltés 10^{−19}~C-ban; üres, amíg nem számítható ki"],
    ], [2600, 6400], align=["l", "l"])
    d.note("Az „esés” és az „emelkedés” a valódi mozgást nevezi meg, nem a képet: a fordított képen "
           "az eső csepp **felfelé** mozog. Az a csepp, amely fordított térben is felfelé megy a "
           "képen, esik, csak lassabban.")

    d.h2("8.3. Gombok, hisztogram és becslés")
    d.bullet("**„Kijelölt sorok törlése”**, vagy a táblázatban a Del billentyű: törli a kijelölt "
             "sorokat (kattints a sor számára; a Ctrl vagy a Shift lenyomásával több sort is "
             "kijelölhetsz).")
    d.bullet("**„Exportálás CSV-be…”**: a táblázatot CSV-fájlba menti, ahová választod (a formátumot "
             "a 8.4. szakasz írja le).")
    d.bullet("**„Jelentés mentése…”**: A4-es PDF-fájlt ment címmel, az azonosítóddal, a dátummal és "
             "az idővel, a táblázattal, a hisztogrammal és a becsléssel. Ezt kell beadnod.")
    d.p("A táblázat alatt a **hisztogram** a töltéseket nagyságuk szerint mutatja, "
        "0,1·10^{−19}~C-os osztályokban, 0-tól legalább 6·10^{−19}~C-ig (nagyobb töltésnél tovább); "
        "halvány szaggatott vonalak jelzik a becslés egész számú többszöröseit. Alatta áll az elemi "
        "töltés **becslése** a hibájával, azzal, hogy hány töltésen alapul, és az elfogadott "
        f"{F('constant_ElemCharge')}~C-tól való eltérésével; hogy hogyan készül, azt a 9. fejezet írja "
        "le.")

    d.h2("8.4. Hol őrzi a program a jegyzőfüzetet?")
    d.p("Minden azonosítónak saját jegyzőfüzete van: az <azonosító>.csv fájl a "
        "$XDG_DATA_HOME/tessilar/notebooks mappában, vagy ha az XDG_DATA_HOME változó nincs "
        "beállítva, a $HOME/.local/share/tessilar/notebooks mappában (a fájlnévben nem megengedett "
        "karakterek, például a „/”, „_” jellé válnak). A program minden változás után, egy lépésben "
        "írja ki a fájlt, így az mindig vagy a régi, vagy az új táblázatot tartalmazza, és "
        "visszaolvassa, amikor ugyanazzal az azonosítóval indítod a programot.")
    d.bullet("A nem olvasható (sérült vagy kézzel más alakúra írt) jegyzőfüzetet a program soha nem "
             "írja felül: ugyanabban a mappában <azonosító>.damaged-<dátum-idő>.csv névre nevezi "
             "át, üzenetben jelzi, és új, üres jegyzőfüzetet kezd. Ha az átnevezés sem sikerül, a "
             "fájlt érintetlenül hagyja, és az aktuális futás sorai csak a memóriában maradnak: "
             "mentsd el őket az „Exportálás CSV-be…” gombbal.")
    d.bullet("Ha a mappa nem írható, a program ezt egyszer üzenetben jelzi; a táblázat tovább "
             "működik, a sorait pedig az „Exportálás CSV-be…” gombbal máshová mentheted.")
    d.p("A fájl CSV-táblázat (UTF-8 kódolással, tizedespontként „.” jellel), amelyet a "
        "táblázatkezelők is megnyitnak. Az első sora:")
    d.formula("droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,"
              "radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa")
    d.p("a további sorok pedig a táblázat sorai; az irány angolul áll benne: fall (esés), rise "
        "(emelkedés) vagy balanced (lebegés). Az utolsó négy cella azt mondja meg, kinek a cseppje "
        "volt: az azonosítódat úgy, ahogyan beírtad, és ha a tanár osztálykódja saját kamrát ad "
        "neked (8.5. szakasz), azt is, hányadik befecskendezésedből való a csepp, és hány "
        "ionizálás érte addig azt a befecskendezést; a nyomás (kPa) csak a valódi levegőben mért "
        "soroknál áll ott (11.3. szakasz). Visszaolvasáskor a "
        "program a cseppszámot, az osztásokat, az időt, az irányt, a feszültséget, a hőmérsékletet "
        "és ezt a négy cellát veszi át, a többit újra kiszámítja; a korábbi változatok tízoszlopos "
        "jegyzőfüzete is megnyílik. A 10. fejezetben leírt ⚡ jelet a program a jegyzőfüzet "
        "mellett, az <azonosító>.bursts fájlban őrzi.")

    d.h2("8.5. Tanároknak")
    d.p("A program mappájában (nem a nyelvi mappákban) lévő Tessilar.ini fájl beállításai a "
        "programot az órához igazítják:")
    d.bullet("A **[Notebook]** szakaszban a **Calculations=0** elrejti a sugár és a töltés "
             "oszlopát, a hisztogramot és a becslést, így a tanulók kézzel számolnak (6. fejezet); a "
             "jegyzőfüzet fájlja és a jelentés ilyenkor ezeket az oszlopokat üresen hagyja.")
    d.bullet("A **[Settings]** szakaszban a **BrownianMotion=1** a Brown-mozgást már induláskor "
             "bekapcsolja (11.2. szakasz); a Mérés menüben ezután is kikapcsolható.")
    d.bullet("A **[Settings]** szakaszban a **RealAir=1** már induláskor valódi levegővel tölti meg "
             "a kamrát (11.3. szakasz), ahogyan a böngészős változatban a cím **?realair=1** "
             "paramétere; a Mérés menüben ezután is kikapcsolható.")
    d.bullet("Az **[Assessment]** szakaszban a **ClassCode=//kód//** minden tanulónak saját kamrát "
             "ad: a tanuló befecskendezéseinek cseppjei és az egyes ionizálások változásai csak a "
             "kódtól és az azonosítótól függnek, a böngészős változatban is ugyanígy (ott a cím "
             "**?class=//kód//** paramétere adja), bármi mást tesz is közben a tanuló. A kód "
             "legfeljebb 64 karakteres szöveg, jelölés és vezérlőkarakter nélkül; a nem használható "
             "kódot a program jelzi, és ilyenkor véletlenszerűen tölti meg a kamrát.")
    d.bullet("A **[Settings]** szakaszban a **Language=English** angolul indítja a programot, a "
             "**Droplets=//N//** pedig azt adja meg, hány cseppet kell egy tanulónak megmérnie "
             "(ha nincs megadva, 8-at): a jegyzőfüzet ablaka számolja őket („Megmért cseppek: 3 / 8”), "
             "tanulási platformon pedig a lecke akkor teljes, ha megvannak.")
    d.p("A **Súgó → Tanári beállítások…** egy párbeszédablakban gyűjti össze mindezt, és minden "
        "formában kiadja, amire egy órához szükség van: a böngészős változat címét a beállításokkal "
        "mint paraméterekkel (írd be, hová teszed az oldalt, aztán **Cím másolása**) és a QR-kódját "
        "a tanulók telefonjához; a sorokat ebbe a Tessilar.ini fájlba; az **Oldal mentése…** a "
        "böngészős oldal másolatát menti a beállításokkal együtt, amely bárhonnan megnyitva velük "
        "indul (a címben megadott paraméter továbbra is erősebb); a **SCORM-csomag mentése…** "
        "pedig ugyanezt az oldalt SCORM 1.2-csomagként menti egy tanulási platform SCORM-"
        "tevékenységéhez. A platformon az oldal a tanuló nevét veszi azonosítónak, minden változás "
        "után a platformnál őrzi a jegyzőfüzetet (és egy későbbi próbálkozásnál vagy másik eszközön "
        "újra megtalálja), a leckét pedig teljesnek jelenti, a megmért cseppek arányával mint "
        "pontszámmal, minden töltéssel és az //e// becslésével. A platform 4096 karakterénél "
        "nagyobb jegyzőfüzetet vagy a platform elutasítását egyszer jelzi, és a jegyzőfüzet a "
        "böngészőben megmarad. Az érvényes beállításokat a Névjegy ablak sorolja fel. A csomag az "
        "oldalt és a SCORM-csomagot a /usr/share/tessilar/web mappába telepíti.")
    d.p("A kód a becsületes tanulóknak külön kamrát ad, és vele a megoldókulcs megmutatja, mely "
        "sorok másoltak, kitaláltak vagy hibásan leolvasottak. Zárnak nem zár: aki szétszedi a "
        "programot, kiszámíthat egy kamrát.")
    d.p("A **tessilar --report NOTEBOOK.csv REPORT.pdf** parancs ablak nélkül elkészíti egy tanuló "
        "jegyzőfüzet-fájljának (NOTEBOOK.csv) PDF-jelentését (REPORT.pdf; az azonosító helyén a "
        "fájl neve áll), és kiírja //e// becslését. Ha a jegyzőfüzet nem olvasható, megnevezi a "
        "fájlt és a hibás sort, PDF-et pedig nem készít.")
    d.p("A **tessilar --class-report CLASS.pdf --class-code //kód// NOTEBOOK.csv …** parancs egy "
        "osztály jegyzőfüzeteit egy jelentésbe gyűjti, és hozzáteszi a **megoldókulcsot**: minden "
        "sort összevet azzal, ami a tanuló kamrájában abban a pillanatban valóban volt. A tanulók "
        "oldalai egy táblázattal zárulnak: a sor, a csepp valódi sugara és töltése, a sorból adódó "
        "töltés és az értékelés: //helyes// (a sor töltése a valódi egész számú többszöröshöz esik "
        "a legközelebb), //hibásan leolvasott// (a sor abból a cseppből való, de a töltése egy "
        "másik többszöröshöz esik közelebb), //ebből a kamrából// (nincs megítélhető töltés) vagy "
        "//nem ebből a kamrából// (a sebessége több mint 25~%-kal eltér attól, amivel a csepp "
        "valóban mozgott, ahogy egy másolt vagy kitalált sornál). Az osztály táblázata tanulónként "
        "megadja, hány sor illik a kamrájához és hány töltés helyes, és másolatnak jelöli azt a "
        "jegyzőfüzetet, amelynek sorai más tanulót neveznek meg, vagy amely egy másik tanuló "
        "füzetével közös sorokat tartalmaz, és azok a másik kamrájához illenek jobban. Mivel a "
        "sorok megnevezik a tanulójukat, az útközben átnevezett füzet („anna (1).csv”) is a saját "
        "tanulója kamrájával vetődik össze. A böngészős változatban a jegyzőfüzet ablakának "
        "„Osztálykód” mezője ugyanezt teszi az „Osztályjelentés…” gombhoz.")

    d.h1("9. Az elemi töltés becslése")
    d.p("A jegyzőfüzet a táblázat összes töltéséből becsli meg //e//-t, úgy, ahogyan te is tennéd a "
        "hisztogram alapján: azt a legnagyobb töltésadagot keresi, amelynek szinte minden mért töltés "
        "egész számú többszöröse. Ezek a töltések számítanak:")
    d.bullet("A 0,3·10^{−19}~C-nál kisebb nagyságú töltések töltés nélküli cseppekhez tartoznak (amit "
             "mérünk, az csak a hiba), ezért kimaradnak.")
    d.bullet("A negatív töltés a nagyságával számít.")
    d.bullet("Ha 3-nál kevesebb töltés marad, vagy 3-nál kevesebb van közel a talált érték egész "
             "számú többszöröseihez, az ablak jelzi, hogy nincs elég adat.")
    d.p("A módszer lépésről lépésre:")
    d.num("1.", "A jelölt //e// érték a legkisebb töltés 1,2-szereséről indul, és kis lépésekben "
          "(egyszerre 0,1%-kal) csökken. Az első, vagyis a legnagyobb jelöltet tartja meg, amelynél "
          "a töltések legalább 90%-a legfeljebb 0,2~//e//-re van valamelyik //n e// egész számú "
          "többszöröstől (//n//~=~1, 2, 3, …). Ha egyik jelölt sem ér el idáig, azt tartja meg, "
          "amelyikhez a legtöbb töltés illeszkedik.")
    d.num("2.", "Minden ilyen közeli töltést eloszt a hozzá tartozó //n//-nel, és ezeknek a "
          "//q/////n// értékeknek az átlaga lesz az új //e//. Ezt a lépést kétszer végzi el, mert az "
          "új //e// megváltoztathatja, mely töltések vannak közel egy többszöröshöz.")
    d.num("3.", "A hiba a //q/////n// értékek átlagának standard hibája: a szórásuk osztva a számuk "
          "négyzetgyökével. Az ablak azt is kiírja, hány töltést használt, és mennyi az eltérés az "
          f"{F('constant_ElemCharge')}~C értéktől.")
    d.p("Miért a legnagyobb jelölt? Ha a töltések //e// egész számú többszörösei, akkor "
        "//e///2, //e///3, … egész számú többszörösei is; az adatokból csak a legnagyobb közös "
        "adag olvasható ki. Ezért a módszernek korlátai vannak, és ezeket ismerned kell:")
    d.bullet("**Csak páros többszörösök.** Ha minden mért csepp töltése 2~//e// vagy 4~//e//, akkor a "
             "töltések 2~//e//-nek is egész számú többszörösei, és a becslés 2~//e// lesz. Ilyen "
             "adatokból semmilyen módszer nem tudja //e//-t és 2~//e//-t megkülönböztetni. Keress "
             "olyan cseppeket, amelyek töltése a csoportok közé esik, vagy változtasd meg egy csepp "
             "töltését egy //e//-vel az ionizáló forrással (10. fejezet).")
    d.bullet("**Szinte mind ugyanaz a többszörös.** Ha szinte minden töltés ugyanannyiszorosa "
             "//e//-nek (például mind 2~//e// körüli), az ugyanilyen kétértelmű: a becslés ez a "
             "többszörös lesz. Mérj sok különböző cseppet.")
    d.bullet("**Nagy csepp, kis töltés.** A tér a nagy csepp sebességét csak kicsit változtatja meg: "
             f"egy 1,5~µm-es csepp kikapcsolt tápegységnél {F('speed_15')}~µm/s-mal esik, és egy "
             f"elemi töltés 500~V-nál ezen csak {F('change_per_e_15')}~µm/s-ot változtat. A töltése "
             "így két nagy sebesség kis különbsége, amelyben az időmérés hibája a döntő. Inkább kis "
             "cseppeket mérj, és olyan fordított polaritású feszültséget, amelynél a csepp "
             "határozottan süllyed (a képen lefelé mozog).")
    d.p("Vesd össze a becslést a hisztogrammal: az oszlopoknak a szaggatott vonalakon kell állniuk. "
        "A két vonal között félúton álló oszlop olyan töltés, amelyet érdemes újra megmérni.")

    d.h1("10. Az ionizáló forrás")
    d.p("Az ionizáló forrás (a valódi kísérletben gyenge röntgen- vagy radioaktív sugárforrás) "
        "ionokat kelt a levegőben, és az ezeket befogó cseppek töltése megváltozik. A programban "
        "egy sugárlökés (F9, vagy Mérés → Ionizálás) így hat: a kamra minden cseppje 1/3 "
        "valószínűséggel pontosan egy elemi töltést kap vagy veszít (a kettő egyforma eséllyel); "
        "a többi csepp töltése nem változik. A sugárlökés semmit sem mozdít el: a helyzet, a "
        "sebesség és a sugár változatlan marad, de a térben az a csepp, amelynek a töltése "
        "megváltozott, azonnal felveszi az új sebességét.")
    d.p("A töltés így 0 is lehet (a csepp nem reagál többé a térre), sőt negatív is. A "
        "//q U/////d// elektromos erő előjele //q// előjelével együtt változik: az a fordított tér, "
        "amely a pozitív cseppet a nehézségi erővel szemben tolja, a negatívat a nehézségi erő "
        "irányába hajtja. A negatív csepp ezért a térben fordítva mozog: fordított polaritásnál "
        "gyorsabban esik (a képen felfelé), és csak pozitív polaritással lebegtethető. Például "
        "−500~V-nál egy 1~µm-es, egy elemi töltésű csepp "
        f"{F('speed_10_1e_reversed')}~µm/s-mal, egy negatív elemi töltésű pedig "
        f"{F('speed_10_minus1e_reversed')}~µm/s-mal mozog a képen felfelé. A jegyzőfüzet az ilyen "
        "cseppnek negatív töltést ad; a becslés a nagyságával számol.")
    d.p("Egy sugárlökés után az első felvett sor száma mellett ⚡ jel áll, a táblázatban és a "
        "jelentésben is: előtte és utána a töltések különbözhetnek.")
    d.p("**Egy kísérlet: a töltés egy //e//-vel változik.**")
    d.num("1.", "Kövess egy cseppet (kattints rá), és mérd meg az esését kikapcsolt tápegységnél "
          "(F5, F6, F8): ebből adódik a sugara.")
    d.num("2.", "Kapcsolj be fordított polaritású feszültséget, például 500~V-ot, és mérd meg a "
          "csepp mozgását a térben: a töltése megjelenik a jegyzőfüzetben.")
    d.num("3.", "Adj le egyenként sugárlökéseket (F9), és figyeld a cseppet, amíg a térbeli "
          "sebessége ugrásszerűen meg nem változik. 500~V-nál egy elemi töltés egy 0,5~µm-es csepp "
          f"sebességét {F('change_per_e_05')}~µm/s-mal, egy 1~µm-esét {F('change_per_e_10')}~µm/s-mal "
          "változtatja meg. Egy sugárlökés egy adott csepp töltését átlagosan csak minden "
          "harmadik alkalommal változtatja meg.")
    d.num("4.", "Mérd meg újra a cseppet a térben: az új töltése egy elemi töltéssel tér el a "
          "régitől, akárhány töltése volt is. Ismételd meg néhányszor.")

    d.h1("11. Mérési hibák")
    d.h2("11.1. Az időmérés")
    d.p("A stopperóra kijelzője a tizedmásodperc alatti részt elhagyja (3.5. szakasz), és az "
        "indításkor és megállításkor a reakcióidőd is hozzáadódik. Mindkettő annál kevésbé számít, "
        "minél hosszabb a mérés: mérj sok osztáson, és ismételd a mérést. A program sebességei kissé "
        f"kisebbek a képletből adódónál: 1~µm-es cseppnél {F('shortfall_10')}%-kal, legfeljebb "
        f"{F('shortfall_largest')}%-kal (5. fejezet). Csak a befecskendezés utáni sodródás "
        "megszűnése után mérj, hőmérséklet-változtatás után pedig várd meg, amíg a hőmérő megáll; a "
        "jegyzőfüzet minden sor saját hőmérsékletével számol.")

    d.h2("11.2. A Brown-mozgás")
    d.p("Az ilyen kis cseppeket a levegő molekulái ide-oda lökdösik: a cseppek remegnek. A program "
        "ezt csak akkor veszi figyelembe, ha a Mérés → Brown-mozgás menüpontot bekapcsolod (a "
        "tanár induláskor is bekapcsolhatja, 8.5. szakasz). Ekkor a szimuláció minden 1~ms-os "
        "lépésében minden csepp X és Y irányban egymástól függetlenül egy-egy véletlen "
        "elmozdulást is kap, amely √(2~//D h//) szórású normális eloszlásból származik; itt "
        "//h//~=~1~ms és")
    d.formula(f"//D//~=~//k//_{{B}}~//T//~/~(6~π~η~//r//),~~~~~//k//_{{B}}~=~"
              f"{F('constant_Boltzmann')}~J/K")
    d.p("a csepp diffúziós együtthatója, az adott pillanat //T// hőmérsékletével és η "
        "viszkozitásával. A lépések összeadódnak: //t// idő alatt az egy tengely menti elmozdulás "
        "szórása √(2~//D t//), amely a kis cseppeknél és a meleg levegőben a legnagyobb. 20~°C-on:")
    d.table([["//r// (µm)", "√(2~//D t//) 1~s alatt (µm)", "30~osztás kikapcsolt tápegységnél (s)",
              "remegés a 30~osztás alatt (µm)", "a sebesség relatív hibája (%)"]] + [
        [F.num(r, 1), F(f"brownian_{k}"), F(f"brownian_time_{k}"), F(f"brownian_path_{k}"),
         F(f"brownian_relative_{k}")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1100, 2000, 2000, 2000, 2000], align=["c"] * 5)
    d.p("**Mit jelent ez az időmérésre?** Ha egy csepp //v// sebességgel //L// utat tesz meg, "
        "//L/////v// ideig van úton; ezalatt a remegés kb. √(2~//D L/////v//) utat ad hozzá vagy "
        "vesz el, így a sebesség relatív hibája kb. √(2~//D//~/~(//L v//)). Egy 0,5~µm-es csepp "
        f"30~osztáson mérve ez {F('brownian_relative_05')}%, sokkal több a stopperóra hibájánál.")
    d.p("**Hogyan átlagolható ki?** A remegés véletlenszerű, ezért kiátlagolódik:")
    d.bullet("Mérj hosszabb úton: a relatív hiba 1/√//L// szerint csökken, négyszeres úton a felére.")
    d.bullet("Ismételd a mérést, és vedd az átlagot: //n// mérés √//n//-ed részére csökkenti a hibát. "
             "A jegyzőfüzet a csepp sugarát eleve az összes kikapcsolt tápegység melletti esésének "
             "átlagából számítja.")
    d.bullet("A nagyobb cseppek kevésbé remegnek és gyorsabban mozognak, ezért a relatív hibájuk "
             "kisebb; a térben pedig az a feszültség, amelynél a csepp határozottan süllyed, a "
             "remegéshez képest nagy sebességkülönbséget ad.")
    d.p(f"A lebegő csepp is elvándorol: egy 0,5~µm-es csepp 25~s alatt kb. "
        f"{F('brownian_05_watch')}~µm-re is eltávolodhat a helyétől. Bekapcsolt Brown-mozgásnál ezért azt figyeld, hogy "
        "a csepp egyenletesen sodródik-e valamerre, ne azt, hogy egy osztáson marad-e.")

    d.h2("11.3. Valódi levegő: a kis cseppek csúszása")
    d.p("A Stokes-törvény folytonos közegben mozgó gömbre érvényes. A 0,5–1,5~µm-es csepp nem sokkal "
        "nagyobb a levegőmolekulák szabad úthosszánál (szobanyomáson kb. 0,07~µm): „megcsúszik” "
        "közöttük, és gyorsabban esik, mint ahogy a Stokes-törvény mondja, annál inkább, minél "
        "ritkább a levegő. A **Mérés → Valódi levegő** menüponttal a kamrában //p// nyomású valódi "
        "levegő van, és az //r// sugarú cseppre ható közegellenállás a Stokes-féle erő osztva a")
    d.formula(f"//C//~=~1~+~//b//~/~(//p r//),~~~~~//b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m")
    d.p("csúszási tényezővel. Így a kikapcsolt tápegység melletti esés és a tér okozta "
        "sebességváltozás is //C//-szeresére nő, és bekapcsolt Brown-mozgásnál a remegés //D// "
        "értéke is ugyanennyiszeresére. A levegő sűrűsége a hőmérséklet mellett a nyomást is követi: "
        "a fenti ρ_{levegő} //p//~/~101,325~kPa-szorosa. A csúszási tényező:")
    d.table([["//r// (µm)", "101,3~kPa", "20~kPa", "1~kPa"]] + [
        [F.num(r, 1), F(f"slip_{k}_1013"), F(f"slip_{k}_20"), F(f"slip_{k}_1")]
        for r, k in ((0.5, "05"), (1.0, "10"), (1.5, "15"))
    ], [1500, 1800, 1800, 1800], align=["c"] * 4)
    d.p("**A nyomás mezője.** Amíg a valódi levegő be van kapcsolva, a mikroszkóp alatti mező a "
        f"kamra nyomását mutatja kPa-ban; egy mérés kezdetén {F('constant_StartPressure')}. Írj be "
        "1 és 110~kPa közötti nyomást, vagy léptesd 1~kPa-onként a léptetőgombokkal (vagy a Fel és "
        "Le billentyűvel). Ahogyan a hőmérsékletnél, minden beírt szám azonnal érvénybe lép; a "
        "tartományon kívüli szám vagy a nem szám az utolsó jó nyomást hagyja érvényben, az Enter vagy "
        "a mező elhagyása pedig az érvényes nyomást mutatja. A jegyzőfüzet minden felvett sora "
        "megőrzi az akkori nyomást (a Nyomás oszlop, a fájlban pressure_kPa).")
    d.p("**Kétféle kiértékelés.** A valódi levegőben mért jegyzőfüzetnél a jegyzőfüzet ablaka és a "
        "jelentés két eredményt ad, és mindkettő megmondja, melyik kiértékelésből való:")
    d.bullet(f"**A csúszásra korrigálva**, //b//~=~{F('constant_SlipConstant')}×10^{{−3}}~Pa·m-rel: "
             "a sugár a //v//_{0} esési sebességből az "
             "//r//^{2}~+~(//b/////p//)~//r//~=~9~η~//v//_{0}~/~(2~(ρ_{olaj}~−~ρ_{levegő})~//g//) "
             "egyenlet pontos megoldása, és minden töltést ugyanezzel a tényezővel számít: "
             "//q//~=~6~π~η~//r d//~(//v//~−~//v//_{0})~/~(//U C//). A hisztogram és az //e// "
             "becslése (9. fejezet) ezekből a töltésekből készül.")
    d.bullet("**1/(//p r//)~=~0-ra extrapolálva**, amely //b// semmilyen értékét nem feltételezi. "
             "Csak a Stokes-törvénnyel számolva minden töltés //C//^{3/2}-szer nagyobbnak adódik: a "
             "//q//_{a} látszólagos töltésre (//q//_{a}~/~//n//)^{2/3}~=~//e//^{2/3}~(1~+~//b//~/~"
             "(//p r//)), ami 1/(//p r//) függvényében egyenes. A jegyzőfüzet minden töltés "
             "(//q//_{a}~/~//n//)^{2/3} értékét 1/(//p r//) függvényében ábrázolja (//n// a töltésben "
             "lévő elemi töltések száma, előbb a korrigált töltésekből, aztán magából az egyenesből "
             "számolva), a legkisebb négyzetek módszerével egyenest illeszt rá, és //e//-t a "
             "tengelymetszet 3/2-edik hatványaként, //b//-t a meredekség és a tengelymetszet "
             "hányadosaként adja meg, mindkettőt a bizonytalanságával. Mivel maga //r// is függ "
             "//b//-től, a Stokes-féle sugarakból indul, és az egyenes //b//-jével újra kiszámítja a "
             "sugarakat, amíg //b// be nem áll. Egy töltés akkor számít, ha a cseppje ugyanazon a "
             "nyomáson kikapcsolt tápegységnél is esett; az egyeneshez legalább 4 csepp és 1/(//p r//) "
             "két vagy több értéke kell.")
    d.p("**Hogyan mérj?** Mérj cseppeket szobanyomáson, aztán csökkentsd a nyomást (például 20~kPa-ra), "
        "és mérj még: a ritka levegő pontjai messze jobbra esnek, és ezek rögzítik a meredekséget. "
        "Ritka levegőben a cseppek sokkal gyorsabban esnek, ezért hosszú úton mérd őket. Ilyen "
        "jegyzőfüzetnél a **tessilar --report** a becslés után egy második sort is kiír: "
        "„extrapolated: e = … C +- … C, b = … Pa m +- … Pa m from //N// droplets”, vagy "
        "„extrapolated: too few droplets”.")

    d.h1("12. Gyakorlati tanácsok")
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
    d.bullet("Mérés előtt kattints a cseppre, és minden cseppet mérj meg legalább egyszer esés "
             "közben kikapcsolt tápegységnél: enélkül a jegyzőfüzet nem tudja kiszámítani a sugarát "
             "és a töltését.")
    d.bullet("A mérés felvétele (F8) előtt állítsd meg a stoppert (F6), és ellenőrizd az új sor "
             "irányát.")
    d.bullet("Hőmérséklet-változtatás után várj kb. egy "
             "percet, amíg a hőmérő oszlopa megáll, és a számításban az új hőmérséklethez tartozó "
             "η és ρ_{levegő} értéket használd.")
    d.bullet("Bekapcsolt Brown-mozgásnál hosszú úton mérj, és minden mérést ismételj meg "
             "(11.2. szakasz).")

    d.h1("13. Feladatok")
    d.num("1.", "**A töltés kvantáltsága.** Mérd meg legalább 10 (inkább 20) különböző csepp töltését "
          "valamelyik módszerrel. Ábrázold a töltéseket egy számegyenesen vagy gyakorisági "
          "diagramon (a jegyzőfüzet is rajzol egyet). Mutasd meg, hogy az értékek csoportokba "
          "rendeződnek, és hogy ezek egy közös "
          "töltésadag egész számú többszörösei! Határozd meg ebből az elemi töltést és a hibáját, és "
          "hasonlítsd össze a jegyzőfüzet becslésével és az "
          f"{F('constant_ElemCharge')}~C értékkel.")
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
    d.num("6.", "**A töltés változása.** Végezd el a 10. fejezet kísérletét két cseppel. Mutasd meg, "
          "hogy a töltés minden ugrása egy elemi töltés, akármelyik irányba változik!")
    d.num("7.", "**A Brown-mozgás.** Kapcsold be a Brown-mozgást. Mérj meg egy kis, lassú cseppet "
          "tízszer 30~osztáson kikapcsolt tápegységnél, és számítsd ki a sebességek átlagát és "
          "szórását. Vesd össze a relatív szórást a csepp sugarához tartozó "
          "√(2~//D//~/~(//L v//)) értékkel (0,5~µm-es cseppnél ez kb. "
          f"{F('brownian_relative_05')}%). Ezután mérd meg tízszer 10~osztáson is: hogyan változik "
          "a szórás?")

    d.num("8.", "**Valódi levegő.** Kapcsold be a valódi levegőt. Mérj meg legalább négy cseppet "
          "101,3~kPa-on és négyet 20~kPa-on, mindegyiket kikapcsolt tápegységnél esve és fordított "
          "térben süllyedve. Számítsd ki egy csepp töltését kézzel, csak a Stokes-törvénnyel (6. "
          "fejezet), és vesd össze a jegyzőfüzet korrigált töltésével! Mennyire tér el az "
          f"extrapoláció //e//-je és //b//-je a {F('constant_ElemCharge')}~C-tól és a "
          f"{F('constant_SlipConstant')}×10^{{−3}}~Pa·m-től?")

    d.h2("Jegyzőkönyv-minta")
    d.p("Kézi számoláshoz, például ha a jegyzőfüzet számításai ki vannak kapcsolva:")
    d.table([
        ["Csepp", "//N// (osztás)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
