#!/usr/bin/env python3
"""Fails when code outside base/ opens a file by itself instead of through base/.

Every file from outside is read through base::readWholeFile (or base::TextReader on it) and every file written
through base::TextWriter or the pieces of base/SafeFile.h: a regular file within a size limit, errors reported,
writes that replace a file whole. So outside base/ no source may use std::ifstream, std::ofstream, std::fstream,
fopen or a bare POSIX open(). Test, benchmark and fuzz code that makes its own scratch files and the tools that
write build outputs are listed by name below, each with its reason.

    scripts/check_file_access.py [SOURCE_DIR]
"""
import os
import re
import sys

# Sources that may open files by themselves, by path from the top of the tree.
ALLOWED = {
    # Tools that write the build's outputs (generated data, icons, converted sounds).
    "tools/gen/SourceFile.h": "reads the generators' own source data",
    "tools/gen/gen_pictures.cpp": "writes generated pictures into the build",
    "tools/gen/gen_sounds.cpp": "writes generated sounds into the build",
    "tools/icons/gen_icons.cpp": "writes generated icons into the build",
    "tools/wavconv/main.cpp": "writes the converted sound the end-to-end tests compare",
    # The sound library reads its wave files and writes its recordings by itself until it is moved onto
    # base/ (its folder is mended on its own).
    "sound/WavFileSink.cpp": "recordings of the sound output (tests and benchmarks)",
    # The scripted dialogs of end-to-end runs log every dialog shown, appending (a test harness output).
    "app/DialogScript.cpp": "appends the end-to-end runs' dialog log",
    # Test, benchmark and fuzz scaffolding: scratch files of their own.
    "tests/base/InputFileTest.cpp": "frees a reader stuck on a pipe (the fault it looks for)",
    "tests/base/SafeFileTest.cpp": "opens descriptors to hand to the low-level writers",
    "tests/base/SettingsTest.cpp": "test scratch files",
    "tests/base/TempDir.h": "test scratch files",
    "tests/data/GameFolder.h": "reads the built game folder",
    "tests/e2e/lib/DemoWindow.cpp": "the end-to-end demo window's event log",
    "tests/e2e/lib/WestonInput.c": "the Wayland end-to-end runs' pictures of the screen",
    "tests/game/GameFolder.cpp": "test scratch files",
    "tests/golden/SoundGolden.cpp": "writes the golden play's outputs",
    "tests/install/SaveFolderTest.cpp": "test scratch files",
    "tests/maker/MakerFixture.h": "test scratch files",
    "tests/runner/RunnerFixture.h": "test scratch files",
    "tests/runner/RunnerWindowTest.cpp": "test scratch files",
    "tests/engine/SoakTest.cpp": "test scratch files",
    "tests/engine/TimersTest.cpp": "test scratch files",
    "tests/sound/AudioOutputFactoryTest.cpp": "test scratch files",
    "tests/sound/MixSettingsTest.cpp": "reads the sound settings of the tree",
    "tests/sound/SoundTestKit.cpp": "test scratch files",
    "tests/ui/SdlGamepadTest.cpp": "the virtual pad's script, written as a test writes it",
    "tests/ui/QtScaleTest.cpp": "test scratch files",
    "tests/ui/WindowTextTest.cpp": "reads data of the tree",
    "bench/sound/LatencyBench.cpp": "benchmark scratch files",
    "bench/sound/LoadBench.cpp": "benchmark scratch files",
    "fuzz/TempFile.h": "the fuzzers' scratch file",
    "fuzz/base/TextReaderFuzz.cpp": "grows a fuzz scratch file while it is read",
    "fuzz/game/SaveFolderFixture.cpp": "fuzz scratch files",
}

# What opens a file by itself: the C++ streams, the C library, and open() called bare or as ::open() with
# its flags (a method named open, such as a sound output's, is not meant).
OPENS = [
    (re.compile(r"\b(?:std::)?[io]?fstream\s*[\w(<{]"), "a file stream"),
    (re.compile(r"\bf(?:re)?open(?:64)?\s*\("), "fopen"),
    (re.compile(r"(?<![\w.>])(?:::)?open(?:at)?(?:64)?\s*\([^;]*\bO_(?:RDONLY|WRONLY|RDWR)\b"), "open()"),
]
COMMENT = re.compile(r"//.*$")


def offences(text):
    for number, line in enumerate(text.splitlines(), 1):
        code = COMMENT.sub("", line)
        if code.lstrip().startswith("#include"):
            continue
        for pattern, what in OPENS:
            if pattern.search(code):
                yield number, what, line.strip()


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    faults = []
    seen_allowed = set()
    for top, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        for f in files:
            if not f.endswith((".cpp", ".h", ".cc", ".hpp", ".c")):
                continue
            path = os.path.relpath(os.path.join(top, f), root)
            if path.startswith("base/"):
                continue
            with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
                found = list(offences(source.read()))
            if not found:
                continue
            if path in ALLOWED:
                seen_allowed.add(path)
                continue
            for number, what, line in found:
                faults.append(f"{path}:{number}: {what} outside base/: {line}")
    for path in sorted(set(ALLOWED) - seen_allowed):
        faults.append(f"{path}: listed as allowed but opens no file by itself: take it off the list")
    for fault in faults:
        print(fault)
    if faults:
        print("read files through base::readWholeFile and write them through base::TextWriter")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
