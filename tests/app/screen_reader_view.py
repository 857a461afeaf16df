"""What a screen reader sees of the running program, through AT-SPI.

    screen_reader_view.py check     the checks of the accessibility test (exit status 0 if met)
    screen_reader_view.py tree      prints the main window's accessible tree (role, name, value)

"check" finds "Inject droplets" by name and presses it through the accessibility API, sets 500 V
and switches the supply on the same way, reads the voltmeter's value, follows a droplet with the
keyboard (xdotool: Tab to the microscope, then Space) and reads the microscope's description.
Every wait is for a condition, with a generous limit. Needs Debian's python3-pyatspi.
"""
import re
import subprocess
import sys

import pyatspi

from waiting import wait_for


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tessilar":
            return app
    return None


def main_window():
    app = application()
    if app is None:
        return None
    for window in app:
        if window is not None and window.getRoleName() == "frame":
            return window
    return None


def find(root, role, name=None):
    """The first accessible below root with that role (and name), depth first."""
    def match(a):
        return a is not None and a.getRoleName() == role and (name is None or a.name == name)
    return pyatspi.findDescendant(root, match)


def value_of(accessible):
    try:
        return accessible.queryValue().currentValue
    except NotImplementedError:
        return None


def tree(accessible, depth=0):
    value = value_of(accessible)
    shown = f" value={value:g}" if value is not None else ""
    described = f" description={accessible.description!r}" if accessible.description else ""
    print(f"{'  ' * depth}{accessible.getRoleName()}: {accessible.name!r}{shown}{described}")
    for child in accessible:
        if child is not None:
            tree(child, depth + 1)


def check():
    window = wait_for("the main window in the accessibility tree", main_window)
    inject = wait_for("a button named 'Inject droplets'",
                      lambda: find(window, "push button", "Inject droplets"))
    voltage = wait_for("the voltage field", lambda: find(window, "text", "Voltage"))
    voltage.queryEditableText().setTextContents("500")
    wait_for("the On/Off button", lambda: find(window, "push button", "On/Off")).queryAction().doAction(0)
    voltmeter = wait_for("the voltmeter", lambda: find(window, "dial", "Voltmeter"))
    wait_for("the voltmeter reading 500 V", lambda: value_of(voltmeter) == 500 and voltmeter.description == "500 V")
    print(f"voltmeter: {value_of(voltmeter):g}, {voltmeter.description!r}")

    inject.queryAction().doAction(0)
    microscope = wait_for("the microscope", lambda: find(window, "canvas", "Microscope"))
    wait_for("droplets in view", lambda: re.match(r"\d+ droplets in view", microscope.description))
    print(f"after the injection: {microscope.description!r}")

    # The injection button keeps the focus; the microscope comes next in the keyboard order.
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    wait_for("the microscope to take the focus",
             lambda: microscope.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "key", "space"], check=True)
    description = wait_for(
        "a followed droplet in the description",
        lambda: re.search(r"following droplet \d+, (\d+ µm (above|below) the centre|at the centre)",
                          microscope.description) and microscope.description)
    print(f"followed: {description!r}")
    subprocess.run(["xdotool", "key", "Right"], check=True)
    wait_for("a droplet still followed after the arrow key",
             lambda: "following droplet" in microscope.description)
    return 0


if __name__ == "__main__":
    if sys.argv[1:] == ["tree"]:
        tree(wait_for("the main window in the accessibility tree", main_window))
        sys.exit(0)
    sys.exit(check())
