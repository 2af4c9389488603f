#!/usr/bin/env bash
# The end-to-end library's own test, on the demo window: display, launch from a copy, window lookup,
# clicks, a drag that leaves the image, pixels, scripted dialogs, the error box and a clean close.
# Usage: e2e_selftest.sh <folder of zorban_e2e_demo> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_e2e_demo
e2e_launch zorban_e2e_demo
win=$(e2e_wait_window "e2e demo window")

read -r w h < <(e2e_size "$win")
[ "$w $h" = "300 200" ] || e2e_fail "client area is $w x $h"
read -r x y < <(e2e_origin "$win")
[ "$x $y" = "490 412" ] || e2e_fail "window at ($x, $y), not centred"

e2e_wait_pixel "$win" 145 25 FF0000 "label background"
e2e_expect_pixel "$win" 290 190 008000 "form background"
e2e_click "$win" 210 15
e2e_wait_pixel "$win" 145 25 0000FF "label background after the push"

e2e_drag "$win" 20 70 200 70
e2e_wait_pixel "$win" 21 71 FFFFFF "painted pad"
e2e_expect_pixel "$win" 20 120 000000 "unpainted pad"
e2e_wait_for "moves outside the image" grep -q "^outside 1[0-9][0-9] 20$" "$E2E_GAME/events.txt"
grep -q "^up 200 20$" "$E2E_GAME/events.txt" || e2e_fail "release not at (200, 20) of the image"

e2e_answer "open /somewhere/stage.txt"
e2e_click "$win" 210 65
e2e_wait_dialog_log $'^open\tdemo\\|\\*\\.txt\t'"$E2E_GAME"$'/\t\t/somewhere/stage.txt$'
e2e_wait_for "the chosen path" grep -q "^opened /somewhere/stage.txt$" "$E2E_GAME/events.txt"
e2e_click "$win" 210 105
e2e_wait_dialog_log $'^error\tﾌｧｲﾙが見つかりません\\.$'

e2e_close_expect_exit "$win"
grep -q "^tick$" "$E2E_GAME/events.txt" || e2e_fail "the timer never ticked"
tail -n2 "$E2E_GAME/events.txt" | tr '\n' ' ' | grep -q "^close destroy $" || e2e_fail "close handlers: $(tail -n2 "$E2E_GAME/events.txt")"
e2e_pass "the library drove the demo window"
