#!/usr/bin/env bash
# Drives the real zorban_runner's demo on a virtual display: `zorban_runner --demo FILE` plays a stage of
# two blocks by itself to CLEAR while the pointer moves and clicks over the field to no effect, and stays
# open there; checks that nothing was written anywhere.
# Usage: runner_demo_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# A white block at column 2, row 12 and a blue one at column 9, row 10, clear of the banner's rows.
# (Pixels: cell (c, r) spans x 40(c-1)..40c, y 20(r-1)..20r.)
stage="$E2E_DIR/two.usr"
write_stage "$stage" Demo tester "2 12 1 9 10 18"
before=$(e2e_listing)

e2e_launch zorban_runner --demo "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")

# The player's mouse does nothing while the demo plays: a move to the far left and a left click, which
# would otherwise move the bar and set off an explosion. (The demo may have cleared the stage already: the
# blocks are not looked for before.)
e2e_move "$win" 5 300
e2e_click "$win" 5 300

e2e_wait_pixel "$win" 60 230 000000 "the white block broken"
e2e_wait_pixel "$win" 340 190 000000 "the blue block broken"

# Stopped at CLEAR: the field no longer changes (the ball stands still; the banner fades after six seconds,
# so it is not looked for).
e2e_wait_field_still "$win"
# The stage was played, not missing: the bar stands in row 18 of the field.
bar=$(convert "$E2E_DIR/field-b.png" -crop 400x1+0+350 +repage -fill black +opaque '#FFFFFF' -fill white \
    -opaque '#FFFFFF' -format '%[fx:mean>0.05]' info:)
[ "$bar" = 1 ] || e2e_fail "no bar in row 18 (see $E2E_DIR/field-b.png)"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "zorban_runner ended at CLEAR; it should stay"

e2e_close_expect_exit "$win"

after=$(e2e_listing)
[ "$before" = "$after" ] || e2e_fail "files changed: $(diff <(echo "$before") <(echo "$after") || true)"
e2e_pass "the demo cleared the stage by itself and wrote nothing"
