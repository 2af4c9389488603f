#!/usr/bin/env bash
# Every panel worked with keys only, on a virtual display with the pointer off the windows: in zorban the
# start panel's course buttons, help and the toy shop (left with Escape too) and the end panel with Tab, the
# arrows and Enter, the focus marked in the game's pink; in zorban_runner the slower practice pace and the
# block patterns, each remembered in the settings.
# Usage: keys_panels_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1"
e2e_game_fresh_saves
# A course cleared once (so the toy shop is open) and two toys held.
toys=()
for ((k = 0; k < 513; k++)); do toys+=(0); done
toys[1]=1
toys[2]=2
e2e_write_lines "$E2E_GAME/dat/my.dat" 1 0 0 "${toys[@]}"
xdotool mousemove 0 0

# Presses key (Tab by default) until the box at (x, y), w wide, carries the mark.
focus_on() {
    local win=$1 x=$2 y=$3 w=$4 what=$5 key=${6:-Tab} i
    for ((i = 0; i < 12; i++)); do
        e2e_focus_marked "$win" "$x" "$y" "$w" && return 0
        e2e_key "$win" "$key"
        sleep 0.1
    done
    e2e_fail "$what never took the focus"
}

e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
e2e_focus_marked "$win" 208 92 177 && e2e_fail "a focus mark before any key"
# Course 1's button first, the arrow down to course 2, Enter picks it.
e2e_key "$win" Tab
focus_on "$win" 208 92 177 "course 1's button"
e2e_key "$win" Down
focus_on "$win" 208 124 177 "course 2's button"
e2e_key "$win" Return
e2e_wait_pixel "$win" 200 300 000000 "play field"
# Help, shown beside "ARE YOU READY !?", and back; Enter presses the button the keyboard went to.
focus_on "$win" 504 292 97 "HELP"
e2e_key "$win" Return
e2e_wait_pixel "$win" 300 102 808080 "the help panel's story"
focus_on "$win" 476 364 113 "モドルモドル"
e2e_key "$win" Return
e2e_wait_pixel "$win" 40 45 000000 "the field after help"
# Escape backs out of help as its button does.
focus_on "$win" 504 292 97 "HELP"
e2e_key "$win" Return
e2e_wait_pixel "$win" 300 102 808080 "the help panel again"
e2e_key "$win" Escape
e2e_wait_pixel "$win" 40 45 000000 "the field after Escape"
# The toy shop: a toy picked with the arrows in its list is shown; Escape goes home.
focus_on "$win" 404 292 97 "TOY"
e2e_key "$win" Return
e2e_wait_pixel "$win" 500 300 808080 "the toy shop's list"
toy_shown() { [ "$(e2e_client_pixel "$win" 240 210)" != C0C0C0 ]; }
for ((i = 0; i < 6; i++)); do
    toy_shown && break
    e2e_key "$win" Tab
    e2e_key "$win" Down
    sleep 0.2
done
e2e_wait_for "a toy picked with the keys shown" toy_shown
e2e_key "$win" Escape
e2e_wait_pixel "$win" 40 45 000000 "the field after the toy shop"
focus_on "$win" 404 248 197 "ARE YOU READY !?"
e2e_key "$win" Return
e2e_wait_pixel "$win" 405 315 000000 "start prompt"

# Space serves and explodes until the lives are gone; Enter opens the end panel, whose button goes home.
for ((i = 0; i < 60; i++)); do
    e2e_key "$win" space
    sleep 0.15
    [ "$(e2e_client_pixel "$win" 590 390)" != 8080C0 ] && break
done
e2e_key "$win" Return
e2e_wait_pixel "$win" 85 98 8000FF "course name on the end panel"
focus_on "$win" 404 420 193 "ＳＡＶＥ ＡＮＤ GAME END...."
e2e_key "$win" Return
e2e_wait_file "$E2E_GAME/投稿用2.txt"
e2e_wait_pixel "$win" 170 240 FFFFFF "course box after saving"
[ -z "$(e2e_dialog_log)" ] || e2e_fail "a key opened a dialog: $(e2e_dialog_log)"
e2e_close_expect_exit "$win"

# The runner: F2 slows the ball to 75 %, F3 draws the patterns (lines down on the blue block).
stage="$E2E_DIR/blue.usr"
write_stage "$stage" Keys tester "6 5 18"
e2e_launch zorban_runner "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 213 86 80FFFF "the blue block, plain"
e2e_key "$win" F3
e2e_wait_pixel "$win" 213 86 000000 "the blue block's pattern"
e2e_key "$win" F2
e2e_wait_for "the pace remembered" grep -qi '^pace=75' "$E2E_GAME/zorban.ini"
grep -qi '^patterns=1' "$E2E_GAME/zorban.ini" || e2e_fail "the patterns not remembered: $(cat "$E2E_GAME/zorban.ini")"
e2e_close_expect_exit "$win"
e2e_pass "the game's panels and the runner's choices worked with keys only"
