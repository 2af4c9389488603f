#!/usr/bin/env bash
# zorban's start panel worked with a game pad only (SDL's virtual joystick inside the real program): the
# right shoulder button goes from control to control as Tab does, the D-pad as the arrows, and A presses the
# course button with the focus mark; on the play screen A presses the marked HELP (not the big button beside
# it) and B leaves help as its back button does.
# Usage: pad_panels_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1"
e2e_game_fresh_saves
pad="$E2E_DIR/pad.txt"
: >"$pad"
pad() { printf '%s\n' "$@" >>"$pad"; }

# Presses the pad's button until the box at (x, y), w wide, carries the mark.
focus_on() {
    local x=$1 y=$2 w=$3 what=$4 button=${5:-rightshoulder} i
    for ((i = 0; i < 12; i++)); do
        e2e_focus_marked "$win" "$x" "$y" "$w" && return 0
        pad "press $button" "release $button"
        sleep 0.3
    done
    e2e_fail "$what never took the focus"
}

xdotool mousemove 0 0
export ZORBAN_TEST_PAD="$pad"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
# The desktop gives a new window the keyboard focus; Xvfb has no window manager to do so.
xdotool windowfocus --sync "$win"
pad plug
focus_on 208 92 177 "course 1's button"
pad "press dpdown" "release dpdown"
focus_on 208 124 177 "course 2's button" dpdown
pad "press a" "release a"
e2e_wait_pixel "$win" 200 300 000000 "play field"
focus_on 504 292 97 "HELP"
pad "press a" "release a"
e2e_wait_pixel "$win" 300 102 808080 "the help panel"
pad "press b" "release b"
e2e_wait_pixel "$win" 40 45 000000 "the field after B"
[ "$(e2e_client_pixel "$win" 405 315)" = 000000 ] && e2e_fail "A pressed the big button too"
[ -z "$(e2e_dialog_log)" ] || e2e_fail "the pad opened a dialog: $(e2e_dialog_log)"
e2e_close_expect_exit "$win"
e2e_pass "a course picked and help read with a game pad only"
