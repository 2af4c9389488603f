#!/usr/bin/env bash
# zorban through a real sound server: a private PulseAudio whose null sink is recorded while a course is
# picked (b.wav), its first stage started (b.wav) and the ball served (at1.wav). The game plays all three on
# channel 0, one after the other, so the recording must hold each exactly as the mixer converts it.
# Usage: server_game_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/sound_server.sh"

build=$1
e2e_init "$2"
e2e_game_copy "$build" zorban
dat="$E2E_GAME/dat"
for name in b at1; do
    e2e_wavconv "$build" "$name.wav" "$E2E_DIR/$name.raw"
done

# Records in which course 2 is open.
e2e_game_fresh_saves

e2e_sound_start
e2e_sound_record "$E2E_DIR/heard.raw"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_game_first_stage "$win" 0.5  # course 2, ARE YOU READY !?
sleep 0.5
e2e_click "$win" 180 300   # the serve
sleep 1.5
e2e_sound_record_stop
e2e_answer yes  # closing while the ball is in play asks first
e2e_close_expect_exit "$win"
grep -q '^error' "$E2E_DIALOGS.log" 2>/dev/null && e2e_fail "an error was shown: $(e2e_dialog_log)"

heard() { python3 "$E2E_LIB_DIR/heard.py" --whole "$@"; }
heard "$E2E_DIR/b.raw" "$E2E_DIR/heard.raw" 2 || e2e_fail "the course pick and the stage start were not heard whole"
heard "$E2E_DIR/at1.raw" "$E2E_DIR/heard.raw" 1 || e2e_fail "the serve was not heard whole"
e2e_pass "the course pick, the stage start and the serve were heard through the sound server"
