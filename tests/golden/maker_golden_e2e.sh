#!/usr/bin/env bash
# The steps of the editor's end-to-end run (tests/e2e/maker/maker_e2e.sh) on the real zorban_maker, with the
# saved stage file and the window compared with the recorded ones: load a stage through the real open
# dialog, paint row 5 white by dragging, type a title, save through the real save dialog. The stage file is
# compared byte for byte; nothing in it is masked.
# Usage: maker_golden_e2e.sh <game folder> <scratch folder> <reference folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
source "$here/../e2e/maker/stage_file.sh"
source "$here/golden.sh"
ref=$3

e2e_init "$2"
e2e_game_copy "$1" zorban_maker
work=$E2E_DIR
write_stage "$work/input.usr" "ﾃｽﾄ ステージ" "さくしゃ" "1 1 12 3 3 14 4 10 26 10 20 29 0 0 5 50 50 30"

E2E_REAL_DIALOGS=1 e2e_launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")
xdotool mousemove 0 0
sleep 1
e2e_window_shot "$win" "$work/maker-start.png"
golden_image "$ref" maker-start.png "$work/maker-start.png"

e2e_click "$win" 474 416
dialog=$(e2e_wait_window "開く")
e2e_type_replacing "$dialog" "$work/input.usr"
xdotool key Return
e2e_wait_window_gone "開く"
e2e_wait_pixel "$win" 20 10 8080FF "loaded all-clear block (1, 1)"

e2e_click "$win" 440 18
sleep 0.3
e2e_down "$win" 60 90
sleep 0.15
for x in 100 140 180 220 260 300 340 380 420; do
    e2e_move "$win" "$x" 90
    sleep 0.15
done
e2e_up
sleep 0.2
e2e_click "$win" 250 417
e2e_type_replacing "$win" "E2E STAGE"
sleep 0.2

e2e_click "$win" 474 444
dialog=$(e2e_wait_window "名前を付けて保存")
e2e_type_replacing "$dialog" "$work/output.usr"
xdotool key Return
e2e_wait_window_gone "名前を付けて保存"
e2e_wait_file "$work/output.usr"

# The window once the verdict line has settled, the pointer away from every button. The line under the
# author shows the saved file's path, which holds the scratch folder: its inside is masked.
xdotool mousemove 0 0
sleep 1.5
e2e_window_shot "$win" "$work/maker-saved.png"
GOLDEN_MASK="0,483 396,508 FF0080" golden_image "$ref" maker-saved.png "$work/maker-saved.png"

e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ "$code" -eq 0 ] || e2e_fail "zorban_maker ended with code $code"
golden_check "$ref" maker-output.usr "$work/output.usr"
golden_end "zorban_maker's pictures and saved stage file"
