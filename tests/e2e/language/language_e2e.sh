#!/usr/bin/env bash
# Starts each program on a virtual display with LANG=en_US.UTF-8: the windows are in English, and so are --help
# and a wrong option's fault, with no display at all. Ctrl+Shift+L in the
# editor writes language=ja into its section of zorban.ini and says so; with language=ja in every program's
# section the same desktop gets the Japanese windows and command line. A French desktop gets English.
# Usage: language_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1"
[ -e "$E2E_GAME/zorban_en.qm" ] || e2e_fail "no zorban_en.qm beside the programs"
ini="$E2E_GAME/zorban.ini"

# The window of the program just launched, found by the version in its caption (the same in every language: a
# Japanese caption set under a locale the system lacks is not found by name), whose caption must hold title.
window_titled() {
    local win name
    win=$(e2e_wait_window "ver[0-9]")
    name=$(xdotool getwindowname "$win")
    [[ $name == *"$1"* ]] || e2e_fail "the window is \"$name\", not \"$1\""
    echo "$win"
}

# Starts program on a desktop of language $lang (only the program gets it), checks its caption, closes it.
shows() {
    LANG=$lang e2e_launch "$1"
    local win
    win=$(window_titled "$2")
    e2e_close_expect_exit "$win"
}

# What program writes to the terminal on a desktop of language $lang, with no display: its --help must begin
# with usage, and --nope's fault (exit code 2) must end with fault.
tells() {
    local out code=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY LANG=$lang "$E2E_GAME/$1" --help) || e2e_fail "$1 --help failed"
    [[ $out == "$2 $1 "* ]] || e2e_fail "$1 --help printed: $out"
    env -u DISPLAY -u WAYLAND_DISPLAY LANG=$lang "$E2E_GAME/$1" --nope 2>"$E2E_DIR/err" >/dev/null || code=$?
    [ $code = 2 ] && [[ $(head -n 1 "$E2E_DIR/err") == "$1: $3" ]] || e2e_fail "$1 --nope: $code, $(cat "$E2E_DIR/err")"
}

lang=en_US.UTF-8
for p in zorban zorban_runner zorban_maker; do tells $p "Usage:" "unknown option --nope"; done
shows zorban "Zorban Block 5th"
shows zorban_runner "Zorban Block userPLAY"

# The editor in English; its switch is kept for the next start, beside the other keys of its section.
LANG=$lang e2e_launch zorban_maker
win=$(window_titled "Zorban Block Maker")
e2e_key "$win" ctrl+shift+l
e2e_wait_for "language=ja in zorban.ini" grep -q '^language=ja' "$ini"
e2e_close_expect_exit "$win"
grep -q '^\[zorban_maker\]' "$ini" || e2e_fail "the switch went to another section: $(cat "$ini")"
shows zorban_maker "ゾルバンブロックつくーる"

# language=ja in each program's section overrides the English desktop.
printf '[zorban]\r\nlanguage=ja\r\n[zorban_runner]\r\nlanguage=ja\r\n[zorban_maker]\r\nlanguage=ja\r\n' >"$ini"
shows zorban "ゾルバンブロック5th"
shows zorban_runner "ゾルバンブロックuserPLAY"
shows zorban_maker "ゾルバンブロックつくーる"
for p in zorban zorban_runner zorban_maker; do tells $p "使い方:" "--nope というオプションはありません"; done

# No translation for French: English.
rm -f "$ini"
lang=fr_FR.UTF-8
shows zorban_runner "Zorban Block userPLAY"
tells zorban_maker "Usage:" "unknown option --nope"

e2e_pass "each program's window and command line in English on an English or French desktop, in Japanese with language=ja"
