#!/usr/bin/env bash
# Drives the real zorban_runner on a virtual display: a ball that rises and falls for ever is paused with P (the
# field stands still under "PAUSE"), goes on with P (the field moves again), pauses when another window takes
# the focus and stays so when the player comes back, then the close box is answered No (the window stays and
# play goes on) and Yes (the program ends).
# Usage: pause_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner

# A wall over the serve column sends the ball back onto the bar's centre again and again; the white block at
# (1, 10), off its path, keeps the stage from being cleared.
stage="$E2E_GAME/dat/loop.usr"
write_stage "$stage" LOOP tester "9 1 13 1 10 1"

purple=8000FF      # the pause label's background
field="400x400+0+0"

# How many pixels of the play field differ between two window shots.
field_diff() {
    convert "$1" -crop "$field" +repage "$E2E_DIR/field-a.png"
    convert "$2" -crop "$field" +repage "$E2E_DIR/field-b.png"
    compare -metric AE "$E2E_DIR/field-a.png" "$E2E_DIR/field-b.png" null: 2>&1 || true
}
# Two shots of the field some time apart; true when they differ.
field_moves() {
    e2e_window_shot "$win" "$E2E_DIR/move-a.png"
    sleep 0.4
    e2e_window_shot "$win" "$E2E_DIR/move-b.png"
    [ "$(field_diff "$E2E_DIR/move-a.png" "$E2E_DIR/move-b.png")" != 0 ]
}
pause_shown() { [ "$(e2e_client_pixel "$win" 10 200)" = $purple ]; }
pause_hidden() { ! pause_shown; }

e2e_runner_play "$stage"
win=$E2E_WIN
e2e_wait_pixel "$win" 20 190 FFFFFF "the white block drawn"
e2e_move "$win" 335 300
e2e_click "$win" 335 300   # serve from the bar's centre under column 9
e2e_wait_for "the ball moving" field_moves

# P: the field stands still under PAUSE, however long it waits; the mouse moves nothing.
e2e_key "$win" p
e2e_wait_for "the PAUSE label" pause_shown
e2e_window_shot "$win" "$E2E_DIR/paused-1.png"
e2e_move "$win" 40 300
e2e_click "$win" 40 300 3
sleep 1.5
e2e_window_shot "$win" "$E2E_DIR/paused-2.png"
[ "$(field_diff "$E2E_DIR/paused-1.png" "$E2E_DIR/paused-2.png")" = 0 ] || e2e_fail "the field changed while paused"
white=$(convert "$E2E_DIR/paused-1.png" -crop 400x44+0+178 +repage -fuzz 10% -fill black +opaque white \
    -fill white -opaque white -format "%[fx:round(mean*w*h)]" info:)
((white > 50)) || e2e_fail "no white text on the pause label ($white pixels)"

# P again: the label goes and the ball moves on from where it stood.
e2e_move "$win" 335 300
e2e_key "$win" p
e2e_wait_for "the PAUSE label to go" pause_hidden
e2e_wait_for "the ball moving after the pause" field_moves

# Another window takes the focus: play pauses by itself, stays paused when the player comes back (a click on
# the score, which does nothing else) and goes on with P.
e2e_focus_elsewhere
e2e_wait_for "the PAUSE label on focus loss" pause_shown
e2e_activate "$win" 500 30
sleep 0.5
pause_shown || e2e_fail "coming back played on by itself"
field_moves && e2e_fail "the field moved after coming back"
e2e_key "$win" p
e2e_wait_for "the PAUSE label to go after the focus came back" pause_hidden
e2e_wait_for "the ball moving after the focus came back" field_moves

# The close box with a ball in play asks; No keeps the window and the play.
e2e_answer "no"
e2e_close "$win"
e2e_wait_dialog_log $'^confirm\tプレイ中です。終了しますか\\?\tno$'
sleep 0.5
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the runner ended after No"
pause_hidden || e2e_fail "the play stayed paused after No"
e2e_wait_for "the ball moving after No" field_moves

e2e_answer "yes"
e2e_close_expect_exit "$win"
[ "$(e2e_dialog_log | grep -c '^confirm')" = 2 ] || e2e_fail "dialogs: $(e2e_dialog_log)"
e2e_pass "P and the focus leaving paused, P went on, and the close box asked while the ball was in play"
