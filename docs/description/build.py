"""Writes dist/TESSILAR.rtf, the program's bilingual laboratory guide, from hu.py and en.py.

    python3 docs/description/build.py
"""
import pathlib

import en
import hu
import rtflib

d = rtflib.Doc()
hu.write(d)
d.page()
en.write(d)
out = d.render("Tessilar – laboratóriumi útmutató / laboratory guide")
out.encode("ascii")  # every non-ASCII character must be escaped
target = pathlib.Path(__file__).resolve().parents[2] / "dist" / "TESSILAR.rtf"
target.write_text(out, newline="\r\n")
print(f"{target}: {len(out)} characters")
