#!/usr/bin/env python3
"""How much of each reader the fuzz corpora reach.

Builds the fuzz targets once more with source coverage (clang, no sanitizers, in build-fuzzcov/), runs each target
over its committed seeds without fuzzing, and prints for every reader compiled into the target (its sources outside
fuzz/) the regions and the branch outcomes reached, per function and per file.

    scripts/fuzz_coverage.py [--found] [--functions] [name-regex]

--found also runs the inputs that earlier fuzz runs of the asan build found (build-asan/fuzz/<area>/corpus_<name>);
--functions lists every function, not only those below 90 %.
"""
import argparse
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOAL = 90.0


def run(cmd, **kw):
    return subprocess.run(["nice"] + cmd, check=True, **kw)


def configure_and_build(build, names_regex):
    run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
         "-DCMAKE_C_COMPILER=clang-14", "-DCMAKE_CXX_COMPILER=clang++-14", "-DZORBAN_WITH_QT=OFF",
         "-DZORBAN_SANITIZE=OFF", "-DZORBAN_FUZZ=ON", "-DZORBAN_FUZZ_COVERAGE=ON"], stdout=subprocess.DEVNULL)
    targets = []
    with open(os.path.join(build, "fuzz", "fuzzers.txt")) as f:
        for line in f:
            fields = line.split()
            if len(fields) == 5 and re.search(names_regex, fields[0]):
                targets.append(fields)
    if not targets:
        sys.exit("no fuzz target matches " + names_regex)
    run(["cmake", "--build", build, "--target"] + [t[0] for t in targets], stdout=subprocess.DEVNULL)
    return targets


def demangle(names):
    out = subprocess.run(["llvm-cxxfilt-14"], input="\n".join(names), capture_output=True, text=True, check=True)
    return out.stdout.splitlines()


def function_summaries(programs, profdata):
    """(file, function) -> [regions hit, regions, branch outcomes hit, branch outcomes]."""
    objects = [programs[0]] + [a for p in programs[1:] for a in ("-object", p)]
    out = subprocess.run(["llvm-cov-14", "export", "-format=text", "-instr-profile=" + profdata] + objects,
                         capture_output=True, text=True, check=True)
    functions = json.loads(out.stdout)["data"][0]["functions"]
    names = demangle([f["name"] for f in functions])
    result = {}
    for f, name in zip(functions, names):
        if not f["regions"]:
            continue
        path = os.path.relpath(os.path.normpath(f["filenames"][f["regions"][0][5]]), ROOT)
        code = [r for r in f["regions"] if r[7] == 0]
        s = [sum(1 for r in code if r[4] > 0), len(code),
             sum((b[4] > 0) + (b[5] > 0) for b in f["branches"]), 2 * len(f["branches"])]
        key = (path, name.split(":", 1)[1] if re.match(r"^[^ (]*\.cpp:", name) else name)
        old = result.get(key)
        result[key] = s if old is None else [max(a, b) for a, b in zip(old, s)]
    return result


def short_name(name):
    """Class::function or function, without namespaces and parameters."""
    name = name.replace("(anonymous namespace)::", "")
    depth, cut = 0, len(name)
    for i, c in enumerate(name):
        if c in "<(" and depth == 0 and c == "(" and i > 0:
            cut = i
            break
        depth += c == "<"
        depth -= c == ">"
    parts = name[:cut].split("::")
    while len(parts) > 1 and parts[0][:1].islower():
        parts.pop(0)
    return "::".join(parts)


def share(hit, total):
    return 100.0 * hit / total if total else 100.0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--found", action="store_true")
    ap.add_argument("--functions", action="store_true")
    ap.add_argument("names", nargs="?", default=".")
    args = ap.parse_args()
    build = os.environ.get("ZORBAN_FUZZ_COVERAGE_BUILD", os.path.join(ROOT, "build-fuzzcov"))
    asan = os.path.join(ROOT, "build-asan")
    profiles = os.path.join(build, "fuzz", "profiles")
    os.makedirs(profiles, exist_ok=True)

    targets = configure_and_build(build, args.names)
    for name, program, seeds, corpus, readers in targets:
        dirs = [seeds]
        if args.found:
            found = os.path.join(asan, os.path.relpath(corpus, build))
            if os.path.isdir(found):
                dirs.append(found)
        inputs = sum(len(files) for d in dirs for _, _, files in os.walk(d))
        raw, data = os.path.join(profiles, name + ".profraw"), os.path.join(profiles, name + ".profdata")
        if os.path.exists(raw):
            os.remove(raw)
        run([program, "-runs=0"] + dirs, cwd=profiles, env=dict(os.environ, LLVM_PROFILE_FILE=raw),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        run(["llvm-profdata-14", "merge", "-sparse", raw, "-o", data])
        summaries = function_summaries([program], data)
        print(f"{name} ({inputs} inputs){'regions':>{max(8, 44 - len(name) - len(str(inputs)))}}{'branches':>18}")
        for reader in readers.split(","):
            print_file(reader, summaries, False)

    # Every target together: a function counts as reached by whichever target reaches it.
    merged = os.path.join(profiles, "all.profdata")
    run(["llvm-profdata-14", "merge", "-sparse"] + [os.path.join(profiles, t[0] + ".profraw") for t in targets] +
        ["-o", merged])
    summaries = function_summaries([t[1] for t in targets], merged)
    readers = sorted({r for t in targets for r in t[4].split(",")})
    print(f"\nAll targets together{'regions':>24}{'branches':>18}")
    for reader in readers:
        print_file(reader, summaries, True, args.functions)


def line(label, v, indent):
    label = label if len(label) <= 38 - indent else label[:35 - indent] + "..."
    return (f"{' ' * indent}{label:<{38 - indent}}{v[0]:>6}/{v[1]:<4}{share(v[0], v[1]):5.0f}%"
            f"{v[2]:>7}/{v[3]:<4}{share(v[2], v[3]):5.0f}%")


def print_file(reader, summaries, functions, every=False):
    funcs = sorted((short_name(k[1]) + (" (lambda)" if ")::" in k[1].replace("(anonymous namespace)::", "") else ""), v)
                   for k, v in summaries.items() if k[0] == reader)
    print(line(reader, [sum(v[i] for _, v in funcs) for i in range(4)], 2))
    if functions:
        for fn, v in funcs:
            if every or share(v[0], v[1]) < GOAL or share(v[2], v[3]) < GOAL:
                print(line(fn, v, 6))

if __name__ == "__main__":
    main()
