#!/usr/bin/env python3
"""Fails when a source includes a header of a library that its own library may not use.

The libraries and what each may include are the table below (ARCHITECTURE.md draws it). Toolkit headers (Qt, SDL)
belong to ui/qt and ui/sdl alone, and no include climbs out of its folder with "..".

    scripts/check_dependencies.py [SOURCE_DIR]
"""
import os
import re
import sys

# Folder of a library, its name, and the libraries it may include (besides itself).
LIBRARIES = [
    ("base/", "base", set()),
    ("ui/core/", "uimodel", {"base"}),
    ("ui/qt/", "uiqt", {"uimodel", "base"}),
    ("ui/sdl/", "uisdl", {"sound", "base"}),
    ("sound/", "sound", {"base"}),
    ("engine/", "engine", {"uimodel", "base"}),
    ("solver/", "solver", {"engine", "uimodel", "base"}),
    ("app/", "app", {"engine", "sound", "uisdl", "uimodel", "base"}),
    ("game/", "game", {"engine", "uimodel", "base"}),
    ("runner/", "runner", {"engine", "solver", "uimodel", "base"}),
    ("maker/", "maker", {"engine", "solver", "uimodel", "base"}),
    ("tools/gen/", "gen", {"engine", "base"}),
    ("tools/icons/", "icons", set()),
    ("tools/solve/", "solve", {"solver", "engine", "uimodel", "base"}),
    ("tools/initsave/", "initsave", {"game", "engine", "uimodel", "base"}),
    ("tools/wavconv/", "wavconv", {"sound", "base"}),
]
# A program's main.cpp also composes the program: the toolkit's platform and the game's sound.
PROGRAM_EXTRA = {"app", "uiqt"}
# Test, benchmark and fuzz code may use any library, and the toolkits (the Qt layer's own tests).
FREE = ("tests/", "bench/", "fuzz/")
TOOLKIT = {"uiqt": re.compile(r"^Q[A-Za-z]*$|^Qt[A-Za-z]*/"), "uisdl": re.compile(r"^SDL")}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def library_of(path):
    for folder, name, _ in LIBRARIES:
        if path.startswith(folder):
            return name
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    allowed = {name: deps for _, name, deps in LIBRARIES}
    faults = []
    checked = 0
    for top, dirs, files in os.walk(root):
        rel_top = os.path.relpath(top, root)
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        for f in files:
            if not f.endswith((".cpp", ".h", ".cc")):
                continue
            path = os.path.normpath(os.path.join(rel_top, f))
            own = library_of(path)
            free = path.startswith(FREE)
            if own is None and not free:
                continue
            checked += 1
            may = set() if free else allowed[own] | {own}
            if not free and f == "main.cpp":
                may |= PROGRAM_EXTRA
            with open(os.path.join(top, f), encoding="utf-8", errors="replace") as src:
                text = src.read()
            for match in INCLUDE.finditer(text):
                kind, header = match.groups()
                line = text.count("\n", 0, match.start()) + 1
                where = f"{path}:{line}"
                if ".." in header.split("/"):
                    faults.append(f"{where}: \"{header}\" climbs out of its folder")
                    continue
                for toolkit, pattern in TOOLKIT.items():
                    if pattern.search(header) and own != toolkit and not free:
                        faults.append(f"{where}: toolkit header <{header}> outside ui/")
                if kind != '"' or free:
                    continue
                target = library_of(header)
                if target is None:
                    if "/" in header and not header.startswith(FREE):
                        faults.append(f"{where}: \"{header}\" is not a header of a library")
                    continue
                if target not in may:
                    faults.append(f"{where}: {own} may not include \"{header}\" ({target})")
    for fault in faults:
        print(fault)
    print(f"{checked} files checked, {len(faults)} forbidden includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
