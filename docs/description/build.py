"""Writes the program's laboratory guides (the bilingual one from hu.py and en.py, and one each from
de.py, fr.py and es.py) and the figures they quote.

    python3 docs/description/build.py           writes the files below
    python3 docs/description/build.py --check   exits 1 when a committed file is not what the
                                                generator writes (edited by hand, or stale)

dist/TESSILAR.rtf and dist/TESSILAR.html are the guide (Hungarian half, then English half), shipped
beside the program, and dist/<language folder>/TESSILAR.rtf and .html the guide of each language
that has one of its own (de.py, fr.py, es.py); docs/description/figures.tsv records every figure
the guides print from the physics, which tests/model/test_guide_figures.cpp checks against the
model.
"""
import importlib
import pathlib
import sys

import en
import figures
import htmllib
import hu
import rtflib

TITLE = "Tessilar – laboratóriumi útmutató / laboratory guide"
HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]


# The languages whose guide is a document of their own, in their catalogue's folder: the
# module's name (its language code) and the folder. The document's title is the catalogue's
# title of the guide's window (text 611).
OWN_GUIDES = [("de", "Deutsch"), ("fr", "Français"), ("es", "Español")]


def guide_title(folder):
    for line in (ROOT / "dist" / folder / "Tessilar.ini").read_text(encoding="utf-8").splitlines():
        if line.startswith("S0611="):
            return line[len("S0611="):]
    raise SystemExit(f"dist/{folder}/Tessilar.ini has no title of the guide (S0611)")


def render(doc):
    hu.write(doc, figures.Printer(figures.FIGURES, "hu"))
    doc.page()
    en.write(doc, figures.Printer(figures.FIGURES, "en"))
    return doc.render(TITLE)


def render_one(doc, code, title):
    importlib.import_module(code).write(doc, figures.Printer(figures.FIGURES, code))
    return doc.render(title)


def rtf_bytes(rtf):
    rtf.encode("ascii")  # every non-ASCII character must be escaped
    return rtf.replace("\n", "\r\n").encode("ascii")


def outputs():
    """Each generated file's path and bytes."""
    files = {
        ROOT / "dist" / "TESSILAR.rtf": rtf_bytes(render(rtflib.Doc())),
        ROOT / "dist" / "TESSILAR.html": render(htmllib.Doc()).encode("utf-8"),
    }
    for code, folder in OWN_GUIDES:
        title = guide_title(folder)
        files[ROOT / "dist" / folder / "TESSILAR.rtf"] = rtf_bytes(
            render_one(rtflib.Doc(), code, title))
        files[ROOT / "dist" / folder / "TESSILAR.html"] = render_one(
            htmllib.Doc(), code, title).encode("utf-8")
    files[HERE / "figures.tsv"] = figures.FIGURES.table().encode("utf-8")
    return files


def main(argv):
    if argv[1:] == ["--check"]:
        stale = [path for path, data in outputs().items()
                 if not path.is_file() or path.read_bytes() != data]
        for path in stale:
            print(f"{path.relative_to(ROOT)} is not what {pathlib.Path(__file__).name} writes: "
                  "run python3 docs/description/build.py and commit the result")
        return 1 if stale else 0
    if argv[1:]:
        print(__doc__)
        return 2
    for path, data in outputs().items():
        path.write_bytes(data)
        print(f"{path.relative_to(ROOT)}: {len(data)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
