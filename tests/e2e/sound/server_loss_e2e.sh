#!/usr/bin/env bash
# zorban_runner loses its sound device: the private PulseAudio (PipeWire in the Wayland run) it plays into is
# stopped during play. The game goes on silently with no error shown; when the server is back, the next sounds
# are heard again.
# Usage: server_loss_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/sound_server.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# Hard blocks (9) over the whole width of rows 3..6: the ball keeps hitting something that sounds.
stage="$E2E_GAME/dat/hard.usr"
write_stage "$stage" HARD tester "1-10 3-6 9"

heard() { python3 "$E2E_LIB_DIR/heard.py" --sounding "$@"; }
alive() { kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "zorban_runner ended (see $E2E_DIR/zorban_runner.log)"; }
no_errors() { ! grep -q '^error' "$E2E_DIALOGS.log" 2>/dev/null || e2e_fail "an error was shown: $(e2e_dialog_log)"; }
field_drawn() { [ "$(e2e_client_pixel "$win" 20 50)" != 000000 ]; }
# A left click in the field serves, or during play sets off an explosion: either makes a sound.
click_in_field() {
    e2e_click "$win" $((330 + $1)) 300
}

e2e_sound_start
e2e_runner_play "$stage"
win=$E2E_WIN
e2e_wait_for "the blocks drawn" field_drawn

# 1. Heard through the server.
e2e_sound_record "$E2E_DIR/before.raw"
click_in_field 5
sleep 2
e2e_sound_record_stop
heard "$E2E_DIR/before.raw" 0.05 || e2e_fail "nothing was heard before the server stopped"

# 2. The server goes away during play: the game goes on, silently and without a message.
e2e_sound_stop
for i in 1 2 3; do
    sleep 1
    click_in_field "$i"
done
alive
no_errors
e2e_window_shot "$win" "$E2E_DIR/without-server.png"

# 3. The server comes back: the next sounds are heard again.
e2e_sound_restart
e2e_sound_record "$E2E_DIR/after.raw"
for i in 1 2 3 4; do
    sleep 1
    click_in_field "$i"
done
sleep 1
e2e_sound_record_stop
alive
no_errors
heard "$E2E_DIR/after.raw" 0.05 || e2e_fail "no sound was heard after the server came back"

e2e_answer yes  # closing while the ball is in play asks first
e2e_close_expect_exit "$win"
no_errors
e2e_pass "the runner lived through losing its sound server and was heard again when it came back"
