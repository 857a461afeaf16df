"""Clicks a droplet in the running program's microscope until it is followed (its marker red).

    follow_droplet.py LEFT TOP      (the microscope field's top-left corner on the screen)

The droplets move, so it picks the slowest marker between two screenshots, clicks where it will
be, and looks for the red marker; it tries again a number of times. Exit status 0 once a marker
is red, 1 otherwise. Needs ImageMagick's import and convert, and xdotool.
"""
import subprocess
import sys
import time

FIELD = 450  # pixels of the microscope field
YELLOW, RED = (255, 255, 0), (255, 0, 0)


def shot(left, top):
    """The field's pixels as rows of (r, g, b), and the time the shot was taken."""
    taken = time.monotonic()
    ppm = subprocess.run(
        f"import -window root ppm:- | convert - -crop {FIELD}x{FIELD}+{left}+{top} +repage -depth 8 ppm:-",
        shell=True, check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum value, then the bytes.
    parts = ppm.split(maxsplit=4)
    width, height, data = int(parts[1]), int(parts[2]), parts[4]
    return [[tuple(data[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
            for y in range(height)], taken


def markers(pixels, colour):
    """Centres of the blobs of one colour."""
    seen, centres = set(), []
    for y, row in enumerate(pixels):
        for x, p in enumerate(row):
            if p != colour or (x, y) in seen:
                continue
            blob, todo = [], [(x, y)]
            seen.add((x, y))
            while todo:
                bx, by = todo.pop()
                blob.append((bx, by))
                for nx, ny in ((bx + 1, by), (bx - 1, by), (bx, by + 1), (bx, by - 1)):
                    if 0 <= ny < len(pixels) and 0 <= nx < len(pixels[0]) and \
                            (nx, ny) not in seen and pixels[ny][nx] == colour:
                        seen.add((nx, ny))
                        todo.append((nx, ny))
            centres.append((sum(b[0] for b in blob) / len(blob), sum(b[1] for b in blob) / len(blob)))
    return centres


def main():
    left, top = int(sys.argv[1]), int(sys.argv[2])
    for attempt in range(20):
        first, t1 = shot(left, top)
        second, t2 = shot(left, top)
        before, after = markers(first, YELLOW), markers(second, YELLOW)
        if not before or not after:
            time.sleep(0.5)
            continue
        # Each marker's motion from its nearest one in the first shot; the slowest is the easiest.
        best = None
        for (x, y) in after:
            px, py = min(before, key=lambda m: (m[0] - x) ** 2 + (m[1] - y) ** 2)
            vx, vy = (x - px) / (t2 - t1), (y - py) / (t2 - t1)
            if best is None or vx * vx + vy * vy < best[2] * best[2] + best[3] * best[3]:
                best = (x, y, vx, vy)
        x, y, vx, vy = best
        ahead = time.monotonic() - t2 + 0.05
        cx, cy = round(x + vx * ahead), round(y + vy * ahead)
        if not (0 <= cx < FIELD and 0 <= cy < FIELD):
            continue
        subprocess.run(["xdotool", "mousemove", str(left + cx), str(top + cy), "click", "1"],
                       check=True)
        time.sleep(0.3)
        if markers(shot(left, top)[0], RED):
            print(f"following the droplet clicked at ({cx}, {cy}) on attempt {attempt + 1}")
            return 0
    return 1


sys.exit(main())
