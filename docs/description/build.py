"""Writes the program's bilingual laboratory guide from hu.py and en.py and the figures they quote.

    python3 docs/description/build.py           writes the three files below
    python3 docs/description/build.py --check   exits 1 when a committed file is not what the
                                                generator writes (edited by hand, or stale)

dist/TESSILAR.rtf and dist/TESSILAR.html are the guide (Hungarian half, then English half), shipped
beside the program; docs/description/figures.tsv records every figure the guide prints from the
physics, which tests/model/test_guide_figures.cpp checks against the model.
"""
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


def render(doc):
    hu.write(doc, figures.Printer(figures.FIGURES, "hu"))
    doc.page()
    en.write(doc, figures.Printer(figures.FIGURES, "en"))
    return doc.render(TITLE)


def outputs():
    """Each generated file's path and bytes."""
    rtf = render(rtflib.Doc())
    rtf.encode("ascii")  # every non-ASCII character must be escaped
    return {
        ROOT / "dist" / "TESSILAR.rtf": rtf.replace("\n", "\r\n").encode("ascii"),
        ROOT / "dist" / "TESSILAR.html": render(htmllib.Doc()).encode("utf-8"),
        HERE / "figures.tsv": figures.FIGURES.table().encode("utf-8"),
    }


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
