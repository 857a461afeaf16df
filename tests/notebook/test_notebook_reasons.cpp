// Why a notebook cannot be read, in the language of the catalogue: every kind of fault, with its
// line, read from a file as the window and the report commands read it.
#include "catalogue/TextCatalogue.h"
#include "notebook/NotebookCsv.h"
#include "notebook/NotebookFile.h"
#include "notebook/NotebookReasons.h"
#include "tests/catalogue/TempFolder.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

const std::string Header = std::string(Notebook::FirstCsvHeader) + "\r\n";
const std::string Row = "1,30,300,5.0,fall,0,20,,,\r\n";
const std::string NewHeader = std::string(Notebook::CsvHeader) + "\r\n";

struct Reason {
    std::string text; ///< the file's bytes; empty for no file at all
    const char* english;
    const char* hungarian;
};

} // namespace

TEST(NotebookReasons, EveryReasonAndItsLineAreInTheCataloguesLanguage) {
    const Reason reasons[] = {
        {std::string(Notebook::LongestNotebook + 1, 'a'),
         "the file is longer than 4 MB, too long for a notebook",
         "a fájl hosszabb 4 MB-nál, jegyzőfüzetnek túl hosszú"},
        {Header + Row + "2,30,300,5.0,fall,0,20\xE9\r\n", "line 3: the file is not UTF-8 text",
         "3. sor: a fájl nem UTF-8 kódolású szöveg"},
        {"\xEF\xBB\xBF", "line 1: the header row is missing", "1. sor: hiányzik a fejléc sora"},
        {"droplet,ticks\r\n", "line 1: the header row is not droplet,ticks,distance_um,",
         "1. sor: a fejléc sora nem ez: droplet,ticks,distance_um,"},
        {Header + "1,30,\"300,5\r\n", "line 2: a quoted cell is never closed",
         "2. sor: egy idézőjeles cella nincs lezárva"},
        {Header + Row + "1,30\r\n", "line 3: the row has 2 cells instead of 10",
         "3. sor: a sorban 10 helyett 2 cella van"},
        {Header + "0,30,300,5.0,fall,0,20,,,\r\n",
         "line 2: the droplet is not a number from 1 to 999999: \"0\"",
         "2. sor: a csepp száma nem 1 és 999999 közötti szám: \"0\""},
        {Header + "1,-3,300,5.0,fall,0,20,,,\r\n",
         "line 2: the ticks are not a whole number from 0 to 1000: \"-3\"",
         "2. sor: az osztás nem 0 és 1000 közötti egész szám: \"-3\""},
        // No more ticks than the notebook's table takes.
        {Header + Row + "1,1000000,10000000,5.0,fall,0,20,,,\r\n",
         "line 3: the ticks are not a whole number from 0 to 1000: \"1000000\"",
         "3. sor: az osztás nem 0 és 1000 közötti egész szám: \"1000000\""},
        {Header + Row + Row + "1,30,300,five,fall,0,20,,,\r\n",
         "line 4: the time is not a number of seconds: \"five\"",
         "4. sor: az idő nem másodpercben megadott szám: \"five\""},
        {Header + "1,30,300,5.0,esés,0,20,,,\r\n",
         "line 2: the direction is not fall, rise or balanced: \"esés\"",
         "2. sor: az irány nem fall, rise vagy balanced: \"esés\""},
        {Header + "1,30,300,5.0,fall,1e999,20,,,\r\n", "line 2: the voltage is not a number",
         "2. sor: a feszültség nem szám"},
        {Header + "1,30,300,5.0,fall,0,warm,,,\r\n", "line 2: the temperature is not a number",
         "2. sor: a hőmérséklet nem szám"},
        {NewHeader + "1,30,300,5.0,fall,0,20,,,,anna,0,,\r\n",
         "line 2: the spray is not a whole number from 1 to 999: \"0\"",
         "2. sor: a befecskendezés sorszáma nem 1 és 999 közötti egész szám: \"0\""},
        {NewHeader + "1,30,300,5.0,fall,0,20,,,,anna,1,-1,\r\n",
         "line 2: the bursts are not a whole number from 0 to 999: \"-1\"",
         "2. sor: az ionizálások száma nem 0 és 999 közötti egész szám: \"-1\""},
        {NewHeader + "1,30,300,5.0,fall,0,20,,,,,,,120\r\n",
         "line 2: the pressure is not a number from 1 to 110 kPa: \"120\"",
         "2. sor: a nyomás nem 1 és 110 kPa közötti szám: \"120\""},
        {NewHeader + Row, "line 2: the row has 10 cells instead of 14",
         "2. sor: a sorban 14 helyett 10 cella van"},
        {{}, "there is no such file or folder", "nincs ilyen fájl vagy mappa"},
    };
    TempFolder folder;
    for (const char* language : {"English", "Magyar"}) {
        Data::OpenTextCatalogue(std::string(TESSILAR_DIST_DIR) + "/" + language + "/Tessilar.ini");
        int n = 0;
        for (const Reason& reason : reasons) {
            const std::string name = "notebook-" + std::to_string(n++) + ".csv";
            const std::string path = reason.text.empty() ? folder.Dir() + "missing.csv"
                                                         : folder.Write(name, reason.text);
            QString problem;
            EXPECT_FALSE(Notebook::Read(QString::fromStdString(path), &problem));
            const std::string expected =
                std::string(language) == "English" ? reason.english : reason.hungarian;
            EXPECT_TRUE(problem.toStdString().starts_with(expected))
                << language << ": " << problem.toStdString() << "\n  wanted: " << expected;
        }
        // A file or folder fault has no line.
        EXPECT_EQ(Notebook::Describe(Notebook::FileFault::NoNotebooks).find("%"),
                  std::string::npos);
        Data::CloseTextCatalogue();
    }
    // An argument that holds a place of its own stays as it is.
    EXPECT_EQ(Data::FillPlaces("%2 and %1, %3 %", {"%2", "b"}), "b and %2, %3 %");
}
