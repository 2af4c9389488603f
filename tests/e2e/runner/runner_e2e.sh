#!/usr/bin/env bash
# Drives the real zorban_runner on a virtual display: chooses a stage file through the open dialog, serves,
# watches the ball break a block and the status change, closes; checks that nothing was written anywhere.
# Usage: runner_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# A stage with one white block straight above the serve column (column 9, row 5) and a wall at (2, 2).
stage="$E2E_GAME/dat/e2e.usr"
write_stage "$stage" E2E tester "9 5 1 2 2 13"
before=$(e2e_listing)

e2e_answer "open $stage"
# The mixed sound goes into a WAV file instead of a device, so the test can hear what the runner played.
export ZORBAN_WAV_OUT="$E2E_DIR/sound.wav"
e2e_launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_expect_pixel "$win" 200 200 000000 "black field at start"

e2e_click "$win" 500 280   # 自分の作ったｽﾃｰｼﾞをプレイ
e2e_wait_dialog_log $'^open\tゾルバンブロックデータ\\|\\*\\.usr\\|オフィシャルデータ\\|map\\*-\\*\\.dat'
e2e_wait_pixel "$win" 340 90 FFFFFF "the white block drawn"
e2e_wait_pixel "$win" 60 30 808080 "the wall drawn"

# Serve from the bar's centre under column 9 and let the ball break the block.
e2e_move "$win" 335 300
e2e_click "$win" 335 300
e2e_wait_pixel "$win" 340 90 000000 "the block broken"
e2e_window_shot "$win" "$E2E_DIR/played.png"

e2e_close_expect_exit "$win"

# The serve played at1.wav and the block 2.wav: the recording must hold at least at1's length of sound.
python3 "$E2E_LIB_DIR/heard.py" "$ZORBAN_WAV_OUT" "$E2E_GAME/dat/at1.wav" ||
    e2e_fail "the recorded sound does not hold the serve's sound"

after=$(e2e_listing)
[ "$before" = "$after" ] || e2e_fail "files changed: $(diff <(echo "$before") <(echo "$after") || true)"
e2e_pass "runner chose a stage, played it and wrote nothing"
