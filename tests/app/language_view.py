"""The running program in a language of its program folder, as a student and a screen reader meet
it, through AT-SPI and the keyboard: the identity prompt, answered with the student's identifier
(set through AT-SPI: xdotool cannot type every letter reliably); the main window's title,
captions and menus; the notebook
message about a damaged notebook; what the microscope is said to hold after an injection; the
guide's own window, opened with the menus' keyboard letters, at its first heading; and the report
saved from the notebook window, read back with pdftotext.

    language_view.py CATALOGUE IDENTIFIER HEADING REPORT.pdf

CATALOGUE is the language's Tessilar.ini, whose texts the program must show; REPORT.pdf is where
the report's save dialog, answered with Enter, writes it. Every wait is for a condition, with a
generous limit. Needs Debian's python3-pyatspi, xdotool and poppler-utils.
"""
import re
import subprocess
import sys

import pyatspi

from waiting import wait_for


def catalogue(path):
    """The texts by number as shown: the mnemonic's "&" dropped, "&&" one ampersand."""
    texts = {}
    with open(path, encoding="utf-8") as file:
        for line in file:
            match = re.match(r"^S(\d{4})=(.*)$", line.rstrip("\r\n"))
            if match:
                texts[int(match.group(1))] = match.group(2)
    return texts


def shown(text):
    return re.sub(r"&(&?)", r"\1", text)


def key_of(text):
    """The keyboard letter a caption marks."""
    return re.search(r"&([^&])", text).group(1).lower()


def pattern(template):
    """A regular expression for a text with its places (%1, ...) filled in."""
    return re.sub(r"%\d", lambda _: ".+", re.escape(template))


def windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tessilar":
            return [w for w in app if w is not None]
    return []


def window_named(name, start=False):
    for window in windows():
        if window.name == name or (start and window.name.startswith(name)):
            return window
    return None


def find(root, role, name=None, matching=None):
    """The first accessible below root with that role (and name, or name matching), depth first."""
    def match(a):
        return (a is not None and a.getRoleName() == role and (name is None or a.name == name)
                and (matching is None or re.search(matching, a.name)))
    return pyatspi.findDescendant(root, match)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def holding(root, wanted):
    """The accessible below root whose text holds `wanted`, if any."""
    def match(a):
        try:
            return a is not None and wanted in text_of(a)
        except NotImplementedError:
            return False
    return pyatspi.findDescendant(root, match)


def focus_and_press(title, *keys):
    """Gives the window of that title the keyboard and presses the keys, one after the other."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(title)],
                           capture_output=True, text=True).stdout.split()
    if not found:
        return False
    subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=True)
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
    return True


def check(catalogue_path, identifier, heading, report):
    t = catalogue(catalogue_path)
    prompt = wait_for(f"the identity prompt {t[256]!r}", lambda: window_named(t[256]))
    field = wait_for("the identifier's field", lambda: find(prompt, "text"))
    field.queryEditableText().setTextContents(identifier)
    wait_for("the identifier in its field", lambda: text_of(field) == identifier)
    wait_for(f"the button {t[1]!r}",
             lambda: find(prompt, "push button", shown(t[1]))).queryAction().doAction(0)
    title = f"{t[200]}   /   {identifier}"
    main = wait_for(f"the main window titled {title!r}", lambda: window_named(title))
    for role, n in [("push button", 11), ("push button", 12), ("push button", 13),
                    ("label", 14), ("label", 15), ("label", 16),
                    ("menu item", 4), ("menu item", 5), ("menu item", 20), ("menu item", 17),
                    ("menu item", 21), ("menu item", 762)]:
        wait_for(f"a {role} {shown(t[n])!r}", lambda: find(main, role, shown(t[n])))
    print(f"{title}: captions and menus in the language")

    # The damaged notebook the student's identifier found, set aside and said so.
    said = pattern(t[517])
    message = wait_for("the message about the damaged notebook",
                       lambda: next(w for w in windows() if find(w, "label", matching=said)))
    print(f"message: {find(message, 'label', matching=said).name!r}")
    # Its button in the language too, not Qt's own English.
    wait_for(f"the message's button {t[1]!r}", lambda: find(message, "push button", shown(t[1]))).queryAction().doAction(0)

    # An injection: the microscope tells how many droplets it holds, in the language.
    wait_for("the injection button",
             lambda: find(main, "push button", shown(t[11]))).queryAction().doAction(0)
    microscope = wait_for("the microscope", lambda: find(main, "canvas", t[600]))
    in_view = "^" + re.escape(t[661]).replace("%1", r"\d+")
    wait_for("the droplets in view, said in the language",
             lambda: re.match(in_view, microscope.description))
    print(f"microscope: {microscope.description!r}")

    # Help, then Description, with their keyboard letters: the guide's own window.
    wait_for("the keyboard in the main window",
             lambda: focus_and_press(title, f"alt+{key_of(t[4])}", key_of(t[17])))
    guide = wait_for(f"the guide's window {t[611]!r}", lambda: window_named(t[611]))
    wait_for(f"the guide's first heading {heading!r}", lambda: holding(guide, heading))
    print(f"guide: {guide.name!r} at {heading!r}")

    # The notebook (F7), its report saved where the save dialog proposes.
    wait_for("the keyboard in the main window", lambda: focus_and_press(title, "F7"))
    notebook = wait_for("the notebook window", lambda: window_named(t[500], start=True))
    wait_for(f"the button {shown(t[522])!r}",
             lambda: find(notebook, "push button", shown(t[522]))).queryAction().doAction(0)
    wait_for("the report's save dialog", lambda: focus_and_press(shown(t[522]), "Return"))
    text = wait_for("the report, written and read back",
                    lambda: subprocess.run(["pdftotext", "-enc", "UTF-8", report, "-"],
                                           capture_output=True, text=True).stdout)
    # pdftotext gives a no-break space (French, before a colon) back as a space.
    for line in (t[526], t[527].replace("%1", identifier)):
        if line.replace("\u00a0", " ") not in text:
            sys.exit(f"FAIL: the report lacks {line!r}:\n{text}")
    print(f"report: {t[526]!r}, {t[527].replace('%1', identifier)!r}")
    return 0


if __name__ == "__main__":
    sys.exit(check(*sys.argv[1:5]))
