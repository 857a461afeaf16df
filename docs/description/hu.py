# Hungarian half of the guide. "~" is a non-breaking space.

def write(d):
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
    d.p("A Tessilar program ezt a kísérletet szimulálja. A kamrában egyszerre 100 csepp lebeg; a "
        "lemezfeszültséget 0 és 1000~V között állíthatod, a kamra hőmérsékletét 0 és 100~°C között, a "
        "cseppek mozgását pedig a program stopperórájával méred. A program a 4. fejezetben megadott "
        "fizikai állandókkal és összefüggésekkel számol, ezért a méréseid eredménye ezekkel pontosan "
        "ellenőrizhető.")

    d.h1("2. A program indítása")
    d.p("Induláskor egy kis ablak („Azonosító beadása”) kéri az azonosítódat, például a nevedet vagy a "
        "mérőcsoport jelét. Az OK gombbal továbblépsz, a „Mégse” gombbal (vagy az ablak bezárásával) a "
        "program kilép. Az azonosító a főablak címsorában jelenik meg („Tessilar-kísérlet~~~/~~~azonosító”), "
        "így egy képernyőképen is látszik, ki végezte a mérést.")
    d.note("**Fontos:** a program semmit sem ment el. A mért értékeket azonnal írd be a "
           "jegyzőkönyvedbe, mert kilépéskor minden adat elvész.")

    d.h1("3. A berendezés és a kezelőszervek")
    d.p("A főablak bal oldalán a mikroszkóp kerek látómezeje látható a két gördítősávval, mellette a "
        "termosztát és a hőmérő oszlopa, jobb oldalon pedig egymás alatt a befecskendezés, a stopperóra, "
        "a feszültségforrás és a kilépés panelje.")

    d.h2("3.1. A mérőmikroszkóp és a látómező")
    d.p("A mikroszkóp fekete, kör alakú látómezejében a cseppek kis sárga pontokként látszanak. A képen "
        "**1~képpont 1~µm-nek** felel meg a kamrában. A cseppek csak akkor látszanak, ha a látómező "
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
        "0,000 és 0,400~mm között (középen 0,200~mm). A csúszkát jobbra (lefelé) tolva a cseppek a képen "
        "jobbra (lefelé) mozdulnak el.")

    d.h2("3.2. Befecskendezés")
    d.p("A **„Befecskendezés”** gomb 100 új olajcseppet porlaszt a kamrába; az előző cseppek eltűnnek. "
        "A cseppek sugara véletlenszerű, kb. 0,5 és 1,5~µm közötti. A porlasztáskor a legtöbb csepp "
        "néhány elemi töltésnyi pozitív töltést kap, némelyik egyet sem. A cseppek a látómező környékén, "
        "kb. 0,8~mm széles és 0,8~mm magas tartományban jelennek meg, és nyugalomból indulnak.")
    d.p("A porlasztás a levegőt is megmozgatja: a befecskendezés után a levegő a cseppeket **balra "
        "sodorja**. Ez a sodródás kezdetben 0,5~mm/s, és 0,5~s időállandóval gyorsan csillapodik; a "
        "cseppek összesen kb. 0,25~mm-t tolódnak balra. 2–3~s múlva már alig érezhető, 10~s múlva pedig "
        "teljesen megszűnik. A befecskendezés a látómezőt is a kamra közepére állítja vissza, "
        "és a gördítősávokat is középre (0,200~mm) állítja.")

    d.h2("3.3. A feszültségforrás")
    d.p("A **„Feszültség”** panel a kondenzátor tápegysége. A lemezek távolsága //d//~=~1~cm, így "
        "//U// feszültség //E//~=~//U/////d// térerősséget hoz létre a lemezek között (500~V-nál "
        "50~000~V/m-t).")
    d.bullet("**Feszültségmező:** ide írod be a feszültség nagyságát voltban, egész számként, 0 és "
             "1000~V között. Az 1000-nél nagyobb értékből 1000, a negatívból 0 lesz, az érvénytelen "
             "bevitelt a program figyelmen kívül hagyja. A mező melletti **léptetőgombok** 2~V-onként "
             "léptetnek 0 és 995~V között.")
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
        "100~°C között (tizedespont használható, például 35.5; a mező az értéket két tizedesjegyre "
        "formázza). A léptetőgombok egész fokonként léptetnek. A panel hőmérője (0–100~°C-os skála) a "
        "kamra levegőjének **pillanatnyi** hőmérsékletét mutatja. Induláskor a kamra 20~°C-os.")
    d.p("A levegő nem veszi fel azonnal a beállított hőmérsékletet, hanem 10~s időállandóval, "
        "exponenciálisan közelít hozzá: 10~s alatt a változás 63%-a, 30~s alatt 95%-a, 50~s alatt kb. "
        "99%-a zajlik le. A hőmérséklettel változik a levegő viszkozitása és sűrűsége, ezért a cseppek "
        "sebessége is (lásd a 4. és az 5. fejezetet).")
    d.note("A befecskendezés a kamra hőmérsékletét nem változtatja meg: ha éppen kiegyenlítődés "
           "zajlik, az a befecskendezés után ugyanúgy folytatódik.")

    d.h2("3.5. Stopperóra")
    d.p("A **„Stopperóra”** panel kijelzője perc:másodperc,tized alakban mutatja a mért időt (például "
        "01:15,3 = 1~perc 15,3~s). A **„Start/Reset”** gomb nulláról indítja az órát (futás közben "
        "megnyomva nulláról újraindítja), a **„Stop”** gomb megállítja, és a kijelző az utolsó értéket "
        "mutatja tovább. A kijelző a tizedmásodpercnél kisebb részt elhagyja (nem kerekít), így egy "
        "leolvasás legfeljebb 0,1~s-mal kevesebb a valódi időnél; ehhez jön még a reakcióidőd.")
    d.note("A stopperóra a **szimuláció saját idejét** méri (szimulált másodpercekben). A szimuláció a "
           "valós időnél kissé lassabban (legfeljebb a valós sebesség 10/11 részével), terhelt gépen "
           "még lassabban fut, és **áll**, amíg egy menü vagy egy párbeszédablak (például a Névjegy) "
           "nyitva van. Az időt ezért mindig a program stopperórájával mérd, ne a saját órádon.")

    d.h2("3.6. Menü és kilépés")
    d.bullet("A **„Vége”** menüpont, a kilépés panel **„Vége”** gombja vagy az ablak bezárása: a program "
             "befejezése.")
    d.bullet("**„Súgó”** menü: **„Névjegy”** – a program adatai (amíg az ablak nyitva van, a szimuláció "
             "áll); **„Leírás”** – ezt a leírást nyitja meg; **„Nyelv…”** – a feliratok nyelvének "
             "kiválasztása.")

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
        ["az olaj sűrűsége", "ρ_{olaj}", "870~kg/m^{3}"],
        ["nehézségi gyorsulás", "//g//", "9,81~m/s^{2}"],
        ["a levegő sűrűsége", "ρ_{levegő}", "1,293~kg/m^{3}~×~273~K~/~//T//"],
        ["a levegő viszkozitása", "η", "1,689·10^{−6}~×~√//T//~−~1,047·10^{−5}~Pa·s"],
        ["abszolút hőmérséklet", "//T//", "//t//~(°C)~+~273, kelvinben"],
        ["a lemezek távolsága", "//d//", "1~cm~=~0,01~m"],
        ["elemi töltés (ellenőrzéshez)", "//e//", "1,602·10^{−19}~C"],
        ["képpont / osztás a mikroszkópban", "–", "1~képpont~=~1~µm, 1~osztás~=~10~µm"],
    ], [3200, 1100, 4600], align=["l", "c", "l"])
    d.p("20~°C-on (//T//~=~293~K): η~=~1,844·10^{−5}~Pa·s, ρ_{levegő}~=~1,205~kg/m^{3}, "
        "ρ_{olaj}~−~ρ_{levegő}~=~868,8~kg/m^{3}.")
    d.table([
        ["//t// (°C)", "//T// (K)", "η (Pa·s)", "ρ_{levegő} (kg/m^{3})"],
        ["0", "273", "1,744·10^{−5}", "1,293"],
        ["20", "293", "1,844·10^{−5}", "1,205"],
        ["50", "323", "1,989·10^{−5}", "1,093"],
        ["100", "373", "2,215·10^{−5}", "0,946"],
    ], [1500, 1500, 2400, 2400], align=["c", "c", "c", "c"])
    d.p("A levegő viszkozitása tehát a hőmérséklettel nő (0 és 100~°C között 27%-kal), a sűrűsége "
        "csökken.")

    d.h1("5. Stokes-törvény és határsebesség")
    d.p("Egy //r// sugarú gömbre, amely η viszkozitású közegben //v// sebességgel mozog, "
        "//F//~=~6~π~η~//r v// fékezőerő hat (Stokes-törvény). A csepp addig gyorsul, amíg a fékezőerő "
        "ki nem egyenlíti a többi erő eredőjét; ezután állandó, ún. **határsebességgel** mozog. "
        "Mikrométeres cseppeknél ez kb. 10~µs alatt bekövetkezik, ezért a cseppek a feszültség minden "
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
        ["0,5", "25,6", "46,0", "−20,4", "−66,3", "−112,3"],
        ["1,0", "101,6", "22,8", "78,8", "56,0", "33,2"],
        ["1,5", "225,6", "15,0", "210,6", "195,6", "180,6"],
    ], [1000, 1500, 2100, 1400, 1400, 1400], align=["c"] * 6)
    d.p("Egy 1~µm sugarú csepp kikapcsolt tápegységnél tehát kb. 102~µm/s-mal (102~képpont/s) emelkedik "
        "a képen, és egyetlen elemi töltés 500~V-nál kb. 23~µm/s-mal változtatja meg a sebességét. A "
        "képletből 20~°C-ra //v//_{0}~=~102,7~µm/s adódik; a program által mutatott sebességek a "
        "képletbelinél legfeljebb 1–2%-kal (a legnagyobb cseppeknél) kisebbek, ami a stopperes "
        "időmérés pontossága alatt marad.")
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
          "megszűnik (legalább 3~s, pontos méréshez 10~s).")
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
        "legfeljebb 1000~V-ot ad, ezért a kb. 1,1~µm-nél nagyobb cseppek nem lebegtethetők; ezekre a "
        "b) módszert használd. Lebegtető feszültségek 20~°C-on:")
    d.table([
        ["//r// (µm)", "1~//e//", "2~//e//", "3~//e//"],
        ["0,5", "279~V", "139~V", "93~V"],
        ["0,6", "481~V", "241~V", "160~V"],
        ["0,7", "764~V", "382~V", "255~V"],
        ["0,8", "> 1000~V", "570~V", "380~V"],
        ["1,0", "> 1000~V", "> 1000~V", "743~V"],
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
    d.p("A mérés 20~°C-on történt (η~=~1,844·10^{−5}~Pa·s, ρ_{olaj}~−~ρ_{levegő}~=~868,8~kg/m^{3}). "
        "Az alábbi számok a programban ténylegesen előálló értékek.")
    d.p("**A sugár.** Kikapcsolt tápegységnél a kiválasztott csepp 30~osztást (300~µm) tett meg a képen "
        "felfelé; a stopperóra 00:06,0-t mutatott. Így //v//_{0}~=~300~µm~/~6,0~s~=~50,0~µm/s~=~"
        "5,00·10^{−5}~m/s, és")
    d.formula("//r//~=~√(9~·~1,844·10^{−5}~·~5,00·10^{−5}~/~(2~·~868,8~·~9,81))~m~=~"
              "√(4,868·10^{−13})~m~=~6,98·10^{−7}~m~≈~0,70~µm.")
    d.p("A csepp térfogata (4/3)~π~//r//^{3}~=~1,423·10^{−18}~m^{3}, a látszólagos súlya:")
    d.formula("(4/3)~π~//r//^{3}~(ρ_{olaj}~−~ρ_{levegő})~//g//~=~"
              "1,423·10^{−18}~m^{3}~·~868,8~kg/m^{3}~·~9,81~m/s^{2}~=~1,213·10^{−14}~N.")
    d.p("**a) Lebegtetés.** Fordított polaritásnál a csepp 382~V-nál gyakorlatilag megállt (381~V-nál "
        "percenként kb. 9~µm-t emelkedett, 383~V-nál kb. 6~µm-t süllyedt a képen). A töltés:")
    d.formula("//q//~=~1,213·10^{−14}~N~·~0,01~m~/~382~V~=~3,17·10^{−19}~C~≈~1,98~//e//.")
    d.p("A töltés tehát 2 elemi töltés, és ebből //e//~≈~3,17·10^{−19}~C~/~2~=~1,59·10^{−19}~C.")
    d.p("**b) Időmérés.** Fordított polaritásnál, 500~V-tal a csepp a képen lefelé mozgott, és 10~osztást "
        "(100~µm) 00:06,4 alatt tett meg: //v//_{1}~=~100~µm~/~6,4~s~=~15,6~µm/s (pozitív, mert lefelé "
        "mozog). Mivel 6~π~η~//r//~=~2,425·10^{−10}~N·s/m,")
    d.formula("//q//~=~2,425·10^{−10}~N·s/m~·~(50,0~+~15,6)·10^{−6}~m/s~·~0,01~m~/~500~V~=~"
              "3,18·10^{−19}~C~≈~1,99~//e//.")
    d.p("A két módszer egyezik: a csepp töltése 2~//e//. Összehasonlításként: pozitív polaritásnál, "
        "500~V-tal ugyanez a csepp 115,6~µm/s-mal emelkedne a képen.")
    d.p("**Egy 1~µm sugarú csepp** kikapcsolt tápegységnél kb. 101,6~µm/s-mal (102~képpont/s) "
        "emelkedik: 20~osztást már 2,0~s alatt megtesz, ezért a nagy cseppek sebességét hosszabb úton "
        "érdemes mérni. Ha egy elemi töltése van, 500~V-nál a sebessége kb. 22,8~µm/s-mal változik: "
        "fordított polaritásnál 78,8, pozitív polaritásnál 124,4~µm/s lesz.")

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
          "hasonlítsd össze az 1,602·10^{−19}~C értékkel.")
    d.num("2.", "**A két módszer összehasonlítása.** Mérd meg ugyanannak a cseppnek a töltését "
          "lebegtetéssel és időméréssel is. Melyik pontosabb, és miért?")
    d.num("3.", "**A hőmérséklet hatása.** Lebegtess egy cseppet 20~°C-on, mérd meg //v//_{0}-t, majd "
          "állítsd a termosztátot 80~°C-ra, és várd meg, amíg a hőmérő oszlopa megáll. Kell-e "
          "változtatni a lebegtető feszültségen? Mérd meg újra //v//_{0}-t! Magyarázd meg, miért "
          "változik a sebesség, és miért alig a lebegtető feszültség. (Útmutatás: 1~µm-es csepp "
          "//v//_{0} értéke a programban 0~°C-on 107,4, 20~°C-on 101,6, 50~°C-on 94,3, 100~°C-on "
          "84,8~µm/s.) Mekkora hibát okozna, ha a számításban a 20~°C-hoz tartozó viszkozitást "
          "használnád?")
    d.num("4.", "**A sodródás.** Közvetlenül a befecskendezés után figyeld a cseppeket a vízszintes "
          "osztásokon. Mennyit és mennyi idő alatt tolódnak el balra? Becsüld meg a sodródás "
          "időállandóját! Miért kell a sodródás csillapodását (kb. 10~s) megvárni a sebesség mérése "
          "előtt, és mi lenne a mérés hibája, ha az első másodpercben mérnél?")
    d.num("5.", "**A lebegtethetőség határa.** Számítsd ki, mekkora a legnagyobb sugár, amelynél egy "
          "1, 2, illetve 3 elemi töltésű csepp még lebegtethető 1000~V-tal! (Eredmény: kb. 0,77, 0,96 "
          "és 1,10~µm.)")

    d.h2("Jegyzőkönyv-minta")
    d.table([
        ["Csepp", "//N// (osztás)", "//t//_{0} (s)", "//v//_{0} (µm/s)", "//r// (µm)",
         "//U// (V)", "//v//_{1} (µm/s)", "//q// (10^{−19}~C)", "//q/////e//"],
    ] + [[str(i), "", "", "", "", "", "", "", ""] for i in range(1, 7)],
        [900, 1000, 850, 1050, 850, 850, 1050, 1250, 700], align=["c"] * 9)
