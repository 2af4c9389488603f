#!/usr/bin/env bash
# Starts each program on a virtual display with LANG=en_US.UTF-8: the windows are in English. Ctrl+Shift+L in the
# editor writes language=ja into its section of zorban.ini and says so; with language=ja in every program's
# section the same desktop gets the Japanese windows. A French desktop gets English.
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

lang=en_US.UTF-8
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

# No translation for French: English.
rm -f "$ini"
lang=fr_FR.UTF-8
shows zorban_runner "Zorban Block userPLAY"

e2e_pass "each program in English on an English or French desktop, in Japanese with language=ja"
