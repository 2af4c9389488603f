#!/usr/bin/env bash
# Drives the real zorban_runner's replay with moves files from outside:
# 1. `serve 5 @0` and 20,000 `turn @1` (180 KB, more moves at one tick than a play makes) is refused at once
#    with the line named, before any window opens;
# 2. a pipe in place of the moves file is refused at once, not waited on;
# 3. a long valid replay (eight bar moves at every tick) plays in the window, and SIGTERM ends the program
#    within two seconds with status 0.
# Usage: runner_replay_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner
stage="$E2E_DIR/two.usr"
write_stage "$stage" Replay tester "2 12 1 9 10 18"
runner="$E2E_GAME/zorban_runner"

# Runs the runner on MOVES for at most 20 s; sets code, took (ms) and said (its standard error).
refused() {
    local start=$(date +%s%N)
    code=0
    said=$(timeout -s KILL 20 "$runner" --replay "$1" "$stage" 2>&1 >/dev/null) || code=$?
    took=$((($(date +%s%N) - start) / 1000000))
}

# 1. Too many moves at one tick.
big="$E2E_DIR/big.moves"
{
    printf 'zorban moves 1\r\nserve 5 @0\r\n'
    for ((i = 0; i < 20000; i++)); do printf 'turn @1\r\n'; done
} >"$big"
refused "$big"
[ "$code" = 1 ] || e2e_fail "the big moves file: status $code after $took ms (expected 1 at once): $said"
[ "$said" = "zorban_runner: $big: line 11: more than 8 moves at tick 1, more than a play makes" ] ||
    e2e_fail "the big moves file: said \"$said\""
((took < 5000)) || e2e_fail "the big moves file was refused only after $took ms"
big_ms=$took

# 2. A pipe.
pipe="$E2E_DIR/pipe.moves"
mkfifo "$pipe"
refused "$pipe"
[ "$code" = 1 ] && [ "$said" = "zorban_runner: $pipe: not a regular file" ] ||
    e2e_fail "the pipe: status $code after $took ms: $said"

# 3. A long valid replay, ended by SIGTERM while it plays.
long="$E2E_DIR/long.moves"
awk 'BEGIN {
    printf "zorban moves 1\r\nserve 5 @0\r\n"
    for (t = 1; t <= 20000; t++)
        for (k = 0; k < 8; k++) printf "bar %d @%d\r\n", (t + k) % 10 + 1, t
}' >"$long"
e2e_launch zorban_runner --replay "$long" "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
sleep 2
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the long replay ended by itself"
start=$(date +%s%N)
kill -TERM "$E2E_PID"
code=0
e2e_wait_exit 2 || code=$?
took=$((($(date +%s%N) - start) / 1000000))
[ "$code" = 0 ] || e2e_fail "SIGTERM during the long replay: status $code"
echo "refused the big file in $big_ms ms; SIGTERM ended the long replay after $took ms"
e2e_pass "moves a play cannot make and a pipe were refused at once; SIGTERM ended a long replay"
