#!/usr/bin/env bash
# Drives the real zorban on a virtual display to show that a signal during start-up ends the program: with a
# save file that cannot be read, the start-up box is up; SIGTERM then closes it and the program ends with status
# 0 without opening its window. The unreadable my.dat is moved aside under a dated name with its bytes kept,
# and a fresh one is written in its place.
# Usage: startup_signal_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban
dat="$E2E_GAME/dat"
export SDL_AUDIODRIVER=dummy
unset ZORBAN_WAV_OUT

printf '4\r\nx1\r\n300\r\n' >"$dat/my.dat"
cp "$dat/my.dat" "$E2E_DIR/my.dat.planted"
E2E_REAL_DIALOGS=1 e2e_launch zorban
any_window() { xdotool search --onlyvisible --classname zorban 2>/dev/null | head -n1 | grep .; }
e2e_wait_for "the start-up box" any_window
box=$(any_window)
read -r w h < <(e2e_size "$box")
((h < 300)) || e2e_fail "the first window shown is ${w}x$h, not the start-up box"
sleep 0.5
t0=$(date +%s%N)
kill -TERM "$E2E_PID"
code=0
e2e_wait_exit 5 || code=$?
term_ms=$((($(date +%s%N) - t0) / 1000000))
[ $code -eq 0 ] || e2e_fail "SIGTERM during the start-up box: exit status $code"

aside=$(find "$dat" -maxdepth 1 -name 'my.dat.unreadable-*' | head -n1)
[ -n "$aside" ] || e2e_fail "the unreadable my.dat was not moved aside: $(ls "$dat")"
[[ $(basename "$aside") =~ ^my\.dat\.unreadable-[0-9]{8}-[0-9]{6}$ ]] || e2e_fail "aside name $(basename "$aside")"
cmp -s "$aside" "$E2E_DIR/my.dat.planted" || e2e_fail "the file moved aside is not the planted one"
[ "$(tr -cd '\r' <"$dat/my.dat" | wc -c)" = 516 ] || e2e_fail "no fresh my.dat was written in its place"

# The next start reads the fresh file: no box, and a close saves as usual.
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_close_expect_exit "$win"
[ -z "$(e2e_dialog_log | grep -E '^(error|message)')" ] || e2e_fail "boxes at the next start: $(e2e_dialog_log)"

echo "SIGTERM during the start-up box ended zorban after $term_ms ms; my.dat was set aside as $(basename "$aside")"
e2e_pass "a signal during the start-up box ended the program, the unreadable save was kept aside and replaced"
