#!/usr/bin/python3
"""Finds Quendo's controls as a screen reader does: on the accessibility bus, by role and name.

  atspi.py ready                              the accessibility bus answers
  atspi.py find [OPTIONS] ROLE NAME       prints the centre "X Y" of a showing control
  atspi.py enabled [OPTIONS] ROLE NAME    the same, once the control takes clicks
  atspi.py box [OPTIONS] ROLE NAME        prints its box "X Y WIDTH HEIGHT"
  atspi.py absent [OPTIONS] ROLE NAME     waits until no such control shows
  atspi.py dump                               the showing controls, one a line

ROLE is an AT-SPI role name ("push button", "image", "label"); NAME is compared exactly, blanks
at the ends left out. OPTIONS: --timeout S (10 s unless given), --in WINDOW (only inside the
showing window or dialog of that name). A wait that runs out prints what did show and exits
with status 1.
"""
import sys
import time

import pyatspi

APP = "Quendo"


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


WITHIN = None  # the name of the window to look in, or None for every window


def controls():
    """Every showing control of every running Quendo, as (role, name, accessible)."""
    found = []
    desktop = pyatspi.Registry.getDesktop(0)

    def walk(acc):
        for child in acc:
            if child is None or not showing(child):
                continue
            found.append((child.getRoleName(), (child.name or "").strip(), child))
            walk(child)

    for app in desktop:
        if app is not None and app.name == APP:
            app.clear_cache()
            for window in app:
                if window is None or not showing(window):
                    continue
                if WITHIN is not None and (window.name or "").strip() != WITHIN:
                    continue
                found.append((window.getRoleName(), (window.name or "").strip(), window))
                walk(window)
    return found


def centre(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def enabled(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_ENABLED)
    except Exception:
        return False


def matches(role, name, only_enabled=False):
    return [acc for r, n, acc in controls()
            if r == role and n == name and (enabled(acc) or not only_enabled)]


def dump(stream):
    for role, name, acc in controls():
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{role} '{name}' {box.x},{box.y} {box.width}x{box.height}", file=stream)


def wait(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result is not None:
            return result
        if time.monotonic() > deadline:
            print(f"atspi: {what}: not within {timeout} s; showing were:", file=sys.stderr)
            dump(sys.stderr)
            sys.exit(1)
        time.sleep(0.2)


def main(argv):
    global WITHIN
    timeout = 10.0
    command = argv[0] if argv else ""
    argv = argv[1:]
    while len(argv) > 1 and argv[0] in ("--timeout", "--in"):
        if argv[0] == "--timeout":
            timeout = float(argv[1])
        else:
            WITHIN = argv[1]
        argv = argv[2:]
    argv = [command] + argv
    if command == "ready":
        pyatspi.Registry.getDesktop(0).childCount
    elif command in ("find", "enabled", "box") and len(argv) == 3:
        role, name, only_enabled = argv[1], argv[2], command == "enabled"
        acc = wait(lambda: (matches(role, name, only_enabled) or [None])[0], timeout,
                   f"{command} {role} '{name}'")
        if command == "box":
            box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(box.x, box.y, box.width, box.height)
        else:
            print(*centre(acc))
    elif command == "absent" and len(argv) == 3:
        role, name = argv[1], argv[2]
        wait(lambda: None if matches(role, name) else True, timeout, f"no {role} '{name}'")
    elif command == "dump":
        dump(sys.stdout)
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
