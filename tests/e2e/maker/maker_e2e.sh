#!/usr/bin/env bash
# Drives the real zorban_maker on a virtual display with its real file dialogs: loads a stage by typing
# its path, picks a block kind, paints by dragging (past the right edge too), types a title, saves by
# typing a new path, then compares the saved file with the expected bytes and checks pixels of the window.
# Usage: maker_e2e.sh <game folder of the build> <scratch folder>
set -euo pipefail

# shellcheck source=../lib/e2e.sh
source "$(dirname "$0")/../lib/e2e.sh"
e2e_init "$2"
e2e_game_copy "$1" zorban_maker
work=$E2E_DIR

# shellcheck source=maker_round.sh
source "$(dirname "$0")/maker_round.sh"

# The loaded stage: an all-clear block at (1, 1), a deadly cell, a bar cell, an invisible block at the
# field's last cell, a margin cell and a code no list entry paints.
loaded_cells="1 1 12 3 3 14 4 10 26 10 20 29 0 0 5 50 50 30"
write_stage "$work/input.usr" "ﾃｽﾄ ステージ" "さくしゃ" "$loaded_cells"
# What the editor must write after the stroke below: white blocks in row 5 from column 2 to 11
# (column 11 lies right of the field, reached while the image holds the pointer), and the new title.
painted="2 5 1 3 5 1 4 5 1 5 5 1 6 5 1 7 5 1 8 5 1 9 5 1 10 5 1 11 5 1"
write_stage "$work/expected.usr" "E2E STAGE" "さくしゃ" "$loaded_cells $painted"

E2E_REAL_DIALOGS=1 e2e_launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")

maker_round "$win" "$work/input.usr" "$work/output.usr"
cmp "$work/expected.usr" "$work/output.usr" || e2e_fail "saved file differs from $work/expected.usr"

# Pixels of the window: painted cells, loaded kinds in the editor's colours, and the window background.
xdotool mousemove 0 0
sleep 0.2
e2e_expect_pixel "$win" 60 90 FFFFFF "painted cell (2, 5)"
e2e_expect_pixel "$win" 380 90 FFFFFF "painted cell (10, 5)"
e2e_expect_pixel "$win" 20 10 8080FF "all-clear block (1, 1)"
e2e_expect_pixel "$win" 380 390 663355 "invisible block (10, 20)"
e2e_expect_pixel "$win" 80 40 AE0000 "deadly cell outline (3, 3)"
e2e_expect_pixel "$win" 140 190 FFFFFF "bar cell (4, 10)"
e2e_expect_pixel "$win" 180 190 000000 "empty cell (5, 10)"
e2e_expect_pixel "$win" 3 445 FF80C0 "window background"

e2e_close_expect_exit "$win"
e2e_pass "zorban_maker loaded, painted, titled and saved $work/output.usr"
