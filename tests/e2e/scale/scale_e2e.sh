#!/usr/bin/env bash
# Drives the real zorban_runner on a virtual display: Ctrl and + doubles the window and shows a short note of
# the size, the play field is then a sharp 2x2 copy of itself and the mouse still moves the bar to the same cell; the choice is remembered in
# zorban.ini for the next run, where Ctrl and - brings back the window exactly as it looked at first.
# Usage: scale_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban_runner
ini="$E2E_GAME/zorban.ini"
title="ゾルバンブロックuserPLAY"

# A region of a picture as its own PNG: region FILE W H X Y OUT.
region() { convert "$1" -crop "$2x$3+$4+$5" +repage "$6"; }
# Number of differing pixels of two pictures of one size.
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# The pointer off the window, so the screen shots do not depend on it.
pointer_away() { e2e_pointer_away; }
# Waits until a shot of the window, cut by the command given, has no pixel unlike a reference picture
# (the window may still be repainting): same_soon WIN REFERENCE WHAT CUT-COMMAND...; the cut gets the shot
# and the file to write.
same_soon() {
    local win=$1 ref=$2 what=$3 i n=""
    shift 3
    for ((i = 0; i < E2E_TIMEOUT * 2; i++)); do
        e2e_window_shot "$win" "$E2E_DIR/now.png"
        "$@" "$E2E_DIR/now.png" "$E2E_DIR/now-cut.png"
        n=$(differing "$ref" "$E2E_DIR/now-cut.png")
        [ "$n" = 0 ] && return 0
        sleep 0.5
    done
    e2e_fail "$what differs in $n pixels (see $ref and $E2E_DIR/now-cut.png)"
}
as_is() { cp "$1" "$2"; }
# The play field from row 10 down (blocks, ball and bar; y 180 to 399) at 2x.
field_at_2x() { region "$1" 800 440 0 360 "$2"; }
# Waits for the window's client area to reach a size.
size_is() { [ "$(e2e_size "$1")" = "$2 $3" ]; }
wait_size() { e2e_wait_for "window size $2 x $3" size_is "$@"; }
# The scale remembered in zorban.ini (empty when none).
scale_setting() { iconv -f CP932 -t UTF-8 "$ini" | tr -d '\r' | sed -n 's/^scale=//Ip'; }
scale_is() { [ "$(scale_setting)" = "$1" ]; }
# Whether the size note ("×2", white on the black field) shows in the field's top-right corner at 2x.
note_pixels() {
    e2e_window_shot "$1" "$E2E_DIR/note.png"
    convert "$E2E_DIR/note.png" -crop 160x60+640+0 +repage -fuzz 25% -fill black +opaque white \
        -fill white -opaque white -format "%[fx:round(mean*w*h)]" info:
}
note_shown() { [ "$(note_pixels "$1")" != 0 ]; }
note_gone() { [ "$(note_pixels "$1")" = 0 ]; }

# A stage with every block kind in rows 10 to 12, below the title and author that the runner shows over the
# top of the field, so that part of the field is the picture alone; left out are the bar and the kinds
# drawn in changing colours (10, 12, 15, 27, 28), which would differ between two shots anyway.
stage="$E2E_GAME/dat/scale.usr"
awk 'BEGIN {
    code = 1
    for (col = 0; col < 100; col++)
        for (row = 0; row < 100; row++) {
            v = 0
            if (col >= 1 && col <= 10 && row >= 10 && row <= 12) {
                while (code == 10 || code == 12 || code == 15 || code >= 26) code = code >= 26 ? 1 : code + 1
                v = code++
            }
            printf "%d\r\n", v
        }
    printf "SCALE\r\ntester\r\n"
}' >"$stage"
e2e_answer "open $stage"
e2e_launch zorban_runner
win=$(e2e_wait_window "$title")
pointer_away
read -r width height < <(e2e_size "$win")
e2e_window_shot "$win" "$E2E_DIR/start1.png"
[ ! -e "$ini" ] || [ -z "$(scale_setting)" ] || e2e_fail "a scale was written before any key"

# Load a stage and put the bar under column 9 (x = 335 lies in it).
e2e_click "$win" 500 280
e2e_wait_dialog_log $'^open\t'
e2e_wait_pixel "$win" 20 190 FFFFFF "white block (1, 10)"
e2e_move "$win" 335 300
e2e_wait_pixel "$win" 300 350 FFFFFF "bar under columns 8 to 10"
pointer_away
sleep 0.3
e2e_window_shot "$win" "$E2E_DIR/scale1.png"

# The bar elsewhere, then twice the size, then the pointer back over column 9 in the new pixels.
e2e_move "$win" 60 300
e2e_wait_pixel "$win" 300 350 000000 "bar moved left"
e2e_key "$win" ctrl+plus
wait_size "$win" $((2 * width)) $((2 * height))
# A short note tells the new size over the field's corner, then leaves.
e2e_wait_for "the size note" note_shown "$win"
e2e_wait_for "the size note to go" note_gone "$win"
e2e_move "$win" 670 600
e2e_wait_pixel "$win" 600 700 FFFFFF "bar back under columns 8 to 10"
pointer_away
e2e_wait_for "Scale=2 in zorban.ini" scale_is 2

# The play field from row 10 down: nearest-neighbour doubling of the first shot must match to the pixel.
region "$E2E_DIR/scale1.png" 400 220 0 180 "$E2E_DIR/field1.png"
convert "$E2E_DIR/field1.png" -filter point -resize 200% "$E2E_DIR/field1x2.png"
same_soon "$win" "$E2E_DIR/field1x2.png" "the doubled field" field_at_2x
cp "$E2E_DIR/now.png" "$E2E_DIR/scale2.png"
# Text is laid out at the larger size, not blown up: the rest of the window is not a pixel copy.
convert "$E2E_DIR/scale1.png" -filter point -resize 200% "$E2E_DIR/scale1x2.png"
n=$(differing "$E2E_DIR/scale1x2.png" "$E2E_DIR/scale2.png")
[ "$n" != 0 ] || e2e_fail "the whole window is a blown-up copy"

# The largest factor that fits the 1280 x 1024 screen is 2: a further Ctrl and + changes nothing.
e2e_key "$win" ctrl+plus
sleep 0.3
[ "$(e2e_size "$win")" = "$((2 * width)) $((2 * height))" ] || e2e_fail "grew past the screen"
read -r x y < <(e2e_origin "$win")
((x >= 0 && y >= 0 && x + 2 * width <= 1280 && y + 2 * height <= 1024)) || e2e_fail "window off the screen at $x, $y"

e2e_close_expect_exit "$win"

# The next run starts at the remembered size; Ctrl and - gives back the window as it first looked.
e2e_launch zorban_runner
win=$(e2e_wait_window "$title")
pointer_away
wait_size "$win" $((2 * width)) $((2 * height))
e2e_key "$win" ctrl+minus
wait_size "$win" "$width" "$height"
same_soon "$win" "$E2E_DIR/start1.png" "back at 1x the window" as_is
e2e_wait_for "Scale=1 in zorban.ini" scale_is 1
e2e_key "$win" ctrl+0
e2e_wait_for "Scale=0 in zorban.ini" scale_is 0

e2e_close_expect_exit "$win"
e2e_pass "the runner doubled its window sharply, kept the mouse in cells and remembered the scale"
