"""Waiting for the program in the real-window tests: a condition polled with a generous limit,
since a loaded machine may be slow, never a fixed pause."""
import sys
import time

LIMIT = 60  # seconds for any one condition


def wait_for(what, probe, limit=LIMIT):
    """Polls probe() until it gives something true; returns it, or stops the test."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while the program works
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} (waited {limit} s)")
