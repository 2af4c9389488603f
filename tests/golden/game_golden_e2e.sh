#!/usr/bin/env bash
# The steps of the game's end-to-end run (tests/e2e/game) on the real zorban, with the pictures and the
# written files compared with the recorded ones: the start panel, course 2's first stage waiting for its
# serve, the end panel after every life is lost to explosions set off at once after each serve, then
# my2.dat, 投稿用2.txt, my.dat on closing and zorban.ini after the volume key "-". The explosions come right
# after each serve, before the ball reaches a block, so the run scores nothing and its files are the same
# each time; nothing in them is masked. Then, on saves with every course open: the start panel, a course's
# hint, a course's panel and the toy panel, and my.dat written on closing.
# Usage: game_golden_e2e.sh <game folder> <scratch folder> <reference folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
source "$here/golden.sh"
ref=$3
log_mask="0,400 400,424 F5F5F5"  # the log line under the field

e2e_init "$2"
e2e_game_copy "$1" zorban
dat="$E2E_GAME/dat"
export ZORBAN_WAV_OUT="$E2E_DIR/sound.wav"

# Fresh saves, written as the game writes them (code page 932, CR LF).
{
    printf '0\r\n0\r\n0\r\n'
    for ((k = 0; k < 513; k++)); do printf '0\r\n'; done
} >"$dat/my.dat"
printf '\r\n0\r\n0\r\n99\r\n50\r\n10\r\n0\r\n-1\r\n0\r\n0\r\n0\r\n1\r\n' >"$dat/my2.dat"
rm -f "$E2E_GAME"/投稿用*.txt "$E2E_GAME/zorban.ini"

e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
golden_shot "$ref" "$win" game-start.png

# The volume key writes zorban.ini; its note is gone again after about a second.
e2e_key "$win" minus
e2e_wait_file "$E2E_GAME/zorban.ini"
sleep 1.5

e2e_game_first_stage "$win"
# The log line under the field scrolls on a real-time timer: its inside is masked.
golden_shot "$ref" "$win" game-stage.png "$log_mask"

# Serve and explode at once (two clicks with no wait between them), until the lives are gone and the end
# button shows.
ended=0
for ((i = 0; i < 40 && !ended; i++)); do
    e2e_click "$win" 180 300
    e2e_click "$win" 181 300
    [ "$(e2e_client_pixel "$win" 590 390)" != 8080C0 ] && ended=1
done
[ $ended = 1 ] || e2e_fail "the end button did not show"
sleep 0.5
e2e_click "$win" 500 358
e2e_wait_pixel "$win" 85 98 8000FF "course name on the end panel"
golden_shot "$ref" "$win" game-end.png

# Save, back to the start panel, close.
e2e_click "$win" 500 435
e2e_wait_file "$E2E_GAME/投稿用2.txt"
e2e_wait_pixel "$win" 170 240 FFFFFF "course box after saving"
rm -f "$dat/my.dat"
e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ $code -eq 0 ] || e2e_fail "exit code $code"
cp "$dat/my.dat" "$E2E_DIR/my.dat"

# Started again on saves with every course open, 12,345 moon円 and some toys: the start panel, course 4's
# hint under the pointer, course 5's panel with its TOY button, and the toy panel with the first toy shown.
{
    printf '6\r\n1\r\n12345\r\n'
    for ((k = 0; k < 513; k++)); do printf '%d\r\n' $((k % 7 == 1)); done
} >"$E2E_DIR/my-all.dat"
cp "$E2E_DIR/my-all.dat" "$dat/my.dat"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
golden_shot "$ref" "$win" game-start-all.png
e2e_move "$win" 296 233
sleep 0.5
e2e_window_shot "$win" "$E2E_DIR/game-hint.png"
golden_image "$ref" game-hint.png "$E2E_DIR/game-hint.png"
e2e_click "$win" 296 201
e2e_wait_pixel "$win" 200 300 000000 "play field"
golden_shot "$ref" "$win" game-course.png "$log_mask"
e2e_click "$win" 452 304
e2e_wait_pixel "$win" 8 372 0080FF "money on the toy panel"
e2e_click "$win" 490 19
golden_shot "$ref" "$win" game-toy.png
e2e_close "$win"
code=0
e2e_wait_exit || code=$?
[ $code -eq 0 ] || e2e_fail "exit code $code with every course open"

golden_check "$ref" game-my.dat "$E2E_DIR/my.dat"
golden_check "$ref" game-my-all.dat "$dat/my.dat"
golden_check "$ref" game-my2.dat "$dat/my2.dat"
golden_check "$ref" game-posting2.txt "$E2E_GAME/投稿用2.txt"
golden_check "$ref" game-zorban.ini "$E2E_GAME/zorban.ini"
golden_end "zorban's pictures and files after a run of course 2"
