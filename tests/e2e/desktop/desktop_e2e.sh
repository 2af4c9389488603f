#!/usr/bin/env bash
# The programs as a desktop starts them, on a virtual display:
# - --help and --version answer on standard output without a display; a wrong option gets the usage on
#   standard error and exit code 2;
# - `zorban_runner FILE` plays the stage at once, and its open dialog then starts in the file's folder; a file
#   that cannot be read shows the error box in a window that stays;
# - a pause says how to go on, and a left click on the field goes on without exploding;
# - `zorban_maker FILE` opens the stage for editing; F5 plays the design as it is (mirrored after the load) in
#   a new zorban_runner window, the editor stays, and nothing is written in the game folder.
# Usage: desktop_e2e.sh <game folder> <scratch folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1"
# Waits for the launched program to end, which must be with 0.
exited_cleanly() {
    local code=0
    e2e_wait_exit || code=$?
    [ $code = 0 ] || e2e_fail "the program exited with $code (see $E2E_DIR/*.log)"
}

# --- The command line, with no display at all (in English: language_e2e reads it in both) --------------
export LANG=en_US.UTF-8
for p in zorban zorban_runner zorban_maker; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$E2E_GAME/$p" --help) || e2e_fail "$p --help failed"
    [[ $out == "Usage: $p "* ]] || e2e_fail "$p --help printed: $out"
    out=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$E2E_GAME/$p" --version) || e2e_fail "$p --version failed"
    [[ $out =~ ^$p\ [0-9]+\.[0-9]+ ]] || e2e_fail "$p --version printed: $out"
    code=0
    env -u DISPLAY QT_QPA_PLATFORM=xcb "$E2E_GAME/$p" --no-such-option >"$E2E_DIR/out" 2>"$E2E_DIR/err" || code=$?
    [ $code = 2 ] || e2e_fail "$p with a wrong option exited with $code"
    [ ! -s "$E2E_DIR/out" ] && grep -q "^Usage: $p" "$E2E_DIR/err" || e2e_fail "$p: no usage on standard error"
done
export LANG=C.UTF-8

# --- zorban_runner FILE ---------------------------------------------------------------------------------
stages="$E2E_DIR/my stages"
mkdir -p "$stages"
write_stage "$stages/one.usr" "ONE" "tester" "9 5 1 2 2 13"
listing() { (cd "$E2E_GAME" && find . -type f -printf '%p %s %T@\n' | sort); }
before=$(listing)
# Each program reads the dialog script from its start: a fresh script and log for each launch.
fresh_dialogs() { : >"$E2E_DIALOGS"; : >"$E2E_DIALOGS.log"; }

e2e_launch zorban_runner "$stages/one.usr"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 340 90 FFFFFF "the white block of the stage named on the command line"
e2e_expect_pixel "$win" 60 30 808080 "the wall of that stage"
[ -z "$(e2e_dialog_log)" ] || e2e_fail "a dialog was shown: $(e2e_dialog_log)"
# The open dialog now starts in the stage's folder.
e2e_answer "open"
e2e_click "$win" 500 280   # 自分の作ったｽﾃｰｼﾞをプレイ
e2e_wait_dialog_log "^open"
[ "$(e2e_dialog_log | cut -f3)" = "$stages" ] || e2e_fail "the open dialog started in $(e2e_dialog_log | cut -f3)"
e2e_close "$win"
exited_cleanly

# A file that cannot be read: the error box, and the window stays open and usable.
fresh_dialogs
e2e_launch zorban_runner "$stages/missing.usr"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_dialog_log "^error"
sleep 0.5
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the runner ended after the error"
e2e_expect_pixel "$win" 200 200 000000 "the black field after the error"
e2e_close "$win"
exited_cleanly

