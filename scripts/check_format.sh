#!/usr/bin/env bash
# Fails when a C++ source of the tree differs from what clang-format makes of it with the repo's .clang-format.
# Usage: check_format.sh [SOURCE_DIR] (default: the folder above this script).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
formatter=${CLANG_FORMAT:-clang-format}
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.cc')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.cc' \) -print)
fi
bad=0
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    if ! "$formatter" --style=file "$f" | cmp -s - "$f"; then
        echo "not formatted: $f (clang-format -i $f)"
        bad=1
    fi
done
echo "${#files[@]} files checked"
exit $bad
