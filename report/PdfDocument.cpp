#include "report/PdfDocument.h"

#include "report/PdfFontWidths.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>

namespace Pdf {

namespace {

/// Where a character is set: a code of the Helvetica encoding or of the extra glyphs' font.
struct Placed {
    bool Extra = false;
    std::uint8_t Code = '?';
};

/// A superscript is the base font's glyph at this size, raised.
constexpr int SuperscriptScale = 600; ///< 1/1000 of the font size
constexpr int SuperscriptRise = 330;  ///< 1/1000 em
constexpr char32_t Bolt = 0x26A1;
constexpr int BoltWidth = 620; ///< 1/1000 em

/// The characters of the extra glyphs' font: the high voltage sign, then superscripts, each the
/// character of the base font it is drawn with.
struct ExtraGlyph {
    char32_t Unicode;
    char32_t Base; ///< 0 for the bolt
};
constexpr ExtraGlyph ExtraGlyphs[] = {
    {Bolt, 0},      {0x2070, U'0'}, {0x2074, U'4'}, {0x2075, U'5'}, {0x2076, U'6'},
    {0x2077, U'7'}, {0x2078, U'8'}, {0x2079, U'9'}, {0x207A, U'+'}, {0x207B, 0x2212}};
constexpr std::uint8_t FirstExtraCode = 0x21;

const EncodedCharacter* Encoded(char32_t c) {
    const auto found = std::find_if(EncodedCharacters.begin(), EncodedCharacters.end(),
                                    [c](const EncodedCharacter& e) { return e.Unicode == c; });
    return found == EncodedCharacters.end() ? nullptr : &*found;
}

int Advance(const EncodedCharacter& e, Weight weight) {
    return weight == Weight::Bold ? e.Bold : e.Regular;
}

Placed Place(char32_t c) {
    if (const EncodedCharacter* e = Encoded(c)) return {false, e->Code};
    for (std::size_t i = 0; i < std::size(ExtraGlyphs); ++i)
        if (ExtraGlyphs[i].Unicode == c)
            return {true, static_cast<std::uint8_t>(FirstExtraCode + i)};
    return {}; // a character no font here has: a question mark
}

int ExtraAdvance(const ExtraGlyph& glyph, Weight weight) {
    if (glyph.Base == 0) return BoltWidth;
    return Advance(*Encoded(glyph.Base), weight) * SuperscriptScale / 1000;
}

int AdvanceOf(Placed placed, Weight weight) {
    if (placed.Extra) return ExtraAdvance(ExtraGlyphs[placed.Code - FirstExtraCode], weight);
    for (const EncodedCharacter& e : EncodedCharacters)
        if (e.Code == placed.Code) return Advance(e, weight);
    return 0;
}

/// A number as PDF writes it: fixed, at most three decimals, without depending on the locale.
std::string Number(double value) {
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -1e7, 1e7);
    const long long thousandths = std::llround(value * 1000);
    const long long size = thousandths < 0 ? -thousandths : thousandths;
    std::string text = (thousandths < 0 ? "-" : "") + std::to_string(size / 1000);
    if (const long long fraction = size % 1000; fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 3 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

std::string Hex4(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}

/// A text string of the information dictionary: UTF-16BE with its byte order mark.
std::string TextString(std::string_view utf8) {
    std::string hex = "<FEFF";
    for (char32_t c : DecodeUtf8(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            hex += Hex4(0xD800 + static_cast<unsigned>(c >> 10)) +
                   Hex4(0xDC00 + static_cast<unsigned>(c & 0x3FF));
        } else {
            hex += Hex4(static_cast<unsigned>(c));
        }
    }
    return hex + ">";
}

std::string ColourOperands(Colour c) {
    const auto channel = [](int v) { return Number(std::clamp(v, 0, 255) / 255.0); };
    return channel(c.Red) + " " + channel(c.Green) + " " + channel(c.Blue);
}

std::string Two(int value) {
    value = std::clamp(value, 0, 99);
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

std::string PdfDate(const DateTime& t) {
    return "(D:" + std::to_string(std::clamp(t.Year, 1000, 9999)) + Two(t.Month) + Two(t.Day) +
           Two(t.Hour) + Two(t.Minute) + "00)";
}

std::string Stream(const std::string& content) {
    return "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
           "\nendstream";
}

/// The ToUnicode map of a font: each code to its character.
std::string UnicodeMap(const std::vector<std::pair<std::uint8_t, char32_t>>& codes) {
    std::string map = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Tessilar-UCS def /CMapType 2 def\n"
                      "1 begincodespacerange <00> <FF> endcodespacerange\n";
    for (std::size_t at = 0; at < codes.size(); at += 100) {
        const std::size_t count = std::min<std::size_t>(100, codes.size() - at);
        map += std::to_string(count) + " beginbfchar\n";
        for (std::size_t i = at; i < at + count; ++i)
            map += "<" + Hex4(codes[i].first).substr(2) + "> <" +
                   Hex4(static_cast<unsigned>(codes[i].second)) + ">\n";
        map += "endbfchar\n";
    }
    return map + "endcmap CMapName currentdict /CMap defineresource pop end end";
}

std::string EscapedCode(std::uint8_t code) {
    if (code == '(' || code == ')' || code == '\\') return std::string("\\") + char(code);
    if (code >= 32 && code < 127) return std::string(1, static_cast<char>(code));
    std::string octal = "\\";
    for (int shift = 6; shift >= 0; shift -= 3)
        octal += static_cast<char>('0' + ((code >> shift) & 7));
    return octal;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        int length = byte < 0x80         ? 1
                     : (byte >> 5) == 6  ? 2
                     : (byte >> 4) == 14 ? 3
                     : (byte >> 3) == 30 ? 4
                                         : 0;
        char32_t c = length == 1   ? byte
                     : length == 2 ? byte & 0x1F
                     : length == 3 ? byte & 0x0F
                                   : byte & 0x07;
        bool good = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; good && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        good = good && c >= Least[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        out += good ? c : char32_t{0xFFFD};
        i += good ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

double TextWidth(std::string_view text, Weight weight, double size) {
    long long units = 0;
    for (char32_t c : DecodeUtf8(text))
        units += AdvanceOf(Place(c), weight);
    return static_cast<double>(units) * size / 1000;
}

Document::Document(DocumentInfo info) : info_(std::move(info)) {}

void Document::NewPage() {
    pages_.emplace_back();
}

std::string& Document::Content() {
    if (pages_.empty()) NewPage();
    return pages_.back();
}

std::string Document::Opacity(int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    auto [at, added] = alphas_.emplace(alpha, "A" + std::to_string(alpha));
    return "/" + at->second + " gs\n";
}

void Document::Text(double x, double baseline, std::string_view text, Weight weight, double size,
                    Colour colour) {
    if (text.empty()) return;
    std::string& out = Content();
    const bool bold = weight == Weight::Bold;
    out += "q\n" + (colour.Alpha < 255 ? Opacity(colour.Alpha) : "") + ColourOperands(colour) +
           " rg\nBT\n1 0 0 1 " + Number(x) + " " + Number(PageHeight - baseline) + " Tm\n";
    std::optional<bool> extra; // the font of the run being written
    for (char32_t c : DecodeUtf8(text)) {
        const Placed placed = Place(c);
        if (extra != placed.Extra) {
            if (extra) out += ") Tj\n";
            out += std::string(placed.Extra ? (bold ? "/X2 " : "/X1 ") : (bold ? "/F2 " : "/F1 ")) +
                   Number(size) + " Tf (";
            extra = placed.Extra;
        }
        out += EscapedCode(placed.Code);
    }
    out += ") Tj\nET\nQ\n";
}

void Document::Line(double x1, double y1, double x2, double y2, double width, Colour colour,
                    bool dashed) {
    std::string& out = Content();
    out += "q\n" + (colour.Alpha < 255 ? Opacity(colour.Alpha) : "") + ColourOperands(colour) +
           " RG " + Number(width) + " w " + (dashed ? "[3 2] 0 d " : "") + Number(x1) + " " +
           Number(PageHeight - y1) + " m " + Number(x2) + " " + Number(PageHeight - y2) +
           " l S\nQ\n";
}

void Document::FillRectangle(double x, double y, double width, double height, Colour colour) {
    std::string& out = Content();
    out += "q\n" + (colour.Alpha < 255 ? Opacity(colour.Alpha) : "") + ColourOperands(colour) +
           " rg " + Number(x) + " " + Number(PageHeight - y - height) + " " + Number(width) + " " +
           Number(height) + " re f\nQ\n";
}

std::string Document::Bytes() const {
    // The fixed objects, then two per page (the page and its content).
    enum : int {
        Catalog = 1,
        PageTree,
        Info,
        Resources,
        Helvetica,
        HelveticaBold,
        ExtraRegular,
        ExtraBold,
        TextUnicode,
        ExtraUnicode,
        GlyphsStart
    };
    const int glyphCount = static_cast<int>(std::size(ExtraGlyphs));
    const int firstPage = GlyphsStart + 2 * glyphCount;
    std::vector<std::string> objects(static_cast<std::size_t>(firstPage - 1));
    const auto set = [&](int number, std::string body) {
        objects[static_cast<std::size_t>(number - 1)] = std::move(body);
    };
    const auto ref = [](int number) { return std::to_string(number) + " 0 R"; };
    const int pageCount = std::max(1, PageCount());

    set(Catalog, "<< /Type /Catalog /Pages " + ref(PageTree) + " >>");
    std::string kids;
    for (int p = 0; p < pageCount; ++p)
        kids += ref(firstPage + 2 * p) + " ";
    set(PageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) +
                      " /MediaBox [0 0 " + Number(PageWidth) + " " + Number(PageHeight) + "] >>");
    set(Info, "<< /Title " + TextString(info_.Title) + " /Creator " + TextString(info_.Creator) +
                  " /Producer " + TextString(info_.Producer) + " /CreationDate " +
                  PdfDate(info_.Created) + " >>");
    std::string states;
    for (const auto& [alpha, name] : alphas_)
        states += "/" + name + " << /CA " + Number(alpha / 255.0) + " /ca " +
                  Number(alpha / 255.0) + " >> ";
    set(Resources, "<< /Font << /F1 " + ref(Helvetica) + " /F2 " + ref(HelveticaBold) + " /X1 " +
                       ref(ExtraRegular) + " /X2 " + ref(ExtraBold) + " >> /ExtGState << " +
                       states + ">> >>");

    std::string differences;
    for (const ExtraGlyphName& g : ExtraGlyphNames)
        differences += std::to_string(g.Code) + " /" + g.Name + " ";
    std::vector<std::pair<std::uint8_t, char32_t>> textCodes;
    for (const EncodedCharacter& e : EncodedCharacters)
        textCodes.emplace_back(e.Code, e.Unicode);
    std::sort(textCodes.begin(), textCodes.end());
    for (const auto& [number, weight, name] :
         {std::tuple<int, Weight, const char*>{Helvetica, Weight::Regular, "Helvetica"},
          std::tuple<int, Weight, const char*>{HelveticaBold, Weight::Bold, "Helvetica-Bold"}}) {
        std::string widths;
        for (int code = 32; code <= 255; ++code)
            widths +=
                std::to_string(AdvanceOf({false, static_cast<std::uint8_t>(code)}, weight)) + " ";
        set(number,
            std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + name +
                " /Encoding << /Type /Encoding /BaseEncoding /WinAnsiEncoding /Differences [" +
                differences + "] >> /FirstChar 32 /LastChar 255 /Widths [" + widths +
                "] /ToUnicode " + ref(TextUnicode) + " >>");
    }
    set(TextUnicode, Stream(UnicodeMap(textCodes)));

    std::vector<std::pair<std::uint8_t, char32_t>> extraCodes;
    for (int g = 0; g < glyphCount; ++g)
        extraCodes.emplace_back(static_cast<std::uint8_t>(FirstExtraCode + g),
                                ExtraGlyphs[g].Unicode);
    set(ExtraUnicode, Stream(UnicodeMap(extraCodes)));
    for (const auto& [number, weight, base, first] :
         {std::tuple<int, Weight, int, int>{ExtraRegular, Weight::Regular, Helvetica, GlyphsStart},
          std::tuple<int, Weight, int, int>{ExtraBold, Weight::Bold, HelveticaBold,
                                            GlyphsStart + glyphCount}}) {
        std::string procs, names, widths;
        for (int g = 0; g < glyphCount; ++g) {
            const ExtraGlyph& glyph = ExtraGlyphs[g];
            const int advance = ExtraAdvance(glyph, weight);
            std::string drawing = std::to_string(advance) + " 0 -50 -50 " +
                                  std::to_string(advance + 50) + " 800 d1\n";
            if (glyph.Base == 0) // a lightning bolt
                drawing += "330 720 m 120 300 l 290 300 l 190 -30 l 480 400 l 310 400 l 450 720 l "
                           "h f";
            else
                drawing += "BT /B " + std::to_string(SuperscriptScale) + " Tf 0 " +
                           std::to_string(SuperscriptRise) + " Td (" +
                           EscapedCode(Place(glyph.Base).Code) + ") Tj ET";
            set(first + g, Stream(drawing));
            names += "/g" + std::to_string(g) + " ";
            procs += "/g" + std::to_string(g) + " " + ref(first + g) + " ";
            widths += std::to_string(advance) + " ";
        }
        set(number, "<< /Type /Font /Subtype /Type3 /FontBBox [-50 -50 1000 800] "
                    "/FontMatrix [0.001 0 0 0.001 0 0] /CharProcs << " +
                        procs + ">> /Encoding << /Type /Encoding /Differences [" +
                        std::to_string(FirstExtraCode) + " " + names + "] >> /FirstChar " +
                        std::to_string(FirstExtraCode) + " /LastChar " +
                        std::to_string(FirstExtraCode + glyphCount - 1) + " /Widths [" + widths +
                        "] /Resources << /Font << /B " + ref(base) + " >> >> /ToUnicode " +
                        ref(ExtraUnicode) + " >>");
    }
    for (int p = 0; p < pageCount; ++p) {
        const int page = firstPage + 2 * p;
        objects.push_back("<< /Type /Page /Parent " + ref(PageTree) + " /Resources " +
                          ref(Resources) + " /Contents " + ref(page + 1) + " >>");
        objects.push_back(Stream(p < PageCount() ? pages_[static_cast<std::size_t>(p)] : ""));
    }

    std::string file = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(file.size());
        file += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = file.size();
    file += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        std::string digits = std::to_string(offset);
        file += std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits +
                " 00000 n \n";
    }
    file += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root " + ref(Catalog) +
            " /Info " + ref(Info) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return file;
}

} // namespace Pdf