# --- A pause ends with a click on the field -------------------------------------------------------------
# A wall over the serve column sends the ball back onto the bar again and again; the block at (1, 10) keeps
# the stage from being cleared.
write_stage "$stages/loop.usr" "LOOP" "tester" "9 1 13 1 10 1"
purple=8000FF
field_moves() {
    e2e_window_shot "$win" "$E2E_DIR/move-a.png"
    sleep 0.4
    e2e_window_shot "$win" "$E2E_DIR/move-b.png"
    [ "$(compare -metric AE "$E2E_DIR/move-a.png[400x400+0+0]" "$E2E_DIR/move-b.png[400x400+0+0]" null: 2>&1 || true)" != 0 ]
}
pause_shown() { [ "$(e2e_client_pixel "$win" 10 200)" = $purple ]; }
pause_hidden() { ! pause_shown; }
# White text pixels in a strip of the field.
white_in() {
    convert "$E2E_DIR/paused.png" -crop "$1" +repage -fuzz 10% -fill black +opaque white -fill white -opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}

fresh_dialogs
e2e_launch zorban_runner "$stages/loop.usr"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 20 190 FFFFFF "the block of the looping stage"
e2e_move "$win" 335 300
e2e_click "$win" 335 300   # serve
e2e_wait_for "the ball moving" field_moves
e2e_window_shot "$win" "$E2E_DIR/before-pause.png"
hp_before=$(convert "$E2E_DIR/before-pause.png" -crop 169x21+428+104 +repage -fill black +opaque '#D6ACFF' \
    -format "%[fx:round(mean*w*h)]" info:)
e2e_key "$win" p
e2e_wait_for "the PAUSE label" pause_shown
e2e_window_shot "$win" "$E2E_DIR/paused.png"
(($(white_in 400x44+0+178) > 50)) || e2e_fail "no PAUSE text"
e2e_expect_pixel "$win" 2 230 $purple "the line under PAUSE"
(($(white_in 400x24+0+222) > 30)) || e2e_fail "no text in the line under PAUSE"
e2e_click "$win" 200 300
e2e_wait_for "the pause to end with a click" pause_hidden
e2e_wait_for "the ball moving after the click" field_moves
e2e_window_shot "$win" "$E2E_DIR/after-pause.png"
hp_after=$(convert "$E2E_DIR/after-pause.png" -crop 169x21+428+104 +repage -fill black +opaque '#D6ACFF' \
    -format "%[fx:round(mean*w*h)]" info:)
[ "$hp_after" = "$hp_before" ] || e2e_fail "the click cost a life: HP gauge $hp_before -> $hp_after pixels"
e2e_answer "yes"
e2e_close "$win"
exited_cleanly

# --- zorban_maker FILE and test play --------------------------------------------------------------------
write_stage "$stages/paint.usr" "PAINT" "tester" "3 3 1"
fresh_dialogs
e2e_launch zorban_maker "$stages/paint.usr"
maker=$(e2e_wait_window "ゾルバンブロックつくーる")
e2e_wait_pixel "$maker" 100 50 FFFFFF "the block of the stage named on the command line"
e2e_key "$maker" ctrl+r   # mirrored: the block moves to column 8
e2e_wait_pixel "$maker" 300 50 FFFFFF "the mirrored block"
e2e_key "$maker" F5
pressed=$SECONDS
player=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$player" 300 50 FFFFFF "the design in the stage player"
e2e_expect_pixel "$player" 100 50 000000 "the design, not the file, in the stage player"
player_pid=$(xdotool getwindowpid "$player")
[ "$player_pid" != "$E2E_PID" ] || e2e_fail "no new program"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the editor ended"
e2e_close "$player"
e2e_wait_for "the stage player to end" bash -c "! kill -0 $player_pid 2>/dev/null"
[ "$(listing)" = "$before" ] || e2e_fail "files changed in the game folder: $(diff <(echo "$before") <(listing))"
[ "$(ls "$stages")" = $'loop.usr\none.usr\npaint.usr' ] || e2e_fail "files in the stages' folder: $(ls "$stages")"
# The editor leaves the file of a test play started in its last five seconds, which may not have been read.
while ((SECONDS - pressed < 6)); do sleep 0.5; done
e2e_answer "yes"   # discard the mirrored design
e2e_close "$maker"
exited_cleanly
[ -z "$(find "$XDG_RUNTIME_DIR" -name 'zorban_maker-*')" ] || e2e_fail "the test play's folder was left"
if e2e_dialog_log | grep -q '^error'; then e2e_fail "errors: $(e2e_dialog_log | grep '^error')"; fi
e2e_pass "stage files from the command line, --help and --version, a click ending a pause, and test play"
