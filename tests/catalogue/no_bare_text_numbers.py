#!/usr/bin/env python3
"""Every catalogue text the code of either edition names goes by its name (catalogue/TextNumbers.h
and the page's constants generated from it), never by a bare number: a number typed twice drifts.

    no_bare_text_numbers.py SOURCE_ROOT

Prints each place that hands a catalogue lookup a number and fails when there is one."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
# The calls that look a text up by number, in the C++ and in the TypeScript of both editions.
lookup = re.compile(
    r"\b(GetText|TitleWithIdentifier|catalogueText|filledText|title|Text|Spoken)\(\s*\d"
    r"|\.Caption\s*=\s*\d|\bcaption:\s*\d")
folders = ["app", "ui", "model", "catalogue", "notebook", "report", "design", "lab", "web/src",
           "web/core"]
found = []
for folder in folders:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in {".cpp", ".h", ".ts"} or "generated" in path.parts:
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if lookup.search(line):
                found.append(f"{path.relative_to(root)}:{number}: {line.strip()}")
for place in found:
    print(place)
if found:
    print(f"{len(found)} catalogue lookups by bare number: name them in catalogue/TextNumbers.h")
    sys.exit(1)
print("every catalogue lookup names its text")
