#!/usr/bin/env bash
# zorban_runner through a real sound server: a field of row bombs and bombs, played into a private PulseAudio
# (PipeWire in the Wayland run) whose null sink is recorded. Every other sound is made silent, so the recording
# must hold each explosion (7.wav) exactly as the mixer converts it, unbroken: the row flash and the bursts hold
# the window's thread for up to 200 ms, and the sound must not stop meanwhile. With ZORBAN_E2E_LOAD=N, N
# processes keep the CPU busy beside the game all the while (a parallel build on a 2-core laptop): the sound
# must hold all the same.
# Usage: server_explosions_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/sound_server.sh"

build=$1
e2e_init "$2"
e2e_game_copy "$build" zorban_runner
dat="$E2E_GAME/dat"
e2e_wavconv "$build" 7.wav "$E2E_DIR/7.raw"
e2e_quiet_sounds "$dat" 7.wav

# Row bombs (15) fill rows 3..8, bombs (10) stand in row 9. The ball goes straight up column 9 and back onto
# the bar: the bomb there goes first, then one row bomb each time the ball comes up again.
stage="$dat/bombs.usr"
write_stage "$stage" BOMBS tester "1-10 3-8 15 3 9 10 6 9 10 9 9 10"

field_drawn() { [ "$(e2e_client_pixel "$win" 20 50)" != 000000 ]; }

load=${ZORBAN_E2E_LOAD:-0}
e2e_sound_start
e2e_cpu_load "$load" 60
e2e_sound_record "$E2E_DIR/heard.raw"
e2e_runner_play "$stage"
win=$E2E_WIN
e2e_wait_for "the bombs drawn" field_drawn
e2e_move "$win" 335 300
e2e_click "$win" 335 300
# The ball climbs into the bombs; let them go off, then let the last sound end.
sleep 10
e2e_sound_record_stop
e2e_answer yes  # closing while the ball is in play asks first
e2e_close_expect_exit "$win"
grep -qi error "$E2E_DIALOGS.log" 2>/dev/null && e2e_fail "an error was shown: $(e2e_dialog_log)"

python3 "$E2E_LIB_DIR/heard.py" --whole "$E2E_DIR/7.raw" "$E2E_DIR/heard.raw" 5 ||
    e2e_fail "explosions were cut or missing in the sound server's recording"
e2e_pass "every explosion was heard whole through the sound server ($load busy processes beside the game)"
