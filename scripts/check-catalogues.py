#!/usr/bin/env python3
"""Checks that every shipped text catalogue is whole, against the English one.

    scripts/check-catalogues.py [DIST_FOLDER [CATALOGUE...]]

DIST_FOLDER is dist/ of the repository unless given; CATALOGUE files, when given, are checked
against its English catalogue instead of its own.

Every catalogue in a language folder of DIST_FOLDER, and the program folder's own, must be valid
UTF-8 and hold every text of English/Tessilar.ini and no other, each translated (not empty), with
the same places (%1, %2, ...) and a keyboard mnemonic ("&" before a letter) exactly where the
English text has one, no two of them on one letter within a window or a menu, and nothing else in
its [General] section. Exits 1 and names each fault otherwise.
"""
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "lib"))
import catalogue  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[1]
CATALOGUE = "Tessilar.ini"
# The texts that share a window or a menu, so that Alt with a letter reaches one of them only.
KEY_GROUPS = {
    "main window and its menu bar": (4, 5, 11, 12, 13, 20),
    "Help menu": (17, 18, 762),
    "Measurement menu": (21, 22, 23, 751),
    "teacher's settings": (772, 773, 774, 779, 780, 781),
}


def mnemonic(text):
    """The marked letter, lower case, or None; "&&" is an ampersand."""
    plain = text.replace("&&", "")
    at = plain.find("&")
    return plain[at + 1].lower() if 0 <= at < len(plain) - 1 else None


def places(text):
    return sorted(set(re.findall(r"%\d", text)))


def check(path, english):
    try:
        read = catalogue.read(path)
    except UnicodeDecodeError as error:
        return [f"not UTF-8: {error}"]
    mine, faults = read.texts, list(read.strays)
    for n, source in english.items():
        if n not in mine:
            faults.append(f"S{n:04d} is missing")
            continue
        text = mine[n]
        if not text.strip():
            faults.append(f"S{n:04d} is not translated: {source}")
            continue
        if places(text) != places(source):
            faults.append(f"S{n:04d} has the places {places(text)}, not {places(source)}")
        if (mnemonic(source) is None) != (mnemonic(text) is None):
            faults.append(f"S{n:04d} {'lacks a' if mnemonic(text) is None else 'has a'} mnemonic: {text}")
    for n in sorted(set(mine) - set(english)):
        faults.append(f"S{n:04d} is no text of the English catalogue")
    for group, numbers in KEY_GROUPS.items():
        keys = [mnemonic(mine.get(n, "")) for n in numbers]
        letters = [k for k in keys if k]
        if len(letters) != len(set(letters)):
            faults.append(f"two texts of the {group} share a mnemonic: {keys}")
    return faults


def main(argv):
    dist = pathlib.Path(argv[1]) if len(argv) > 1 else ROOT / "dist"
    english = catalogue.read(dist / "English" / CATALOGUE).texts
    catalogues = [pathlib.Path(name) for name in argv[2:]] or (
        [dist / CATALOGUE] + sorted(dist.glob(f"*/{CATALOGUE}")))
    failed = False
    # A text that gains a mnemonic must be put with its window's or menu's other texts above.
    grouped = {n for numbers in KEY_GROUPS.values() for n in numbers}
    for n, source in english.items():
        if mnemonic(source) and n not in grouped:
            failed = True
            print(f"S{n:04d} has a mnemonic but is in no window or menu of KEY_GROUPS: {source}")
    for path in catalogues:
        faults = check(path, english)
        name = path.relative_to(dist) if path.is_relative_to(dist) else path
        if faults:
            failed = True
            print(f"{name}:")
            for fault in faults:
                print(f"  {fault}")
        else:
            print(f"{name}: whole ({len(english)} texts)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
