#!/usr/bin/env bash
# Fails when a translation file is not in step with the code: lupdate run on a copy of it changes it, or it holds an
# entry that is unfinished (no translation yet), vanished or obsolete (a text the code no longer has).
# Usage: ts_in_step.sh LUPDATE SOURCE_LIST TS_FILE... (the lupdate options follow "--": ts_in_step.sh ... -- -locations none)
set -euo pipefail
lupdate=$1 sources=$2
shift 2
files=() options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do files+=("$1"); shift; done
[ $# -gt 0 ] && shift
options=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bad=0
for ts in "${files[@]}"; do
    copy=$work/$(basename "$ts")  # lupdate reads the language from the file's name
    cp "$ts" "$copy"
    "$lupdate" "${options[@]}" "@$sources" -ts "$copy" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts is not in step with the code; run: cmake --build build --target update_translations"
        diff -u "$ts" "$copy" | head -40
        bad=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "$ts: the entries above need a translation or are no longer in the code"
        bad=1
    fi
done
[ $bad -eq 0 ] && echo "${#files[@]} translation files in step"
exit $bad
