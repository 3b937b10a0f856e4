# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the mill and checks over AT-SPI that its controls and readouts carry their captions.

Usage: python3 check_accessibility.py <path to molen>   (on a display, inside a D-Bus session)
Prints what it finds and exits non-zero if anything is missing.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CONTROL_NAMES = {
    ("scroll bar", "Wind"),
    ("text", "Enden"),
    ("scroll bar", "Overbrengings factor "),
    ("text", "Overbrengings factor "),
    ("scroll bar", "Diameter loper"),
    ("text", "Diameter loper"),
    ("push button", "Licht de vang"),
}
BANNER = "...'t is een mooie dag zei de mulder en 't waaide..."


def find_window(mill, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if mill.poll() is not None:
            sys.exit(f"the mill ended with status {mill.returncode} before its window appeared")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "molen" and app.childCount:
                return app[0]
        time.sleep(0.2)
    sys.exit("the mill did not appear on the accessibility bus")


def children(window):
    return [(child.getRoleName(), child.name, child) for child in window]


def show(window, heading):
    print(f"--- {heading}: {window.getRoleName()} {window.name!r}")
    for role, name, child in children(window):
        states = child.getState()
        shown = "" if states.contains(pyatspi.STATE_SHOWING) else "  (hidden)"
        print(f"    {role:12} {name!r}{shown}")


def run_events(seconds):
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main():
    mill = subprocess.Popen([sys.argv[1]])
    try:
        window = find_window(mill)
        show(window, "on opening")
        found = {(role, name) for role, name, _ in children(window)}
        missing = [c for c in sorted(CONTROL_NAMES) if c not in found]
        if ("label", BANNER) not in found:
            missing.append(("label", BANNER))

        renamed = []
        pyatspi.Registry.registerEventListener(
            lambda event: renamed.append(event.source.name),
            "object:property-change:accessible-name")
        button = next(c for r, n, c in children(window) if r == "push button")
        button.queryAction().doAction(0)  # releases the brake, as a click would
        run_events(4)
        show(window, "four seconds after releasing the brake")
        print(f"--- {len(renamed)} name changes announced, of which the last few:")
        for name in renamed[-4:]:
            print(f"    {name!r}")
        texts = [name for role, name, _ in children(window) if role == "label"]
        if not any(name.startswith("Interval") and any(c.isdigit() for c in name)
                   for name in texts):
            missing.append(("label", "interval readout with a number"))
        if not renamed:
            missing.append(("event", "accessible-name change"))
    finally:
        mill.terminate()
        mill.wait()
    if missing:
        print("MISSING:", missing)
        return 1
    print("All controls and readouts found.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
