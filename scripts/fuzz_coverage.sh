#!/bin/bash
# Runs each libFuzzer target over its corpus once (no fuzzing) and prints how many of the edges of each reader's
# functions the corpus reaches. The readers are the project sources compiled into the target (not those in fuzz/).
#   scripts/fuzz_coverage.sh [--found] [name-regex]
#     --found     also run the inputs found by earlier runs in the build folder (fuzz/<area>/corpus_<name>)
#     name-regex  only the targets whose names match
# Reads the list the asan build writes (build-asan/fuzz/fuzzers.txt); ZORBAN_FUZZ_BUILD names another build folder.
set -euo pipefail
build=${ZORBAN_FUZZ_BUILD:-$(dirname "$0")/../build-asan}
found=0
if [[ ${1:-} == --found ]]; then found=1; shift; fi
filter=${1:-.}
list=$build/fuzz/fuzzers.txt
[[ -f $list ]] || { echo "no $list: configure and build the asan preset first" >&2; exit 2; }

# One line per target: name, program, seeds folder, found folder, reader sources (comma-separated).
while read -r name program seeds corpus readers; do
    [[ $name =~ $filter ]] || continue
    [[ -x $program ]] || { echo "$name: not built" >&2; continue; }
    dirs=("$seeds")
    ((found)) && [[ -d $corpus ]] && dirs+=("$corpus")
    inputs=$(find "${dirs[@]}" -type f | wc -l)
    echo "$name ($inputs inputs)"
    nice "$program" -runs=0 -print_coverage=1 "${dirs[@]}" 2>&1 |
        awk -v readers="$readers" '
            BEGIN { n = split(readers, r, ","); }
            /^(UN)?COVERED_FUNC:/ {
                split($5, e, "/"); loc = $NF; sub(/:[0-9]+$/, "", loc);
                for (i = 1; i <= n; ++i) {
                    # Paths come as the compiler saw them (build/../src); compare their ends.
                    if (length(loc) >= length(r[i]) && substr(loc, length(loc) - length(r[i]) + 1) == r[i]) {
                        fn = $6; for (k = 7; k < NF; ++k) fn = fn " " $k;
                        key = r[i] SUBSEP fn;
                        if (!(key in total)) { order[++m] = key; }
                        if (e[2] > total[key]) { total[key] = e[2]; }
                        if (e[1] > hit[key]) { hit[key] = e[1]; }
                    }
                }
            }
            END {
                for (j = 1; j <= m; ++j) {
                    split(order[j], p, SUBSEP);
                    fh[p[1]] += hit[order[j]]; ft[p[1]] += total[order[j]];
                }
                for (i = 1; i <= n; ++i) {
                    f = r[i]; if (!(f in ft)) continue;
                    printf "  %-32s %5d/%-5d %5.1f%%\n", f, fh[f], ft[f], ft[f] ? 100 * fh[f] / ft[f] : 100;
                    for (j = 1; j <= m; ++j) {
                        split(order[j], p, SUBSEP); if (p[1] != f) continue;
                        fn = p[2]; if (length(fn) > 70) fn = substr(fn, 1, 67) "...";
                        printf "      %4d/%-4d %5.1f%%  %s\n", hit[order[j]], total[order[j]],
                               total[order[j]] ? 100 * hit[order[j]] / total[order[j]] : 100, fn;
                    }
                }
            }'
done <"$list"
