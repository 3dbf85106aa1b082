#!/usr/bin/python3
"""Finds Quendo's controls as a screen reader does: on the accessibility bus, by role and name.

  atspi.py ready                          the accessibility bus answers
  atspi.py find [OPTIONS] ROLE NAME       prints the centre "X Y" of a showing control
  atspi.py enabled [OPTIONS] ROLE NAME    the same, once the control takes clicks
  atspi.py focused [OPTIONS] ROLE NAME    the same, once the control has the keyboard focus
  atspi.py absent [OPTIONS] ROLE NAME     waits until no such control shows

ROLE is an AT-SPI role name ("push button", "image"); NAME is compared exactly, blanks at the
ends left out. OPTIONS: --timeout S (10 s unless given), --in WINDOW (only inside the showing
window of that name). A wait that runs out prints what did show and exits with status 1.
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def has(acc, state):
    try:
        return acc.getState().contains(state)
    except Exception:
        return False


def controls(within):
    """Every showing control of every running Quendo, as (role, name, accessible)."""
    found = []

    def walk(acc):
        for child in acc:
            if child is not None and has(child, pyatspi.STATE_SHOWING):
                found.append((child.getRoleName(), (child.name or "").strip(), child))
                walk(child)

    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quendo":
            app.clear_cache()
            for window in app:
                name = (window.name or "").strip() if window is not None else None
                if name is not None and has(window, pyatspi.STATE_SHOWING) and within in (None, name):
                    found.append((window.getRoleName(), name, window))
                    walk(window)
    return found


def main(argv):
    timeout, within = 10.0, None
    command, argv = (argv[0], argv[1:]) if argv else ("", [])
    while len(argv) > 1 and argv[0] in ("--timeout", "--in"):
        if argv[0] == "--timeout":
            timeout = float(argv[1])
        else:
            within = argv[1]
        argv = argv[2:]
    if command == "ready":
        return 0 if pyatspi.Registry.getDesktop(0).childCount >= 0 else 1
    if command not in ("find", "enabled", "focused", "absent") or len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    role, name = argv
    state = {"enabled": pyatspi.STATE_ENABLED, "focused": pyatspi.STATE_FOCUSED}.get(command)
    deadline = time.monotonic() + timeout
    shown = []
    while True:
        try:
            shown = controls(within)
            hits = [acc for r, n, acc in shown
                    if r == role and n == name and (state is None or has(acc, state))]
            if command == "absent" and not hits:
                return 0
            if command != "absent" and hits:
                b = hits[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(b.x + b.width // 2, b.y + b.height // 2)
                return 0
        except GLib.GError:
            pass  # a control went away while the tree was read: read it again
        if time.monotonic() > deadline:
            print(f"atspi: {command} {role} '{name}': not within {timeout} s; showing were:",
                  file=sys.stderr)
            for r, n, _ in shown:
                print(f"{r} '{n}'", file=sys.stderr)
            return 1
        time.sleep(0.2)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
