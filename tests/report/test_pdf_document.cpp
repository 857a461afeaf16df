// The PDF writer: well-formed files, the text read back as written, and text widths that place
// right-aligned text where it should end.

#include "report/PdfDocument.h"
#include "tests/report/PdfText.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

/// Lines of text that need every font the writer has: ASCII, Latin-1 with the letters of every
/// shipped language, the Hungarian double acute letters, the WinAnsi punctuation, the minus and
/// the extra glyphs.
const std::vector<std::string> Lines = {
    "Olajcsepp-kísérlet – mérési jegyzőkönyv",
    "ŐSZI ŰRHAJÓ őszi űrhajó áéíóöúü ÁÉÍÓÖÚÜ",
    "Öltröpfchenversuch: Größe, Maß, Übung – äöüß ÄÖÜ",
    "Expérience : cœur Œuvre éèêëàâçîïôûùÿ « É È Ç »",
    "¿Gotitas? ¡Sí! año Ñandú ÁÍÓÚ",
    "e = 1.594 ± 0.012 × 10⁻¹⁹ C, −0.5 %",
    "Sebesség (µm/s) 20.00 °C “idézet” „alsó” Export CSV…",
    "12 ⚡",
    "(brackets) and \\backslash",
};

std::string WrittenLines(Pdf::Weight weight) {
    Pdf::Document pdf({"Próba – ő ű ⚡", "Tessilar", "Tessilar test", {2026, 12, 8, 14, 5}});
    double baseline = 100;
    for (const std::string& line : Lines) {
        pdf.Text(60, baseline, line, weight, 12);
        baseline += 20;
    }
    pdf.Line(60, 300, 400, 300, 0.5, {0, 0, 255, 90}, true);
    pdf.FillRectangle(60, 320, 50, 20, {0, 128, 128});
    pdf.NewPage();
    pdf.Text(60, 100, "second page", weight, 10);
    return pdf.Bytes();
}

} // namespace

TEST(PdfDocument, IsWellFormedAndGivesItsTextBack) {
    for (Pdf::Weight weight : {Pdf::Weight::Regular, Pdf::Weight::Bold}) {
        const std::string bytes = WrittenLines(weight);
        // Every cross-reference entry points at its object, and startxref at the table.
        const std::size_t xref = bytes.rfind("\nxref\n") + 1;
        const std::size_t start = bytes.find("startxref\n") + 10;
        EXPECT_EQ(std::stoul(bytes.substr(start)), xref);
        std::istringstream table(bytes.substr(xref));
        std::string word;
        int first = 0, count = 0;
        table >> word >> first >> count;
        ASSERT_GT(count, 10);
        std::string offset, generation, kind;
        table >> offset >> generation >> kind; // the free entry
        for (int object = 1; object < count; ++object) {
            table >> offset >> generation >> kind;
            EXPECT_EQ(bytes.substr(std::stoul(offset), std::to_string(object).size() + 6),
                      std::to_string(object) + " 0 obj")
                << "object " << object;
        }

        const PdfText::File file(bytes, "document");
        bool ok = false;
        const std::string info = PdfText::Run("pdfinfo " + file.Path(), &ok);
        ASSERT_TRUE(ok) << info;
        const auto pages = info.find("Pages:");
        ASSERT_NE(pages, std::string::npos) << info;
        EXPECT_EQ(std::stoi(info.substr(pages + 6)), 2) << info;
        EXPECT_NE(info.find("Próba – ő ű ⚡"), std::string::npos) << info;
        EXPECT_NE(info.find("Creator:         Tessilar"), std::string::npos) << info;
        EXPECT_NE(info.find("Producer:        Tessilar test"), std::string::npos) << info;
        if (!PdfText::Run("command -v qpdf").empty()) {
            const std::string check = PdfText::Run("qpdf --check " + file.Path() + " 2>&1", &ok);
            EXPECT_TRUE(ok) << check;
        }

        const std::string text =
            PdfText::Run("pdftotext -f 1 -l 1 -enc UTF-8 " + file.Path() + " -", &ok);
        ASSERT_TRUE(ok);
        for (const std::string& line : Lines)
            EXPECT_NE(text.find(line + "\n"), std::string::npos) << line << " not in:\n" << text;
    }
}

TEST(PdfDocument, RightAlignedTextEndsAtItsEdge) {
    constexpr double Edge = 500; ///< points from the left
    // Each line right-aligned at the edge, then its right end as poppler places its glyphs.
    struct Case {
        std::string Text;
        Pdf::Weight Weight;
        double Size;
    };
    const std::vector<Case> cases = {
        {"Töltés (10⁻¹⁹ C)", Pdf::Weight::Bold, 8}, {"4.835", Pdf::Weight::Regular, 8},
        {"emelkedés", Pdf::Weight::Regular, 11},    {"Hőmérséklet (°C)", Pdf::Weight::Bold, 14},
        {"őŰ ⚡ W–m", Pdf::Weight::Regular, 20},
    };
    Pdf::Document pdf({"widths", "Tessilar", "Tessilar", {}});
    double baseline = 80;
    for (const Case& c : cases) {
        pdf.Text(Edge - Pdf::TextWidth(c.Text, c.Weight, c.Size), baseline, c.Text, c.Weight,
                 c.Size);
        baseline += 40;
    }
    const PdfText::File file(pdf.Bytes(), "widths");
    const std::string boxes = PdfText::Run("pdftotext -bbox-layout " + file.Path() + " -");
    // Each <line xMin="…" yMin="…" xMax="…" …>: the right end of one line of text.
    std::vector<double> ends;
    for (auto at = boxes.find("<line xMin="); at != std::string::npos;
         at = boxes.find("<line xMin=", at + 1)) {
        const auto right = boxes.find("xMax=\"", at);
        ASSERT_NE(right, std::string::npos) << boxes;
        ends.push_back(std::stod(boxes.substr(right + 6)));
    }
    ASSERT_EQ(ends.size(), cases.size()) << boxes;
    for (std::size_t i = 0; i < ends.size(); ++i)
        EXPECT_NEAR(ends[i], Edge, 0.05) << cases[i].Text;
}

TEST(PdfDocument, TextWidthsAreHelveticas) {
    // Helvetica's own advances (1/1000 em) from its metrics, at 10 points.
    const std::vector<std::tuple<std::string, Pdf::Weight, double>> cases = {
        {"A", Pdf::Weight::Regular, 6.67}, {"A", Pdf::Weight::Bold, 7.22},
        {"ő", Pdf::Weight::Regular, 5.56}, {"Ű", Pdf::Weight::Bold, 7.22},
        {"–", Pdf::Weight::Regular, 5.56}, {"W", Pdf::Weight::Regular, 9.44},
        {"", Pdf::Weight::Regular, 0},     {"\xff", Pdf::Weight::Regular, 5.56}, // shown as "?"
    };
    for (const auto& [text, weight, width] : cases)
        EXPECT_NEAR(Pdf::TextWidth(text, weight, 10), width, 1e-9) << text;
}
