#!/usr/bin/env bash
# Plays a stage of zorban_runner to CLEAR with keys only on a virtual display: the bar goes from the serve
# column 9 to the left wall with Left and A, back to column 6 with Shift+Right and Right, and Space serves
# straight up into the only block. The pointer stays off the window, so only keys move the bar. The stage
# button has the keyboard focus meanwhile, so the keys must reach the field before it.
# Usage: runner_keys_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# One white block at column 6, row 5. (Pixels: cell (c, r) spans x 40(c-1)..40c, y 20(r-1)..20r.)
stage="$E2E_DIR/one.usr"
write_stage "$stage" Keys tester "6 5 1"
before=$(e2e_listing)

xdotool mousemove 0 0
e2e_launch zorban_runner "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 220 90 FFFFFF "the white block drawn"
e2e_wait_pixel "$win" 340 350 FFFFFF "the bar under the serve column"

# Nine presses left: the bar of three cells stops at the wall, centred on column 2.
e2e_key "$win" Left Left a Left Left a Left Left a
e2e_wait_pixel "$win" 20 350 FFFFFF "the bar at the left wall"
e2e_expect_pixel "$win" 340 350 000000 "no bar left under column 9"
# Three columns at once, then one: column 6.
e2e_key "$win" shift+Right
e2e_wait_pixel "$win" 220 350 FFFFFF "the bar under column 5"
e2e_expect_pixel "$win" 20 350 000000 "no bar left at the wall"
e2e_key "$win" Right
e2e_wait_pixel "$win" 260 350 FFFFFF "the bar under column 6"
e2e_expect_pixel "$win" 140 350 000000 "the bar moved off column 4"

e2e_key "$win" space
e2e_wait_pixel "$win" 220 90 000000 "the block broken"

# CLEAR: the ball stops and the field no longer changes.
e2e_wait_field_still "$win"
[ -z "$(e2e_dialog_log)" ] || e2e_fail "a key opened a dialog: $(e2e_dialog_log)"

e2e_close_expect_exit "$win"
after=$(e2e_listing)
[ "$before" = "$after" ] || e2e_fail "files changed: $(diff <(echo "$before") <(echo "$after") || true)"
e2e_pass "a stage played to CLEAR with keys only"
