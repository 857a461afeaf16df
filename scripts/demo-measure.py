#!/usr/bin/env python3
"""Measures droplets in the running program the way a student would, to make the example notebook
in docs/: it follows one droplet at a time in the microscope, times it over 30 reticle ticks with
the supply off and again with the supply reversed, and records both timings with the function keys.
Optionally it fires the ionising source at one droplet until its speed changes, and times it again.

    scripts/demo-measure.py PROGRAM OUTPUT_FOLDER [DROPLETS [IDENTIFIER [NO_IONISING]]]

With PRESSURES set (kPa, comma-separated: PRESSURES=101.3,20) it switches real air on in the
Measurement menu and measures DROPLETS droplets at each pressure in turn, typed into the
pressure field.

It starts its own virtual X server; the notebook lands in OUTPUT_FOLDER/data/tessilar/notebooks/,
screenshots in OUTPUT_FOLDER. The identifier is "demo-student" unless one is given; any fifth argument
leaves the ionising source alone. Needs Xvfb, xdotool and ImageMagick (scripts/lib/common.sh installs
them). Everything happens through the keyboard, the mouse and screenshots.
"""
import os
import subprocess
import sys
import time

FIELD = 450                 # the microscope field, pixels
CENTRE = 225                # the view centre in the field
TOP_LINE, BOTTOM_LINE = CENTRE - 150, CENTRE + 150   # 30 ticks of 10 µm apart
YELLOW, RED = b"\xff\xff\x00", b"\xff\x00\x00"
IDENTIFIER = sys.argv[4] if len(sys.argv) > 4 else "demo-student"


def say(*words):
    print(*words, file=sys.stderr, flush=True)


def run(*args):
    subprocess.run(args, check=True)


