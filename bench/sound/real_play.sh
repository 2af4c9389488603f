#!/usr/bin/env bash
# Real play through a real sound server, counting dropouts: zorban_runner on a private Xvfb plays into a
# private PulseAudio (the end-to-end test library's) for MINUTES, on a field of row bombs, bombs and an
# all-clear block, served again and again, with explosions clicked in between: the row flash, the small and big
# bursts and the explosions' own bursts all hold the window's thread. Every sound but the explosion (7.wav,
# channel 1) is made silent, so the sink's monitor recording must hold each explosion byte for byte; a play
# that leaves the sound and takes it up again a little later is a dropout. LOAD processes (default 0) keep the
# CPU busy beside the game all the while, as a parallel build would. By hand:
#     bench/sound/real_play.sh build [MINUTES (default 10)] [SCRATCH (default /tmp/zorban-real-play)] [LOAD]
# Exit status 1 when any dropout was heard.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/lib/pulse.sh"

build=$1
minutes=${2:-10}
load=${4:-0}
e2e_init "${3:-/tmp/zorban-real-play}"
e2e_game_copy "$build" zorban_runner
dat="$E2E_GAME/dat"
e2e_wavconv "$build" 7.wav "$E2E_DIR/7.raw"
e2e_quiet_sounds "$dat" 7.wav

# Row bombs in rows 4..8, bombs in rows 9 and 10 (every other column), the all-clear block at the top.
stage="$dat/play.usr"
cells="1-10 4-8 15 9 2 12"
for ((col = 1; col <= 10; col++)); do cells+=" $col $((9 + (col + 1) % 2)) 10"; done
write_stage "$stage" PLAY tester "$cells"
for ((i = 0; i < 60 * minutes; i++)); do e2e_answer "open $stage"; done

e2e_pulse_start
e2e_cpu_load "$load" $((60 * minutes + 120))
e2e_pulse_record "$E2E_DIR/heard.raw"
e2e_launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
end=$((SECONDS + 60 * minutes))
rounds=0
x=334
while ((SECONDS < end)); do
    e2e_click "$win" 500 280  # the stage afresh
    sleep 1
    for wait in 7 4; do
        x=$((670 - x))
        e2e_click "$win" "$x" 300  # serve
        sleep "$wait"
        e2e_click "$win" $((x + 1)) 300  # an explosion: its burst, and a life gone
        sleep 1.2
    done
    rounds=$((rounds + 1))
done
sleep 1
e2e_pulse_record_stop
e2e_answer yes
e2e_close "$win"
e2e_wait_exit || true
echo "played $rounds rounds in $minutes min with $load busy processes beside the game"
# A play cut by the next explosion mixed into it is the game's own sound, not a dropout.
heard=$(python3 "$E2E_LIB_DIR/heard.py" --whole "$E2E_DIR/7.raw" "$E2E_DIR/heard.raw" 1 || true)
tail -1 <<<"$heard"
grep -q ' 0 of them by a dropout' <<<"$heard"
