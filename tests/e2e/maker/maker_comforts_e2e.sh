#!/usr/bin/env bash
# Drives the real zorban_maker through its keyboard shortcuts with scripted dialogs: loads a stage with
# Ctrl+O, paints a stroke and takes it back with Ctrl+Z, mirrors the field with Ctrl+R and back, saves
# with Ctrl+S (the file must equal the loaded one byte for byte), checks the field with Ctrl+T, paints a
# cell with the arrows and Space, and closes with unsaved changes (answered No, then Yes).
# Usage: maker_comforts_e2e.sh <game folder of the build> <scratch folder>
set -euo pipefail

# shellcheck source=../lib/e2e.sh
source "$(dirname "$0")/../lib/e2e.sh"
e2e_init "$2"
e2e_game_copy "$1" zorban_maker
work=$E2E_DIR

# White blocks at (1, 1) and (2, 1) above a clear way down: a stage the check clears.
write_stage "$work/input.usr" "ﾃｽﾄ" "さくしゃ" "1 1 1 2 1 1 50 50 30"

e2e_answer "open $work/input.usr"
e2e_launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")

# Pick "白ブロック" first: the list then holds the keyboard, as it does while a stage is made.
e2e_click "$win" 440 18
sleep 0.3
e2e_key "$win" ctrl+o
e2e_wait_pixel "$win" 20 10 FFFFFF "loaded block (1, 1)"
e2e_expect_pixel "$win" 380 10 000000 "empty cell (10, 1)"

# A stroke along row 5, then Ctrl+Z takes all of it back.
e2e_down "$win" 60 90
sleep 0.15
for x in 100 140; do
    e2e_move "$win" "$x" 90
    sleep 0.15
done
e2e_up
e2e_wait_pixel "$win" 140 90 FFFFFF "painted cell (4, 5)"
e2e_key "$win" ctrl+z
e2e_wait_pixel "$win" 60 90 000000 "cell (2, 5) after the undo"
e2e_expect_pixel "$win" 140 90 000000 "cell (4, 5) after the undo"

# Mirror left and right, then back with the strip's undo button.
e2e_key "$win" ctrl+r
e2e_wait_pixel "$win" 380 10 FFFFFF "mirrored block (10, 1)"
e2e_expect_pixel "$win" 20 10 000000 "cell (1, 1) after the mirror"
e2e_click "$win" 407 498
e2e_wait_pixel "$win" 20 10 FFFFFF "block (1, 1) after the undo button"

# Nothing changed: the saved file is the loaded one, and the close asks nothing.
e2e_answer "save $work/undone.usr"
e2e_key "$win" ctrl+s
e2e_wait_file "$work/undone.usr"
cmp "$work/input.usr" "$work/undone.usr" || e2e_fail "the undone design was not saved as loaded"

# The check reports in a message box.
e2e_key "$win" ctrl+t
e2e_wait_dialog_log "^message	このステージはクリアできます。"

# A new stroke is unsaved: the first close is answered No and the window stays.
e2e_down "$win" 60 130
sleep 0.15
e2e_up
e2e_wait_pixel "$win" 60 130 FFFFFF "painted cell (2, 7)"

# The same with the keyboard: Shift+Tab from the list to the field, which marks its cursor cell (1, 1); the
# arrows move it to (3, 2) and Space paints the chosen block there.
cursor_marked() {
    local x
    e2e_window_shot "$win" "$work/cursor.png"
    for ((x = 1; x < 39; x++)); do
        [ "$(e2e_pixel "$work/cursor.png" "$x" "$1")" = FF0080 ] && return 0
    done
    return 1
}
e2e_click "$win" 440 18
sleep 0.3
e2e_key "$win" shift+Tab
e2e_wait_for "the cursor cell marked" cursor_marked 1
e2e_expect_pixel "$win" 100 30 000000 "cell (3, 2) before the keys"
e2e_key "$win" Right
e2e_key "$win" Right
e2e_key "$win" Down
e2e_key "$win" space
e2e_wait_pixel "$win" 100 30 FFFFFF "cell (3, 2) painted with Space"
e2e_answer "no"
e2e_close "$win"
e2e_wait_dialog_log "^confirm	変更が保存されていません。破棄しますか？	no"
sleep 0.3
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the window closed although the question was answered No"
e2e_answer "yes"
e2e_close_expect_exit "$win"
[ "$(e2e_dialog_log | grep -c '^confirm')" -eq 2 ] || e2e_fail "expected two questions: $(e2e_dialog_log)"
e2e_pass "zorban_maker undid, mirrored, saved, checked and asked before discarding"
