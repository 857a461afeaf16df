"""Turns the guide into one HTML page (UTF-8), with the same calls as rtflib.Doc.

The page suits both a web browser and Qt's text browser, which the program uses when the system
cannot open the RTF document: plain HTML 4 elements, table borders as attributes, and a style
sheet of the few properties Qt's rich text understands. Inline markup as in rtflib: **bold**,
//italic//, ^{superscript}, _{subscript}, ~ non-breaking space.
"""
import html
import re

LANGUAGES = {1038: ("hu", "Magyar"), 2057: ("en", "English"), 1031: ("de", "Deutsch"),
             1036: ("fr", "Français"), 3082: ("es", "Español")}

STYLE = """
body { font-family: 'Liberation Serif', 'Times New Roman', serif; font-size: 12pt; }
h1, h2, .title, .subtitle, .languages, .contents {
  font-family: 'Liberation Sans', Arial, sans-serif; color: #000080; }
.title { font-size: 22pt; font-weight: bold; text-align: center; margin-bottom: 4px; }
.subtitle { font-size: 13pt; color: #008080; text-align: center; margin-bottom: 18px; }
h1 { font-size: 16pt; margin-top: 20px; }
h2 { font-size: 13pt; margin-top: 14px; }
.formula { margin-left: 40px; }
.step { margin-left: 30px; text-indent: -18px; }
.languages { text-align: center; font-size: 13pt; }
.contents { font-size: 10pt; }
table.grid { border-collapse: collapse; margin-left: auto; margin-right: auto; }
table.grid th { background-color: #dce8dc; }
table.note { border-collapse: collapse; border-color: #008080; margin-left: 14px;
  margin-right: 14px; }
"""


def inline(s):
    """HTML for a text with inline markup."""
    # Let long formulas wrap after "=" and "≈", as the RTF does.
    s = s.replace("~=~", "~= ").replace("~≈~", "~≈ ")
    out = []
    bold = italic = False
    closers = []
    i = 0
    while i < len(s):
        if s.startswith("**", i):
            bold = not bold
            out.append("<b>" if bold else "</b>")
            i += 2
        elif s.startswith("//", i):
            italic = not italic
            out.append("<i>" if italic else "</i>")
            i += 2
        elif s.startswith("^{", i) or s.startswith("_{", i):
            tag = "sup" if s[i] == "^" else "sub"
            out.append("<%s>" % tag)
            closers.append("</%s>" % tag)
            i += 2
        elif s[i] == "}":
            assert closers, s
            out.append(closers.pop())
            i += 1
        elif s[i] in "\\{":
            raise ValueError("stray markup character in: " + s)
        elif s[i] == "~":
            out.append("&nbsp;")
            i += 1
        else:
            out.append(html.escape(s[i], quote=False))
            i += 1
    assert not bold and not italic and not closers, s
    return "".join(out)


def plain(s):
    """The text without markup, for the table of contents and the title."""
    s = re.sub(r"\*\*|//|[\^_]\{|\}", "", s)
    return html.escape(s.replace("~", "\u00a0"), quote=False)


class Doc:
    def __init__(self):
        self.halves = []  # (code, name, parts, contents)
        self.list_open = False

    def _add(self, element):
        self._close_list()
        self.halves[-1][2].append(element)

    def _close_list(self):
        if self.list_open:
            self.halves[-1][2].append("</ul>")
            self.list_open = False

    def set_lang(self, lang):
        if self.halves:
            self._close_list()
        code, name = LANGUAGES[lang]
        self.halves.append((code, name, [], []))

    def title(self, s):
        code = self.halves[-1][0]
        self._add('<a name="%s"></a><p class="title">%s</p>' % (code, inline(s)))

    def subtitle(self, s):
        self._add('<p class="subtitle">%s</p>' % inline(s))

    def h1(self, s):
        code, _, parts, contents = self.halves[-1]
        anchor = "%s-%d" % (code, len(contents) + 1)
        contents.append((anchor, s))
        self._add('<h1><a name="%s"></a>%s</h1>' % (anchor, inline(s)))

    def h2(self, s):
        self._add("<h2>%s</h2>" % inline(s))

    def p(self, s):
        self._add("<p>%s</p>" % inline(s))

    def note(self, s):
        self._add('<table class="note" border="1" cellpadding="8" cellspacing="0" width="95%%">'
                  "<tr><td>%s</td></tr></table>" % inline(s))

    def formula(self, s):
        self._add('<p class="formula">%s</p>' % inline(s))

    def bullet(self, s):
        if not self.list_open:
            self._add("<ul>")
            self.list_open = True
        self.halves[-1][2].append("<li>%s</li>" % inline(s))

    def num(self, n, s):
        self._add('<p class="step"><b>%s</b>&nbsp;&nbsp;%s</p>' % (html.escape(n), inline(s)))

    def table(self, rows, widths, header=True, align=None):
        """rows: lists of cell texts; widths in twips (kept as proportions); align per column."""
        align = align or ["l"] * len(widths)
        total = sum(widths)
        lines = ['<table class="grid" border="1" cellpadding="4" cellspacing="0">']
        for ri, row in enumerate(rows):
            cells = []
            for ci, c in enumerate(row):
                hdr = header and ri == 0
                where = {"l": "left", "c": "center", "r": "right"}["c" if hdr else align[ci]]
                width = ' width="%d%%"' % round(100 * widths[ci] / total) if ri == 0 else ""
                tag = "th" if hdr else "td"
                text = inline(c) or "&nbsp;"
                cells.append('<%s align="%s"%s>%s</%s>' % (tag, where, width, text, tag))
            lines.append("<tr>%s</tr>" % "".join(cells))
        lines.append("</table>")
        self._add("\n".join(lines))

    def page(self):
        self._close_list()

    def render(self, info_title):
        self._close_list()
        links = " &nbsp;·&nbsp; ".join('<a href="#%s">%s</a>' % (code, name)
                                       for code, name, _, _ in self.halves)
        columns = []
        for code, name, _, contents in self.halves:
            entries = "<br>\n".join('<a href="#%s">%s</a>' % (anchor, plain(s))
                                    for anchor, s in contents)
            columns.append('<td valign="top" width="50%%" lang="%s">%s</td>' % (code, entries))
        out = [
            "<!DOCTYPE html>",
            '<html lang="%s">' % self.halves[0][0],
            "<head>",
            '<meta charset="utf-8">',
            "<title>%s</title>" % plain(info_title),
            "<style>%s</style>" % STYLE,
            "</head>",
            "<body>",
            '<p class="languages">%s</p>' % links,
            '<table class="contents" width="100%%" cellpadding="6"><tr>%s</tr></table>'
            % "".join(columns),
        ]
        for i, (code, _, parts, _) in enumerate(self.halves):
            out.append("<hr>")
            out.append('<div lang="%s">' % code)
            out.extend(parts)
            out.append("</div>")
        out += ["</body>", "</html>"]
        return "\n".join(out) + "\n"
