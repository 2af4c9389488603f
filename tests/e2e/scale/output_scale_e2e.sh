#!/usr/bin/env bash
# On a Wayland output of scale 2, zorban_runner left at its automatic size draws its window at twice its pixels:
# the compositor gets a buffer of scale 2, the play field is a sharp 2x2 picture of itself and text is laid out
# at the larger size, not blown up.
# Usage: output_scale_e2e.sh <game folder> <scratch folder>
set -euo pipefail
export E2E_WESTON_SCALE=2
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner
e2e_launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_pointer_away
[ "$(e2e__wl "bufferscale $win")" = 2 ] || e2e_fail "the window's buffer is not of scale 2"
read -r width height < <(e2e_size "$win")
e2e_window_shot "$win" "$E2E_DIR/window.png"
[ "$(identify -format '%w %h' "$E2E_DIR/window.png")" = "$((2 * width)) $((2 * height))" ] ||
    e2e_fail "the window is not drawn at twice its size"
# Every 2x2 block of the field is one colour; the whole window is not a blown-up copy of a 1x picture.
convert "$E2E_DIR/window.png" -crop 800x800+0+0 +repage "$E2E_DIR/field.png"
convert "$E2E_DIR/field.png" -filter point -resize 50% -filter point -resize 200% "$E2E_DIR/field-again.png"
[ "$(compare -metric AE "$E2E_DIR/field.png" "$E2E_DIR/field-again.png" null: 2>&1 || true)" = 0 ] ||
    e2e_fail "the field is not a sharp 2x picture"
convert "$E2E_DIR/window.png" -filter point -resize 50% -filter point -resize 200% "$E2E_DIR/window-again.png"
[ "$(compare -metric AE "$E2E_DIR/window.png" "$E2E_DIR/window-again.png" null: 2>&1 || true)" != 0 ] ||
    e2e_fail "the text is blown up, not drawn at the larger size"
e2e_close_expect_exit "$win"
e2e_pass "at output scale 2 the runner drew its window sharply at twice its pixels"
