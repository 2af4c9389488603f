#!/usr/bin/env bash
# Drives the real zorban on a virtual display to show that the player's progress survives the ways a desktop
# ends a program: a second copy on the same saves hands over to the first and ends; SIGTERM with the sound
# device open (SDL's dummy driver) and SIGINT in play close the window as its close box does, so my.dat is
# written; after SIGKILL the next start is not blocked by the lock the dead copy held.
# Usage: progress_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban
dat="$E2E_GAME/dat"
export SDL_AUDIODRIVER=dummy
unset ZORBAN_WAV_OUT

# my.dat with LF line ends: any save rewrites it with CR LF, so a rewrite can be told from the original.
plant_saves() {
    {
        printf '3\n0\n%s\n' "$1"
        for ((k = 0; k < 513; k++)); do printf '0\n'; done
    } >"$dat/my.dat"
}
# Rewritten with CR LF, with at least the money planted (a ball in play may have earned more).
rewritten_with_money() {
    local f="$dat/my.dat" money
    money=$(tr -d '\r' <"$f" | sed -n 3p)
    [ "$(tr -cd '\r' <"$f" | wc -c)" = 516 ] && [[ $money =~ ^[0-9]+$ ]] && ((money >= $1))
}
elapsed_ms() { echo $((($(date +%s%N) - $1) / 1000000)); }

# 1. Two copies on one save folder: the second ends at once with status 0, the first goes on.
plant_saves 1234
e2e_launch zorban
first=$E2E_PID
win=$(e2e_wait_window "ゾルバンブロック5th")
t0=$(date +%s%N)
code=0
timeout 10 env ZORBAN_TEST_DIALOGS="$E2E_DIALOGS" "$E2E_GAME/zorban" >"$E2E_DIR/second.log" 2>&1 || code=$?
second_ms=$(elapsed_ms "$t0")
[ $code -eq 0 ] || e2e_fail "the second copy ended with status $code (see $E2E_DIR/second.log)"
((second_ms < 3000)) || e2e_fail "the second copy took $second_ms ms to end"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended too"
[ "$(xdotool search --onlyvisible --name "ゾルバンブロック5th" | wc -l)" = 1 ] || e2e_fail "more than one game window"
[ "$(tr -cd '\r' <"$dat/my.dat" | wc -c)" = 0 ] || e2e_fail "the second copy wrote my.dat"

# 2. SIGTERM with the sound device open: the window closes as its close box does and my.dat is written.
t0=$(date +%s%N)
kill -TERM "$first"
code=0
e2e_wait_exit 3 || code=$?
term_ms=$(elapsed_ms "$t0")
[ $code -eq 0 ] || e2e_fail "SIGTERM: exit status $code"
rewritten_with_money 1234 || e2e_fail "SIGTERM: my.dat was not written"

# 3. SIGINT with a ball in play: no question holds it up.
plant_saves 4321
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_game_first_stage "$win"
e2e_click "$win" 200 300
sleep 0.5
kill -INT "$E2E_PID"
code=0
e2e_wait_exit 3 || code=$?
[ $code -eq 0 ] || e2e_fail "SIGINT in play: exit status $code"
rewritten_with_money 4321 || e2e_fail "SIGINT in play: my.dat was not written"
if e2e_dialog_log | grep -q '^confirm'; then e2e_fail "a question was asked: $(e2e_dialog_log | grep '^confirm')"; fi

# 4. SIGKILL leaves the lock file, but not the lock: the next start opens its window.
e2e_launch zorban
e2e_wait_window "ゾルバンブロック5th" >/dev/null
kill -KILL "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
E2E_PID=""
e2e_wait_window_gone "ゾルバンブロック5th"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_close_expect_exit "$win"

echo "second copy ended after $second_ms ms; SIGTERM ended the game after $term_ms ms"
e2e_pass "a second copy handed over, SIGTERM and SIGINT saved my.dat, a killed copy did not block the next"
