#!/usr/bin/env python3
"""Gives each entry of a PO file made from a Tessilar catalogue a translator's comment: the
text's number and name, where the program shows it, and the width of the control it captions
where that is fixed; and gives the file's header the program's name and the language. Used by
scripts/translations.sh.

    po_comments.py FILE.po [LANGUAGE_CODE]

Where a text shows comes from the program's own tables: the grouped names of catalogue/TextNumbers.h
(the table the page's constants are generated from) and the window designs in design/*.cpp.
"""
import pathlib
import re
import sys

import polib

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


def notes(entry, number, places, widths):
    name, heading = places.get(number, ("", "the program"))
    found = [f"Text {number} ({name}): {heading[0].lower()}{heading[1:]}." if name else
             f"Text {number}."]
    if number in widths:
        found.append(f"It captions a control {widths[number]} pixels wide: keep the translation "
                     "within it (the captions test names any control a text overruns).")
    if "&" in entry.msgid.replace("&&", ""):
        found.append('"&" marks the keyboard letter; give the translation one too, no two alike '
                     "in one window or menu.")
    if re.search(r"%\d", entry.msgid):
        found.append("%1, %2, ... are filled in by the program: keep every one.")
    return "\n".join(found)


def main(path, language=""):
    places = text_places()
    widths = control_widths(places)
    po = polib.pofile(path)
    po.metadata["Project-Id-Version"] = "Tessilar"
    if language:
        po.metadata["Language"] = language
    for entry in po:
        found = re.search(r"S(\d{4})", " ".join(f for f, _ in entry.occurrences))
        if found:
            entry.comment = notes(entry, int(found.group(1)), places, widths)
    po.save(path)
    print(f"{path}: {sum(1 for e in po if e.msgid)} texts, {len(po.translated_entries())} translated")


if __name__ == "__main__":
    main(*sys.argv[1:3])
