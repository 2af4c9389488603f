#!/usr/bin/env bash
# Records the golden references afresh from a build, for a change of behaviour that is meant: runs the
# golden tests with ZORBAN_GOLDEN_RECORD=1 (they then write tests/golden/ref/ instead of comparing), then
# once more as tests, and shows what changed. Review the difference (git diff tests/golden/ref) before
# committing it.
# Usage: tests/golden/record.sh [build folder (default build)] [ctest regex (default: every golden test)]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
regex=${2:-.}
ZORBAN_GOLDEN_RECORD=1 ctest --test-dir "$build" -L golden -R "$regex" --output-on-failure
ctest --test-dir "$build" -L golden -R "$regex" --output-on-failure
git -C "$root" status --short -- tests/golden/ref
