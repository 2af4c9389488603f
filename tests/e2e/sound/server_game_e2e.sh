#!/usr/bin/env bash
# zorban through a real sound server: a private PulseAudio whose null sink is recorded while a course is
# picked (b.wav), its first stage started (b.wav) and the ball served (at1.wav). The game plays all three on
# channel 0, one after the other, so the recording must hold each exactly as the mixer converts it.
# Usage: server_game_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"
source "$(dirname "$0")/../lib/pulse.sh"

build=$1
e2e_init "$2"
e2e_game_copy "$build" zorban
dat="$E2E_GAME/dat"
wavconv="$build/tools/zorban_wavconv"
[ -x "$wavconv" ] || e2e_fail "no $wavconv"
for name in b at1; do
    "$wavconv" "$dat/SOUNDMIX.INI" "$dat/$name.wav" "$E2E_DIR/$name.raw" >/dev/null
done

# Records in which course 2 is open.
write_lines() {
    local out=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$out"
}
zeros=()
for ((k = 0; k < 513; k++)); do zeros+=(0); done
write_lines "$dat/my.dat" 0 0 0 "${zeros[@]}"
write_lines "$dat/my2.dat" "" 0 0 99 50 10 0 -1 0 0 0 1

e2e_pulse_start
e2e_pulse_record "$E2E_DIR/heard.raw"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
e2e_click "$win" 296 138   # course 2
e2e_wait_pixel "$win" 200 300 000000 "play field"
sleep 0.5
e2e_click "$win" 502 269   # ARE YOU READY !?
e2e_wait_pixel "$win" 405 315 000000 "start prompt"
sleep 0.5
e2e_click "$win" 180 300   # the serve
sleep 1.5
e2e_pulse_record_stop
e2e_answer yes  # closing while the ball is in play asks first
e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ "$code" = 0 ] || e2e_fail "zorban exited with $code"
grep -q '^error' "$E2E_DIALOGS.log" 2>/dev/null && e2e_fail "an error was shown: $(e2e_dialog_log)"

heard() { python3 "$E2E_LIB_DIR/heard.py" --whole "$@"; }
heard "$E2E_DIR/b.raw" "$E2E_DIR/heard.raw" 2 || e2e_fail "the course pick and the stage start were not heard whole"
heard "$E2E_DIR/at1.raw" "$E2E_DIR/heard.raw" 1 || e2e_fail "the serve was not heard whole"
e2e_pass "the course pick, the stage start and the serve were heard through the sound server"
