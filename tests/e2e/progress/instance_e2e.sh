#!/usr/bin/env bash
# Drives the real zorban on a virtual display to show where the socket between two copies lies and what a
# second start does when the first does not answer:
#  1. the socket is made only in a runtime folder of this user's that nobody else may enter: never in one that
#     others may write to (a shared $XDG_RUNTIME_DIR of mode 1777), nor in the shared temporary folder;
#  2. with the first copy stopped (SIGSTOP), a second start says so in an error box and ends with a non-zero
#     status after about a second; once the first goes on, a second start hands over to it with status 0.
# Usage: instance_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban
export SDL_AUDIODRIVER=dummy
unset ZORBAN_WAV_OUT
export TMPDIR="$E2E_DIR/tmp"
mkdir -p "$TMPDIR"
private=$XDG_RUNTIME_DIR
second() {
    local code=0 t0
    t0=$(date +%s%N)
    timeout 20 env ZORBAN_TEST_DIALOGS="$E2E_DIALOGS" "$E2E_GAME/zorban" >>"$E2E_DIR/second.log" 2>&1 || code=$?
    second_ms=$((($(date +%s%N) - t0) / 1000000))
    return $code
}

# 1. A runtime folder others may write to holds no socket; the shared temporary folders hold none either.
shared_runtime="$E2E_DIR/shared-runtime"
mkdir -p "$shared_runtime"
chmod 1777 "$shared_runtime"
e2e_launch "$(command -v env)" XDG_RUNTIME_DIR="$shared_runtime" "$E2E_GAME/zorban"
win=$(e2e_wait_window "ゾルバンブロック5th")
sockets=$(find "$shared_runtime" "$TMPDIR" /tmp -maxdepth 1 -name 'zorban-*.sock' -newer "$E2E_DIR/display" 2>/dev/null || true)
[ -z "$sockets" ] || e2e_fail "the socket lies in a shared folder: $sockets"
e2e_close_expect_exit "$win" zorban

# 2. The socket in the private runtime folder; the first copy stopped, then going on.
e2e_launch zorban
first=$E2E_PID
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_for "the socket in $private" compgen -G "$private/zorban-*.sock"
kill -STOP "$first"
code=0
second || code=$?
stopped_ms=$second_ms
kill -CONT "$first"
[ $code -ne 0 ] || e2e_fail "with the first copy stopped, the second start ended with status 0 after $stopped_ms ms"
[ $code -ne 124 ] || e2e_fail "with the first copy stopped, the second start did not end"
((stopped_ms < 5000)) || e2e_fail "the second start took $stopped_ms ms"
e2e_dialog_log | grep -q '^error.*応答' || e2e_fail "the second start told nothing: $(e2e_dialog_log)"
code=0
second || code=$?
[ $code -eq 0 ] || e2e_fail "with the first copy going on, the second start ended with status $code"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended"
e2e_close_expect_exit "$win" zorban

echo "first copy stopped: the second start ended with status 1 after $stopped_ms ms; going on: status 0 after $second_ms ms"
e2e_pass "the socket stays in the private runtime folder; a stopped first copy is reported"
