#!/usr/bin/env bash
# Drives the real zorban_maker and zorban_runner: F5 hands the design to the stage player through a private
# temporary folder, which goes with the editor even when the editor is closed at once after F5 (once the
# player has had the time to read its stage). A runtime folder that takes no new files ($XDG_RUNTIME_DIR under
# /proc) does not stop F5: the folder is made in the system's temporary folder instead.
# Usage: maker_testplay_e2e.sh <game folder of the build> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"
e2e_init "$2"
e2e_game_copy "$1" zorban_maker zorban_runner
export SDL_AUDIODRIVER=dummy
unset ZORBAN_WAV_OUT
export TMPDIR="$E2E_DIR/tmp"
mkdir -p "$TMPDIR"

runner_pids() { pgrep -f "^$E2E_GAME/zorban_runner" || true; }
no_runner() { [ -z "$(runner_pids)" ]; }
# F5 in a fresh editor, which is closed at once; prints how long the editor took to end.
testplay_and_close() {
    local win t0 code=0
    e2e_launch zorban_maker
    win=$(e2e_wait_window "ゾルバンブロックつくーる")
    e2e_key "$win" F5
    e2e_wait_window "ゾルバンブロックuserPLAY" >/dev/null
    t0=$(date +%s%N)
    e2e_close "$win"
    e2e_wait_exit 15 || code=$?
    [ $code -eq 0 ] || e2e_fail "zorban_maker ended with status $code"
    echo $((($(date +%s%N) - t0) / 1000000))
}
end_runners() {
    local pid
    for pid in $(runner_pids); do kill "$pid"; done
    e2e_wait_for "the players to end" no_runner
}

# 1. The folder in the private runtime folder goes with the editor.
ms=$(testplay_and_close)
left=$(find "$XDG_RUNTIME_DIR" "$TMPDIR" -maxdepth 1 -name 'zorban_maker-*')
[ -z "$left" ] || e2e_fail "the test play folder was left behind: $left"
end_runners

# 2. A runtime folder that takes no new files.
export XDG_RUNTIME_DIR=/proc
ms2=$(testplay_and_close)
e2e_dialog_log | grep -q '^error' && e2e_fail "F5 failed: $(e2e_dialog_log | grep '^error')"
left=$(find "$TMPDIR" -maxdepth 1 -name 'zorban_maker-*')
[ -z "$left" ] || e2e_fail "the test play folder was left behind: $left"
end_runners

echo "the editor ended $ms ms (private runtime folder) and $ms2 ms (none) after its close, its folder gone"
e2e_pass "F5's folder goes with the editor; an unusable runtime folder falls back to the temporary folder"
