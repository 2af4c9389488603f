#!/usr/bin/env bash
# The steps of the editor's end-to-end run (tests/e2e/maker/maker_e2e.sh) on the real zorban_maker, with the
# saved stage file and the window compared with the recorded ones: load a stage through the real open
# dialog, paint row 5 white by dragging, type a title, save through the real save dialog. The stage file is
# compared byte for byte; nothing in it is masked.
# The steps are those of maker_e2e.sh (maker_round.sh).
# Usage: maker_golden_e2e.sh <game folder> <scratch folder> <reference folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
source "$here/../e2e/maker/stage_file.sh"
source "$here/../e2e/maker/maker_round.sh"
source "$here/golden.sh"
ref=$3

e2e_init "$2"
e2e_game_copy "$1" zorban_maker
work=$E2E_DIR
write_stage "$work/input.usr" "ﾃｽﾄ ステージ" "さくしゃ" "1 1 12 3 3 14 4 10 26 10 20 29 0 0 5 50 50 30"

E2E_REAL_DIALOGS=1 e2e_launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")
golden_shot "$ref" "$win" maker-start.png

maker_round "$win" "$work/input.usr" "$work/output.usr"
# The window once the verdict line has settled. The line under the author shows the saved file's path,
# which holds the scratch folder: its inside is masked.
GOLDEN_SETTLE=1.5 golden_shot "$ref" "$win" maker-saved.png "0,483 396,508 FF0080"

e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ "$code" -eq 0 ] || e2e_fail "zorban_maker ended with code $code"
golden_check "$ref" maker-output.usr "$work/output.usr"
golden_end "zorban_maker's pictures and saved stage file"