class Program:
    def __init__(self, program, folder):
        self.folder = folder
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
        os.environ["XDG_DATA_HOME"] = os.path.join(folder, "data")
        self.app = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        prompt = self.window(str(self.app.pid), "--pid")
        run("xdotool", "windowfocus", "--sync", prompt)
        run("xdotool", "type", "--delay", "30", IDENTIFIER)
        run("xdotool", "key", "Return")
        self.main = self.window("/   " + IDENTIFIER, "--name")
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.main],
                                  capture_output=True, text=True).stdout
        values = dict(line.split("=") for line in geometry.split())
        self.left, top = int(values["X"]), int(values["Y"])
        # The client area starts at the first teal row below the menu bar.
        self.top = next(y for y in range(top, top + 80) if self.pixel(self.left + 2, y) == b"\x00\x80\x80")
        self.field = (self.left + 8, self.top + 24)

    @staticmethod
    def window(key, how):
        for _ in range(600):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", how, key],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[-1]
            time.sleep(0.1)
        sys.exit(f"no window {key}")

    def pixel(self, x, y):
        return self.shot(x, y, 1, 1)[0]

    @staticmethod
    def shot(x, y, width, height):
        """The pixels of a screen rectangle as bytes (3 per pixel), and the time taken."""
        ppm = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                              "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        return ppm.split(maxsplit=4)[4], time.monotonic()

    def markers(self, colour):
        """Centres of the markers of one colour in the field, and the time of the shot."""
        data, taken = self.shot(*self.field, FIELD, FIELD)
        points, at = [], data.find(colour)
        while at >= 0:
            if at % 3 == 0:
                points.append(((at // 3) % FIELD, (at // 3) // FIELD))
            at = data.find(colour, at + 1)
        blobs = []
        for x, y in points:
            for blob in blobs:
                if abs(blob[0][0] - x) <= 4 and abs(blob[0][1] - y) <= 4:
                    blob.append((x, y))
                    break
            else:
                blobs.append([(x, y)])
        return [(sum(p[0] for p in b) / len(b), sum(p[1] for p in b) / len(b)) for b in blobs], taken

    def click(self, x, y):
        run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def client(self, x, y):
        self.click(self.left + x, self.top + y)

    def key(self, name):
        run("xdotool", "windowfocus", "--sync", self.main)
        run("xdotool", "key", name)

    def real_air(self):
        """The Measurement menu's Real air item, by its keys."""
        self.key("alt+m")
        time.sleep(0.5)
        run("xdotool", "key", "v")
        time.sleep(0.5)

    def pressure(self, kilopascals):
        """Types the pressure into its field under the microscope and ends the editing."""
        self.client(8 + 96 + 24, 502 + 7 + 10)
        self.key("ctrl+a")
        run("xdotool", "type", kilopascals)
        run("xdotool", "key", "Return")
        time.sleep(0.5)

    def supply_switch(self):
        self.client(602 + 104 + 24, 240 + 152 + 12)

    def screenshot(self, name):
        run("import", "-window", "root", os.path.join(self.folder, name))

    def close(self):
        self.app.terminate()
        self.xvfb.terminate()


def velocity(track):
    """Pixels per second from the last few positions of a track of (t, x, y)."""
    recent = track[-3:]
    if len(recent) < 2:
        return 0.0, 0.0
    dt = recent[-1][0] - recent[0][0]
    return (recent[-1][1] - recent[0][1]) / dt, (recent[-1][2] - recent[0][2]) / dt


def follow(program, seconds):
    """Tracks the red marker for up to `seconds`; yields its (t, x, y) track after every shot."""
    track, end = [], time.monotonic() + seconds
    while time.monotonic() < end:
        red, taken = program.markers(RED)
        if not red:
            return
        track.append((taken, *red[0]))
        yield track


def time_crossing(program, start, stop, limit=60):
    """Starts the stopwatch as the followed droplet crosses `start` and stops it at `stop`, then
    records the reading; True when both crossings happened."""
    down = stop > start
    started = False
    for track in follow(program, limit):
        t, x, y = track[-1]
        vx, vy = velocity(track)
        line = stop if started else start
        if (vy > 0) != down or abs(vy) < 1:
            if started and len(track) > 8 and (vy > 0) != down:
                return False  # it turned back
            continue
        ahead = (line - y) / vy
        if ahead < 0:
            if not started:
                return False  # already past the start line
            ahead = 0
        if ahead < 0.35:  # the line comes before the next shot: press on time
            time.sleep(max(0.0, t + ahead - time.monotonic()))
            if not started:
                program.key("F5")
                started = True
            else:
                program.key("F6")
                program.key("F8")
                return True
    return False


def choose_sinking(program):
    """Clicks a droplet that sinks (moves down the view) at a usable speed; True when one is red."""
    for _ in range(30):
        before, t1 = program.markers(YELLOW)
        time.sleep(0.3)
        after, t2 = program.markers(YELLOW)
        candidates = []
        for x, y in after:
            if not before:
                break
            px, py = min(before, key=lambda m: (m[0] - x) ** 2 + (m[1] - y) ** 2)
            vx, vy = (x - px) / (t2 - t1), (y - py) / (t2 - t1)
            if 12 < vy < 110 and abs(vx) < 5 and abs(x - CENTRE) < 90 and y < BOTTOM_LINE:
                candidates.append((vy, x, y, vx))
        if candidates:
            vy, x, y, vx = min(candidates)
            ahead = time.monotonic() - t2 + 0.05
            program.click(round(program.field[0] + x + vx * ahead), round(program.field[1] + y + vy * ahead))
            time.sleep(0.2)
            if program.markers(RED)[0]:
                return True
        time.sleep(0.5)
    return False


def wait_until_below(program, line, limit=60):
    for track in follow(program, limit):
        if track[-1][2] > line + 15:
            return True
    return False


def measure(program, count, ionise):
    done = 0
    while done < count:
        if not choose_sinking(program):
            say("no droplet sinks: injecting afresh")
            program.client(601 + 24 + 60, 24 + 16 + 12)   # inject afresh
            time.sleep(2.5)
            continue
        say("following a droplet")
        # Sunk below the lower line with the supply on; then off: it falls up the view.
        if not wait_until_below(program, BOTTOM_LINE):
            say("lost it while it sank")
            continue
        program.supply_switch()
        if not time_crossing(program, BOTTOM_LINE, TOP_LINE):
            say("its fall was not timed")
            program.supply_switch()
            continue
        # A little higher still, then on again, reversed: it turns and sinks back down.
        for track in follow(program, 10):
            if track[-1][2] < TOP_LINE - 30:
                break
        program.supply_switch()
        if not time_crossing(program, TOP_LINE, BOTTOM_LINE):
            say("its sinking was not timed")
            continue
        done += 1
        print(f"droplet {done} timed", flush=True)
        if ionise and done == count:
            ionise_and_time(program)


def sinking_speeds(program, supply_on):
    """Keeps the followed droplet in view, the supply on while it sinks from the top and off while
    it falls back up from the bottom; yields (speed while sinking, a callable that fires a burst
    as the next sinking starts). Ends when the droplet is lost."""
    burst = []
    while True:
        if supply_on:
            samples = []
            for track in follow(program, 30):
                t, x, y = track[-1]
                if len(track) > 4:
                    samples.append(velocity(track)[1])
                if y > BOTTOM_LINE + 20:
                    break
            else:
                return
            program.supply_switch()
            supply_on = False
            yield (sorted(samples)[len(samples) // 2] if samples else 0), burst
        else:
            for track in follow(program, 30):
                if track[-1][2] < TOP_LINE - 20:
                    break
            else:
                return
            if burst:
                program.key("F9")
                burst.clear()
            program.supply_switch()
            supply_on = True


def ionise_and_time(program):
    """Fires bursts at the followed droplet until its sinking speed changes in a step, then times
    it sinking once more: the row after the burst is marked in the notebook."""
    baseline = None
    phases = sinking_speeds(program, supply_on=True)
    for speed, burst in phases:
        say(f"sinking at {speed:.1f} px/s")
        if baseline is None:
            baseline = speed
        elif abs(speed - baseline) > 6 and speed > 12:
            program.screenshot("after-burst.png")
            break
        burst.append(True)  # one burst as the next sinking starts
    else:
        say("the droplet was lost before its charge changed")
        return False
    say("its speed changed: timing it again")
    # The supply went off at the bottom: up it goes; on again at the top, and time it sinking.
    for track in follow(program, 30):
        if track[-1][2] < TOP_LINE - 30:
            break
    program.supply_switch()
    return time_crossing(program, TOP_LINE, BOTTOM_LINE)


def main():
    program_path, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    os.makedirs(folder, exist_ok=True)
    program = Program(program_path, folder)
    try:
        # 500 V, reversed, on: charged droplets sink and stay in view.
        program.client(602 + 72 + 32, 240 + 8 + 10)
        program.key("ctrl+a")
        run("xdotool", "type", "500")
        program.supply_switch()
        program.client(602 + 8 + 44, 240 + 152 + 12)
        program.client(601 + 24 + 60, 24 + 16 + 12)
        time.sleep(2.5)
        pressures = [p for p in os.environ.get("PRESSURES", "").split(",") if p]
        if pressures:
            program.real_air()
            for kilopascals in pressures:
                say(f"at {kilopascals} kPa")
                program.pressure(kilopascals)
                program.screenshot(f"at-{kilopascals}-kPa.png")
                measure(program, count, ionise=False)
        else:
            measure(program, count, ionise=len(sys.argv) <= 5)
        program.key("F7")
        time.sleep(1)
        program.screenshot("notebook.png")
    finally:
        program.close()


main()
