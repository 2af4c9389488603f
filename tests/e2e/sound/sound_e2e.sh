#!/usr/bin/env bash
# Drives the real zorban on a virtual display with its sound recorded into WAV files (ZORBAN_WAV_OUT), three times:
# 1. at the first start a serve is recorded holding at1.wav exactly as the mixer converts it; then '-' three times
#    and M are pressed, and zorban.ini remembers Volume=70 and Mute=1;
# 2. started again, the game is muted: a serve records nothing but silence (time goes on: blocks are played);
#    M unmutes and zorban.ini remembers it;
# 3. started again, a serve records at1.wav at 70 % of its distance from silence.
# Usage: sound_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

build=$1
e2e_init "$2"
e2e_game_copy "$build" zorban
dat="$E2E_GAME/dat"
ini="$E2E_GAME/zorban.ini"
e2e_wavconv "$build" at1.wav "$E2E_DIR/at1.raw"
e2e_wavconv "$build" at1.wav "$E2E_DIR/at1-70.raw" 70

# Records in which course 2 is open, and no remembered settings.
e2e_game_fresh_saves
rm -f "$ini"

# The value of a key in zorban.ini (keys are matched without regard to case), without its CR.
setting() { tr -d '\r' <"$ini" 2>/dev/null | sed -n "s/^$1=//Ip"; }
setting_is() { [ "$(setting "$1")" = "$2" ]; }

# Starts zorban recording into $1, opens course 2, its first stage and serves; the window id goes into win.
start_and_serve() {
    export ZORBAN_WAV_OUT=$1
    e2e_launch zorban
    win=$(e2e_wait_window "ゾルバンブロック5th")
    e2e_game_first_stage "$win"
    e2e_click "$win" 180 300
    sleep 1.5  # at1.wav lasts 80 ms; later hits queue behind it on the same channel
}

# Closes the window during play, saying yes should the game ask whether to end it.
close_game() {
    e2e_answer yes
    e2e_close_expect_exit "$1"
}

heard() { python3 "$E2E_LIB_DIR/heard.py" "$@"; }

# 1. Full volume: the serve's sound, byte for byte.
start_and_serve "$E2E_DIR/full.wav"
e2e_key "$win" minus minus minus m
e2e_wait_for "Volume=70 in zorban.ini" setting_is Volume 70
e2e_wait_for "Mute=1 in zorban.ini" setting_is Mute 1
close_game "$win"
heard --exact "$E2E_DIR/at1.raw" "$E2E_DIR/full.wav" || e2e_fail "the recording does not hold the serve's at1.wav"

# 2. Muted from the start.
start_and_serve "$E2E_DIR/muted.wav"
heard --silent "$E2E_DIR/muted.wav" || e2e_fail "a muted game was heard, or played no blocks"
e2e_key "$win" m
e2e_wait_for "Mute=0 in zorban.ini" setting_is Mute 0
close_game "$win"

# 3. The remembered volume of 70 %.
start_and_serve "$E2E_DIR/seventy.wav"
close_game "$win"
heard --exact "$E2E_DIR/at1-70.raw" "$E2E_DIR/seventy.wav" || e2e_fail "the recording does not hold at1.wav at 70 %"
setting_is Volume 70 || e2e_fail "Volume is $(setting Volume) after the third run"
e2e_pass "zorban's recording held at1.wav exactly; volume keys, mute and the remembered volume reached the output"
