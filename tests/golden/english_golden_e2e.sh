#!/usr/bin/env bash
# The three windows in English (LANG=en_US.UTF-8), beside the Japanese ones of the other golden runs: the game's
# start panel and course 2's first stage waiting for its serve, the runner and the editor at start.
# Usage: english_golden_e2e.sh <game folder> <scratch folder> <reference folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
source "$here/golden.sh"
ref=$3
log_mask="0,400 400,424 F5F5F5"  # the log line under the field, which scrolls on a real-time timer

e2e_init "$2"
e2e_game_copy "$1"
export ZORBAN_WAV_OUT="$E2E_DIR/sound.wav"
dat="$E2E_GAME/dat"
# Fresh saves, as in the Japanese run.
{
    printf '0\r\n0\r\n0\r\n'
    for ((k = 0; k < 513; k++)); do printf '0\r\n'; done
} >"$dat/my.dat"
printf '\r\n0\r\n0\r\n99\r\n50\r\n10\r\n0\r\n-1\r\n0\r\n0\r\n0\r\n1\r\n' >"$dat/my2.dat"
rm -f "$E2E_GAME/zorban.ini"

LANG=en_US.UTF-8 e2e_launch zorban
win=$(e2e_wait_window "Zorban Block 5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
golden_shot "$ref" "$win" game-start-en.png
e2e_game_first_stage "$win"
golden_shot "$ref" "$win" game-stage-en.png "$log_mask"
e2e_close_expect_exit "$win"

LANG=en_US.UTF-8 e2e_launch zorban_runner
win=$(e2e_wait_window "Zorban Block userPLAY")
golden_shot "$ref" "$win" runner-start-en.png
e2e_close_expect_exit "$win"

LANG=en_US.UTF-8 e2e_launch zorban_maker
win=$(e2e_wait_window "Zorban Block Maker")
golden_shot "$ref" "$win" maker-start-en.png
e2e_close_expect_exit "$win"
golden_end "the three windows in English"
