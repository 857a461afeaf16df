#!/usr/bin/env python3
"""Writes report/PdfFontWidths.cpp: the advance widths (1/1000 em) of the characters the PDF
reports can set in Helvetica and Helvetica-Bold, taken from the metric-compatible Liberation Sans
(Debian's fonts-liberation2). Run it again only when the character set below changes:
    scripts/generate_pdf_font_widths.py > report/PdfFontWidths.cpp
    clang-format -i report/PdfFontWidths.cpp
and give report/PdfFontWidths.h the arrays' new sizes."""
import struct
import sys

FONTS = "/usr/share/fonts/truetype/liberation2/LiberationSans-{}.ttf"

# The single-byte encoding: WinAnsiEncoding, with the unused codes given to the Hungarian double
# acute letters and the minus sign. (code, Unicode, glyph name or None where WinAnsi names it.)
EXTRA = [(0x81, 0x0150, "Ohungarumlaut"), (0x8D, 0x0151, "ohungarumlaut"),
         (0x8F, 0x0170, "Uhungarumlaut"), (0x90, 0x0171, "uhungarumlaut"),
         (0x9D, 0x2212, "minus")]
WIN_ANSI_HIGH = {0x80: 0x20AC, 0x82: 0x201A, 0x83: 0x0192, 0x84: 0x201E, 0x85: 0x2026,
                 0x86: 0x2020, 0x87: 0x2021, 0x88: 0x02C6, 0x89: 0x2030, 0x8A: 0x0160,
                 0x8B: 0x2039, 0x8C: 0x0152, 0x8E: 0x017D, 0x91: 0x2018, 0x92: 0x2019,
                 0x93: 0x201C, 0x94: 0x201D, 0x95: 0x2022, 0x96: 0x2013, 0x97: 0x2014,
                 0x98: 0x02DC, 0x99: 0x2122, 0x9A: 0x0161, 0x9B: 0x203A, 0x9C: 0x0153,
                 0x9E: 0x017E, 0x9F: 0x0178}


def table(font, tag):
    count = struct.unpack(">H", font[4:6])[0]
    for i in range(count):
        name, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
        if name == tag:
            return font[offset:offset + length]
    sys.exit(f"no {tag} table")


def advances(path):
    """Unicode -> advance width in 1/1000 em."""
    font = open(path, "rb").read()
    units = struct.unpack(">H", table(font, b"head")[18:20])[0]
    metrics = struct.unpack(">H", table(font, b"hhea")[34:36])[0]
    hmtx = table(font, b"hmtx")
    widths = [struct.unpack(">H", hmtx[4 * g:4 * g + 2])[0] for g in range(metrics)]
    cmap = table(font, b"cmap")
    glyphs = {}
    for i in range(struct.unpack(">H", cmap[2:4])[0]):
        platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * i:12 + 8 * i])
        if (platform, encoding) != (3, 1) or struct.unpack(">H", cmap[offset:offset + 2])[0] != 4:
            continue
        sub = cmap[offset:]
        segments = struct.unpack(">H", sub[6:8])[0] // 2
        ends = struct.unpack(f">{segments}H", sub[14:14 + 2 * segments])
        base = 16 + 2 * segments
        starts = struct.unpack(f">{segments}H", sub[base:base + 2 * segments])
        deltas = struct.unpack(f">{segments}h", sub[base + 2 * segments:base + 4 * segments])
        ranges_at = base + 4 * segments
        ranges = struct.unpack(f">{segments}H", sub[ranges_at:ranges_at + 2 * segments])
        for s in range(segments):
            for c in range(starts[s], ends[s] + 1):
                if c == 0xFFFF:
                    continue
                if ranges[s] == 0:
                    g = (c + deltas[s]) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + ranges[s] + 2 * (c - starts[s])
                    g = struct.unpack(">H", sub[at:at + 2])[0]
                    if g:
                        g = (g + deltas[s]) & 0xFFFF
                if g:
                    glyphs[c] = g
    return lambda c: round(widths[min(glyphs[c], metrics - 1)] * 1000 / units)


def main():
    regular, bold = advances(FONTS.format("Regular")), advances(FONTS.format("Bold"))
    codes = [(c, c) for c in range(32, 127)] + [(c, u) for c, u in WIN_ANSI_HIGH.items()]
    codes += [(c, u) for c, u, _ in EXTRA] + [(c, c) for c in range(0xA0, 0x100)]
    codes.sort()
    out = ["// Written by scripts/generate_pdf_font_widths.py from Liberation Sans; do not edit.",
           '#include "report/PdfFontWidths.h"', "", "namespace Pdf {", "",
           "const std::array<EncodedCharacter, {}> EncodedCharacters = {{{{".format(len(codes))]
    for code, uni in codes:
        out.append(f"    {{0x{uni:04X}, 0x{code:02X}, {regular(uni)}, {bold(uni)}}},")
    out += ["}};", "", "const std::array<ExtraGlyphName, {}> ExtraGlyphNames = {{{{".format(len(EXTRA))]
    for code, _, name in EXTRA:
        out.append(f'    {{0x{code:02X}, "{name}"}},')
    out += ["}};", "", "} // namespace Pdf", ""]
    sys.stdout.write("\n".join(out))


main()
