"""A Tessilar text catalogue (Tessilar.ini) read as the program reads it: comment lines (";" first),
the [General] section of texts, one per line as S0001=text, the text running to the line's end
whatever it holds (a ";" too: French sets one after a no-break space), and other sections for a
teacher's settings. Used by scripts/check-catalogues.py and scripts/lib/catalogue_po.py.
"""
import re


class Catalogue:
    """The catalogue's heading (its comment lines before the first section), its texts by number in
    the file's order, and the lines of [General] that are no text (a translation broken over two
    lines)."""

    def __init__(self, heading, texts, strays):
        self.heading, self.texts, self.strays = heading, texts, strays


def read(path):
    """Raises UnicodeDecodeError for a file that is no UTF-8."""
    heading, texts, strays, section = [], {}, [], None
    for number, line in enumerate(path.read_bytes().decode("utf-8").splitlines(), 1):
        text = re.match(r"^S(\d{4})=(.*)$", line)
        if section is None and line.startswith(";"):
            heading.append(line)
        elif re.match(r"^\[.*\]$", line.strip()):
            section = line.strip()
        elif text and section == "[General]":
            texts[int(text.group(1))] = text.group(2)
        elif section == "[General]" and line.strip() and not line.startswith(";"):
            strays.append(f"line {number} is no text: {line}")
    return Catalogue(heading, texts, strays)


def write(path, heading, texts):
    """The catalogue with its heading and texts, as the shipped ones are laid out."""
    lines = heading + ["[General]"] + [f"S{n:04d}={text}" for n, text in texts.items()]
    path.write_bytes(("\n".join(lines) + "\n").encode("utf-8"))
