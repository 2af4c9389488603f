#!/usr/bin/env bash
# Plays a stage of zorban_runner to CLEAR with a game pad only, on a virtual display: SDL's virtual joystick
# inside the real program (ZORBAN_TEST_PAD), plugged in while the program runs. The D-pad moves the bar one
# column, the stick pushed all the way takes it to the wall, Start pauses and goes on, unplugging the pad
# pauses, A (on a pad plugged in again) goes on from the pause, and A serves straight up into the only block.
# The pointer stays off the window and no key is typed.
# Usage: pad_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# One white block at column 6, row 5. (Pixels: cell (c, r) spans x 40(c-1)..40c, y 20(r-1)..20r.)
stage="$E2E_DIR/one.usr"
write_stage "$stage" Pad tester "6 5 1"
pad="$E2E_DIR/pad.txt"
: >"$pad"
# Each line is played once, one a look of the pad (about 50 ms apart).
pad() { printf '%s\n' "$@" >>"$pad"; }
purple=8000FF  # the pause label's background
pause_shown() { [ "$(e2e_client_pixel "$win" 10 200)" = $purple ]; }
pause_hidden() { ! pause_shown; }

xdotool mousemove 0 0
export ZORBAN_TEST_PAD="$pad"
e2e_launch zorban_runner "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 220 90 FFFFFF "the white block drawn"
e2e_wait_pixel "$win" 380 350 FFFFFF "the bar under the serve column"

pad plug "press dpleft" "release dpleft"
e2e_wait_pixel "$win" 380 350 000000 "the bar one column left of the serve column (D-pad)"
e2e_expect_pixel "$win" 220 350 000000 "the bar moved one column only"
pad "stick -32768 0"
e2e_wait_pixel "$win" 20 350 FFFFFF "the bar at the left wall (stick)"
pad "stick 0 0" "press dpright" "release dpright" "press dpright" "release dpright" \
    "press dpright" "release dpright" "press dpright" "release dpright"
e2e_wait_pixel "$win" 260 350 FFFFFF "the bar under column 6"
e2e_expect_pixel "$win" 140 350 000000 "the bar moved off column 4"

pad "press start" "release start"
e2e_wait_for "Start to pause" pause_shown
pad "press start" "release start"
e2e_wait_for "Start to go on" pause_hidden

pad unplug
e2e_wait_for "the unplugged pad to pause" pause_shown
pad plug "press a" "release a"
e2e_wait_for "A to go on from the pause" pause_hidden
e2e_expect_pixel "$win" 220 90 FFFFFF "the block still there: going on from a pause does not serve"

pad "press a" "release a"
e2e_wait_pixel "$win" 220 90 000000 "the block broken"
e2e_wait_field_still "$win"
[ -z "$(e2e_dialog_log)" ] || e2e_fail "the pad opened a dialog: $(e2e_dialog_log)"

e2e_close_expect_exit "$win"
e2e_pass "a stage played to CLEAR with a game pad only, plugged out and in again"
