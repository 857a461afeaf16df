#!/usr/bin/env python3
"""A Tessilar text catalogue as a gettext PO file and back, with python3-polib, so that Poedit,
Weblate or any PO editor can be used. Used by scripts/translations.sh.

    catalogue_po.py export ENGLISH CATALOGUE OUT.po [LANGUAGE_CODE]
    catalogue_po.py import ENGLISH IN.po OUT.ini HEADING_CATALOGUE

Export: one entry per text of the English catalogue, the English text its source, its key (S0015)
its context, the catalogue's translation (none where CATALOGUE is not there), and as the
translator's comment the text's number and name, where the program shows it and the width of the
control it captions where that is fixed, from the program's own tables: the grouped names of
catalogue/TextNumbers.h and the window designs in design/*.cpp.

Import: the catalogue of the PO file's translations in the English catalogue's order, headed as
HEADING_CATALOGUE is (a language not there yet by the name of OUT.ini's folder); an untranslated
or fuzzy entry gives an empty text, which scripts/check-catalogues.py refuses.

(translate-toolkit's ini2po reads " ;" inside a text as the start of a comment and cuts French
texts short, which a no-break space before ";" needs; the catalogue is read here as the program
reads it.)
"""
import pathlib
import re
import sys

import polib

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import catalogue  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]


def text_places():
    """Each text number's name and the heading of its group in catalogue/TextNumbers.h."""
    places, heading = {}, "the program"
    for line in (ROOT / "catalogue" / "TextNumbers.h").read_text(encoding="utf-8").splitlines():
        comment = re.match(r"^// (.+)\.$", line)
        if comment:
            heading = comment.group(1)
        constant = re.match(r"^inline constexpr int (\w+) = (\d+);", line)
        if constant:
            places[int(constant.group(2))] = (constant.group(1), heading)
    return places


def control_widths(places):
    """The width in pixels of each control of fixed width that a text captions (design/*.cpp)."""
    numbers = {name: number for number, (name, _) in places.items()}
    widths = {}
    for design in sorted((ROOT / "design").glob("*.cpp")):
        for row in design.read_text(encoding="utf-8").splitlines():
            caption = re.search(r"\.Caption = Texts::(\w+)", row)
            width = re.search(r"\.Width = +(\d+)", row)
            if caption and width and caption.group(1) in numbers:
                widths[numbers[caption.group(1)]] = int(width.group(1))
    return widths


def notes(number, source, places, widths):
    name, heading = places.get(number, ("", "the program"))
    found = [f"Text {number} ({name}): {heading[0].lower()}{heading[1:]}." if name else
             f"Text {number}."]
    if number in widths:
        found.append(f"It captions a control {widths[number]} pixels wide: keep the translation "
                     "within it (the captions test names any control a text overruns).")
    if "&" in source.replace("&&", ""):
        found.append('"&" marks the keyboard letter; give the translation one too, no two alike '
                     "in one window or menu.")
    if re.search(r"%\d", source):
        found.append("%1, %2, ... are filled in by the program: keep every one.")
    return "\n".join(found)


def export(english_path, catalogue_path, po_path, language=""):
    english = catalogue.read(pathlib.Path(english_path)).texts
    path = pathlib.Path(catalogue_path)
    translated = catalogue.read(path).texts if path.is_file() else {}
    places = text_places()
    widths = control_widths(places)
    po = polib.POFile(wrapwidth=78)
    po.header = (f"Tessilar's texts for {path.parent.name}/Tessilar.ini, English the source.\n"
                 "scripts/translations.sh import writes the catalogue back from this file.")
    po.metadata = {
        "Project-Id-Version": "Tessilar",
        "PO-Revision-Date": "YEAR-MO-DA HO:MI+ZONE",
        "Last-Translator": "FULL NAME <EMAIL@ADDRESS>",
        "Language-Team": "LANGUAGE <LL@li.org>",
        "Language": language,
        "MIME-Version": "1.0",
        "Content-Type": "text/plain; charset=UTF-8",
        "Content-Transfer-Encoding": "8bit",
    }
    for number, source in english.items():
        po.append(polib.POEntry(msgctxt=f"S{number:04d}", msgid=source,
                                msgstr=translated.get(number, ""),
                                comment=notes(number, source, places, widths)))
    po.save(po_path)
    print(f"{po_path}: {len(po)} texts, {len(po.translated_entries())} translated")


def import_(english_path, po_path, out_path, heading_path):
    english = catalogue.read(pathlib.Path(english_path))
    given = {}
    for entry in polib.pofile(po_path):
        key = re.fullmatch(r"S(\d{4})", entry.msgctxt or "")
        if key and entry.translated():  # neither empty nor fuzzy
            given[int(key.group(1))] = entry.msgstr
    # A language not there yet says whose it is (its folder's name), then what English says.
    heading_file = pathlib.Path(heading_path)
    heading = (catalogue.read(heading_file).heading if heading_file.is_file() else
               [f"; Tessilar text catalogue: {pathlib.Path(out_path).parent.name}."] +
               english.heading[1:])
    catalogue.write(pathlib.Path(out_path), heading,
                    {number: given.get(number, "") for number in english.texts})


def main(argv):
    if len(argv) >= 5 and argv[1] == "export":
        export(*argv[2:6])
    elif len(argv) == 6 and argv[1] == "import":
        import_(*argv[2:6])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
