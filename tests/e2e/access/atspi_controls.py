#!/usr/bin/python3
"""Reads a program's window through AT-SPI, as a screen reader does, and checks what it is offered.

Usage: atspi_controls.py CAPTION [--has NAME]... [--lacks NAME]... [--describes NAME=TEXT]...

Waits for the application whose window caption contains CAPTION, walks its controls and prints each one that
shows (role and name). Fails when a control that shows has no name (the items of a list are the list's), when
a --has name is not among them, when a --lacks name is, or when the control named NAME is not described by
TEXT. Run it with /usr/bin/python3, which has pyatspi.
"""
import sys
import time

import pyatspi

TIMEOUT = 20


def parse(argv):
    caption, checks = argv[1], {"--has": [], "--lacks": [], "--describes": []}
    i = 2
    while i + 1 < len(argv) and argv[i] in checks:
        checks[argv[i]].append(argv[i + 1])
        i += 2
    if i != len(argv):
        sys.exit(__doc__)
    return caption, checks


def find_window(caption):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for window in app:
                if window is not None and caption in (window.name or ""):
                    return window
        time.sleep(0.3)
    sys.exit(f"FAIL: no window '{caption}' on the accessibility bus")


def shows(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def walk(node, found):
    for child in node:
        if child is None or not shows(child):
            continue
        found.append(child)
        if child.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
            walk(child, found)


def main():
    caption, checks = parse(sys.argv)
    window = find_window(caption)
    controls = []
    walk(window, controls)
    names = set()
    failures = []
    for c in controls:
        name = c.name or ""
        print(f"{c.getRoleName():16} {name}")
        names.add(name)
        if not name.strip():
            failures.append(f"an unnamed {c.getRoleName()}")
    failures += [f"no control named '{n}'" for n in checks["--has"] if n not in names]
    failures += [f"'{n}' is offered" for n in checks["--lacks"] if n in names]
    for pair in checks["--describes"]:
        name, text = pair.split("=", 1)
        described = [c.description for c in controls if c.name == name]
        if text not in described:
            failures.append(f"'{name}' is described as {described}, not '{text}'")
    if failures:
        sys.exit("FAIL: " + "; ".join(failures))
    print(f"{len(controls)} controls, all named")


if __name__ == "__main__":
    main()
