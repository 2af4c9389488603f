#!/usr/bin/env bash
# Onset of a serve's sound through a real sound server: zorban_runner on a private Xvfb plays into a private
# PulseAudio (the end-to-end test library's), every sound but the serve's made silent; serve_onset.py clicks
# with xdotool and times the first sample at the sink's monitor. By hand:
#     bench/sound/serve_onset.sh build [SERVES (default 30)] [SCRATCH (default /tmp/zorban-serve-onset)]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/lib/pulse.sh"

build=$1
serves=${2:-30}
e2e_init "${3:-/tmp/zorban-serve-onset}"
e2e_game_copy "$build" zorban_runner
e2e_quiet_sounds "$E2E_GAME/dat" at1.wav

# One hard block in the far corner: the stage lasts, and the ball meets nothing while it is timed.
stage="$E2E_GAME/dat/onset.usr"
write_stage "$stage" ONSET tester "1 2 9"
for ((i = 0; i < serves; i++)); do e2e_answer "open $stage"; done

e2e_pulse_start
e2e_launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
python3 "$here/serve_onset.py" "$win" "$serves" 500 280
e2e_answer yes
e2e_close "$win"
e2e_wait_exit || true
