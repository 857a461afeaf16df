#pragma once
// The characters the reports set in the standard Helvetica fonts, with their single-byte codes
// and advance widths (1/1000 em), from the generated table in PdfFontWidths.cpp.

#include <array>
#include <cstdint>

namespace Pdf {

/// One character of the fonts' encoding: WinAnsiEncoding with a few unused codes given over.
struct EncodedCharacter {
    char32_t Unicode;
    std::uint8_t Code;
    std::uint16_t Regular; ///< Helvetica's advance, 1/1000 em
    std::uint16_t Bold;    ///< Helvetica-Bold's advance, 1/1000 em
};

/// The glyph names of the codes that differ from WinAnsiEncoding.
struct ExtraGlyphName {
    std::uint8_t Code;
    const char* Name;
};

extern const std::array<EncodedCharacter, 223> EncodedCharacters;
extern const std::array<ExtraGlyphName, 5> ExtraGlyphNames;

} // namespace Pdf
