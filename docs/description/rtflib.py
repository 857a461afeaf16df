import re

# Throwaway helper: turns a small marked-up document into RTF 1.x (code page 1250).
# Inline markup: **bold**, //italic//, ^{superscript}, _{subscript}.

HU_LETTERS = set("áéíóöőúüűÁÉÍÓÖŐÚÜŰ")


def esc_text(s):
    """Returns a list of (rtf, breakable) tokens for plain text with inline markup."""
    # Let long formulas wrap after "=" and "≈"; keep a unit and its Hungarian suffix together.
    s = s.replace("~=~", "~= ").replace("~≈~", "~≈ ")
    s = re.sub(r"((?:\d|~)(?:µm/s|µm|mm/s|mm|V/m|V|%|°C|s|képpont/s|e))-", "\\1\u2011", s)
    out = []
    bold = italic = False
    depth = 0
    i = 0
    while i < len(s):
        c = s[i]
        if s.startswith("**", i):
            bold = not bold
            out.append(("\\b " if bold else "\\b0 ", False))
            i += 2
            continue
        if s.startswith("//", i):
            italic = not italic
            out.append(("\\i " if italic else "\\i0 ", False))
            i += 2
            continue
        if s.startswith("^{", i):
            out.append(("{\\super ", False))
            depth += 1
            i += 2
            continue
        if s.startswith("_{", i):
            out.append(("{\\sub ", False))
            depth += 1
            i += 2
            continue
        if c == "}":
            assert depth > 0, s
            depth -= 1
            out.append(("}", False))
            i += 1
            continue
        if c in "\\{":
            raise ValueError("stray markup character in: " + s)
        if c == "\u2011":
            out.append(("\\_", False))
            i += 1
            continue
        if c == "~":
            out.append(("\\~", False))
        elif c == " ":
            out.append((" ", True))
        elif ord(c) < 128:
            out.append((c, False))
        elif c in HU_LETTERS:
            out.append(("\\'%02x" % c.encode("cp1250")[0], False))
        elif c == "\u00a0":
            out.append(("\\~", False))
        else:
            out.append(("\\u%d?" % ord(c), False))
        i += 1
    assert not bold and not italic and depth == 0, s
    return out


def wrap(tokens, width=100):
    lines, cur = [], ""
    for t, brk in tokens:
        cur += t
        if brk and len(cur) >= width:
            lines.append(cur)
            cur = ""
    lines.append(cur)
    return "\n".join(lines)


def text(s):
    return wrap(esc_text(s))


class Doc:
    def __init__(self):
        self.parts = []
        self.lang = 1038
        self.first_lang = None  # the document's own language: the first it is written in

    def raw(self, r):
        self.parts.append(r)

    def set_lang(self, lang):
        self.lang = lang
        if self.first_lang is None:
            self.first_lang = lang

    def _para(self, fmt, chars, s):
        self.parts.append("\\pard\\plain%s\\lang%d%s %s\\par" % (fmt, self.lang, chars, text(s)))

    def title(self, s):
        self._para("\\qc\\sb0\\sa120\\keepn", "\\f1\\fs48\\b\\cf2", s)

    def subtitle(self, s):
        self._para("\\qc\\sa360\\keepn", "\\f1\\fs28\\cf3", s)

    def h1(self, s):
        self._para("\\sb360\\sa120\\keepn\\keep", "\\f1\\fs32\\b\\cf2", s)

    def h2(self, s):
        self._para("\\sb240\\sa80\\keepn\\keep", "\\f1\\fs24\\b\\cf2", s)

    def p(self, s):
        # A paragraph that introduces a formula or a list stays on the page with it.
        keep = "\\keepn" if s.rstrip().endswith((":", "and", "és", "is", "gives")) else ""
        self._para("\\ql\\sa120\\sl276\\slmult1" + keep, "\\f0\\fs22", s)

    def note(self, s):
        self._para("\\ql\\keep\\sa120\\li284\\ri284\\box\\brdrs\\brdrw10\\brsp80\\brdrcf3", "\\f0\\fs22", s)

    def formula(self, s):
        self._para("\\li851\\sb60\\sa120\\keep", "\\f0\\fs24", s)

    def bullet(self, s):
        self._para("\\ql\\fi-284\\li567\\sa80\\sl264\\slmult1", "\\f0\\fs22", "\u2022\t" + s)

    def num(self, n, s):
        self._para("\\ql\\fi-340\\li624\\sa80\\sl264\\slmult1", "\\f0\\fs22", "%s\t%s" % (n, s))

    def table(self, rows, widths, header=True, align=None):
        """rows: lists of cell texts; widths in twips; align: per column 'l', 'c' or 'r'."""
        align = align or ["l"] * len(widths)
        for ri, row in enumerate(rows):
            hdr = header and ri == 0
            r = ["\\trowd\\trgaph85\\trleft0\\trqc\\trkeep"]
            if hdr:
                r.append("\\trhdr")
            x = 0
            for w in widths:
                x += w
                r.append("\\clvertalc")
                for side in "tlbr":
                    r.append("\\clbrdr%s\\brdrs\\brdrw10" % side)
                if hdr:
                    r.append("\\clcbpat4")
                r.append("\\cellx%d" % x)
            self.parts.append("".join(r))
            cells = []
            for ci, c in enumerate(row):
                q = {"l": "\\ql", "c": "\\qc", "r": "\\qr"}[align[ci] if not hdr else "c"]
                b = "\\b" if hdr else ""
                k = "\\keepn" if ri < len(rows) - 1 else ""
                cells.append("\\pard\\plain\\intbl%s%s\\sb40\\sa40\\lang%d\\f0\\fs20%s %s\\cell"
                             % (q, k, self.lang, b, text(c)))
            self.parts.append("\n".join(cells) + "\n\\row")
        self.parts.append("\\pard\\plain\\sa120\\f0\\fs22\\par")

    def page(self):
        self.parts.append("\\page")

    def render(self, info_title):
        head = [
            "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang%d\\uc1" % (self.first_lang or 1038),
            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset238 Times New Roman;}"
            "{\\f1\\fswiss\\fprq2\\fcharset238 Arial;}}",
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue128;"
            "\\red220\\green232\\blue220;}",
            "{\\info{\\title %s}}" % text(info_title),
            "\\paperw11906\\paperh16838\\margl1304\\margr1304\\margt1134\\margb1134"
            "\\widowctrl\\ftnbj\\sectd\\pgncont",
            "{\\footer\\pard\\plain\\qc\\f1\\fs16\\cf3 Tessilar \\endash  \\chpgn\\par}",
        ]
        return "\n".join(head + self.parts) + "\n}\n"
