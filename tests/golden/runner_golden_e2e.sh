#!/usr/bin/env bash
# The steps of the runner's end-to-end run (tests/e2e/runner/runner_e2e.sh) on the real zorban_runner, with
# the window compared with the recorded pictures: at start, and with the stage chosen through the scripted
# open dialog, its ball waiting for the serve under the title banner. Then the volume key "-" and Ctrl and +
# write zorban.ini, which is compared byte for byte (nothing masked); the window at twice the size is
# compared too, once the banner has gone.
# Usage: runner_golden_e2e.sh <game folder> <scratch folder> <reference folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
source "$here/../e2e/maker/stage_file.sh"
source "$here/golden.sh"
ref=$3
log_mask="0,400 400,424 F5F5F5"  # the log line under the field, which scrolls on a real-time timer

e2e_init "$2"
e2e_game_copy "$1" zorban_runner
rm -f "$E2E_GAME/zorban.ini"
export ZORBAN_WAV_OUT="$E2E_DIR/sound.wav"

# One white block straight above the serve column (column 9, row 5) and a wall at (2, 2).
stage="$E2E_GAME/dat/e2e.usr"
write_stage "$stage" E2E tester "9 5 1 2 2 13"

e2e_answer "open $stage"
e2e_launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
golden_shot "$ref" "$win" runner-start.png

e2e_click "$win" 500 280
e2e_wait_pixel "$win" 340 90 FFFFFF "the white block drawn"
GOLDEN_SETTLE=0.3 golden_shot "$ref" "$win" runner-stage.png "$log_mask"  # the title banner shows for 5 s

e2e_key "$win" minus
e2e_wait_file "$E2E_GAME/zorban.ini"
sleep 1.5
read -r w h < <(e2e_size "$win")
e2e_key "$win" ctrl+plus
twice() { [ "$(e2e_size "$win")" = "$((2 * w)) $((2 * h))" ]; }
e2e_wait_for "the window at twice its size" twice
e2e_wait_for "scale=2 in zorban.ini" grep -q scale=2 "$E2E_GAME/zorban.ini"
# Once the banner and the size note have gone (the field black where the title and author stood and in its
# top-right corner), the window no longer changes. The note stays a second, so a slow run may catch it or not.
xdotool mousemove 0 0
black() { [ "$(convert "$E2E_DIR/runner-scale2.png" -crop "$1" -format '%[fx:maxima]' info:)" = 0 ]; }
banner_gone() {
    e2e_window_shot "$win" "$E2E_DIR/runner-scale2.png"
    black 400x200+200+140 && black 200x60+600+0
}
E2E_TIMEOUT=30 e2e_wait_for "the banner and the note to go" banner_gone
sleep 0.5
e2e_window_shot "$win" "$E2E_DIR/runner-scale2.png"
# Twice the size: kept at half its size, as a quarter of the pixels, to keep the reference small.
convert "$E2E_DIR/runner-scale2.png" -sample 50% "$E2E_DIR/runner-scale2-half.png"
GOLDEN_MASK="$log_mask" golden_image "$ref" runner-scale2-half.png "$E2E_DIR/runner-scale2-half.png"

e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ "$code" = 0 ] || e2e_fail "zorban_runner exited with $code"
golden_check "$ref" runner-zorban.ini "$E2E_GAME/zorban.ini"
golden_end "zorban_runner's pictures and zorban.ini"
