#!/usr/bin/env bash
# The solver's tables of the 80 official stages, compared line for line with the recorded ones: the six
# courses in one run each (ticks, time, lives, turns and score per stage, the moves played, the course
# totals and the checks), and every stage file alone as zorban_runner plays it. The solver's output is the
# same at any load and any number of threads, so nothing is masked.
# Usage: solver_golden.sh <zorban_solve> <dat folder> <reference folder> <output folder>
set -euo pipefail
source "$(dirname "$0")/golden.sh"
solve=$1 dat=$2 ref=$3 out=$4
rm -rf "$out"
mkdir -p "$out"

code=0
"$solve" --all --dat "$dat" --check --moves >"$out/solver-courses.txt" || code=$?
[ $code -eq 0 ] || echo "zorban_solve --all ended with $code" >>"$out/solver-courses.txt"
golden_check "$ref" solver-courses.txt "$out/solver-courses.txt"

# The stage files in course order (a glob's order would hang on the locale).
stages=()
for ((course = 1; course <= 6; course++)); do
    for ((stage = 0; ; stage++)); do
        [ -f "$dat/map$course-$stage.dat" ] || break
        stages+=("$dat/map$course-$stage.dat")
    done
done
[ ${#stages[@]} -eq 80 ] || { echo "FAIL: ${#stages[@]} official stage files in $dat, not 80" >&2; exit 1; }
code=0
"$solve" --runner "${stages[@]}" >"$out/solver-runner.txt" || code=$?
[ $code -eq 0 ] || echo "zorban_solve --runner ended with $code" >>"$out/solver-runner.txt"
golden_check "$ref" solver-runner.txt "$out/solver-runner.txt"

golden_end "the solver's tables of the 80 official stages"
