#!/usr/bin/env bash
# Drives the real zorban on a virtual display through one run: course 2, "ARE YOU READY !?", a serve, every
# life lost to left-click explosions, the end button, "ＳＡＶＥ ＡＮＤ GAME END...." and the close box; checks
# screens by their pixels and the course, posting and common files line by line. Prints the time to the
# first painted window and the peak resident size (the goals are 0.5 s and 60 MB; bench/ holds the checks).
# Usage: game_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

e2e_init "$2"
e2e_game_copy "$1" zorban
dat="$E2E_GAME/dat"

# The file's lines in UTF-8 without their CR LF; fails unless every line ends with CR LF.
read_lines() {
    local f=$1
    [ "$(tail -c2 "$f" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || e2e_fail "$f does not end with CR LF"
    [ "$(tr -cd '\r' <"$f" | wc -c)" = "$(tr -cd '\n' <"$f" | wc -c)" ] || e2e_fail "$f has a bare line end"
    iconv -f CP932 -t UTF-8 "$f" | tr -d '\r'
}
# The score text: groups of four digits with 億 and 万, leading zero groups left out.
score_text() {
    local v=$1 low mid high
    low=$(last4 "$v"); mid=$(last4 $((v / 10000))); high=$(last4 $((v / 100000000)))
    if [ "$high" != 0 ]; then echo "${high}億${mid}万${low}"
    elif [ "$mid" != 0 ]; then echo "${mid}万${low}"
    else echo "$low"; fi
}
last4() { local s=$1; ((${#s} > 4)) && s=${s: -4}; echo "$s"; }

# Fresh records for this run, whatever the build folder's own saves hold.
e2e_game_fresh_saves
[ -f "$dat/map2-0.dat" ] || e2e_fail "the game folder has no dat/map2-0.dat"
[ -f "$dat/item.dat" ] || e2e_fail "the game folder has no dat/item.dat"
rm -f "$E2E_GAME"/投稿用*.txt

# Start-up: a watcher started first reads the pixel of the start panel's white course box straight from
# the X server, so the time to the first painted window is not that of a screenshot.
python3 "$(dirname "$0")/first_paint.py" 602 451 170 240 FFFFFF >"$E2E_DIR/painted" 2>"$E2E_DIR/watcher" &
watcher=$!
e2e_wait_for "the paint watcher" grep -q ready "$E2E_DIR/watcher"
t0=$(date +%s%N)
# The mixed sound goes into a WAV file, so the test hears what the game played.
export ZORBAN_WAV_OUT="$E2E_DIR/sound.wav"
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
wait $watcher || e2e_fail "the start panel was not painted: $(cat "$E2E_DIR/watcher")"
startup_ms=$((($(cat "$E2E_DIR/painted") - t0) / 1000000))
read -r x y < <(e2e_origin "$win")

# Idle CPU on the start panel: the process's CPU time over five seconds of waiting.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$E2E_PID/stat"; }
c0=$(cpu_ticks)
sleep 5
idle_pct=$(((($(cpu_ticks) - c0) * 100 * 100 / $(getconf CLK_TCK)) / 5))  # hundredths of a percent
read -r sw sh < <(xdotool getdisplaygeometry)
[ "$x $y" = "$(((sw - 602) / 2)) $(((sh - 451) / 2))" ] || e2e_fail "window at ($x, $y), not centred"
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
e2e_expect_pixel "$win" 10 200 000000 "start panel"
read -r w h < <(e2e_size "$win")
[ "$w $h" = "602 451" ] || e2e_fail "client area is $w x $h"
e2e_window_shot "$win" "$E2E_DIR/1-start.png"

# Course 2, then the first stage: the start prompt shows black beside the field.
e2e_click "$win" 296 138
e2e_wait_pixel "$win" 200 300 000000 "play field"
e2e_expect_pixel "$win" 590 390 8080C0 "action help"
sleep 0.3
e2e_click "$win" 502 269
e2e_wait_pixel "$win" 405 315 000000 "start prompt"
e2e_window_shot "$win" "$E2E_DIR/2-stage.png"

# Serve, then click in the field until the lives are gone; the end button opens the end panel.
e2e_game_play_to_end "$win"
e2e_window_shot "$win" "$E2E_DIR/3-game-over.png"
e2e_click "$win" 500 358
e2e_wait_pixel "$win" 85 98 8000FF "course name on the end panel"
e2e_expect_pixel "$win" 60 380 FFFFFF "results box of the end panel"
e2e_window_shot "$win" "$E2E_DIR/4-end.png"
rss_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$E2E_PID/status")

# Save and back to the start panel.
e2e_click "$win" 500 435
e2e_wait_file "$E2E_GAME/投稿用2.txt"
e2e_wait_pixel "$win" 170 240 FFFFFF "course box after saving"
e2e_expect_pixel "$win" 10 200 000000 "start panel after saving"
e2e_window_shot "$win" "$E2E_DIR/5-back.png"

mapfile -t course < <(read_lines "$dat/my2.dat")
[ ${#course[@]} -eq 12 ] || e2e_fail "my2.dat has ${#course[@]} lines"
# Memo, max HP, quota, the HP that GAME OVER restores, the stage index and the badges are known; the
# stages cleared, score, mHP and combo depend on what the ball met between the clicks.
expected=("" N N 99 50 10 N 0 0 0 0 N)
for ((k = 0; k < 12; k++)); do
    if [ "${expected[k]}" = N ]; then
        [[ ${course[k]} =~ ^-?[0-9]+$ ]] || e2e_fail "my2.dat line $((k + 1)) is '${course[k]}', not a number"
    else
        [ "${course[k]}" = "${expected[k]}" ] || e2e_fail "my2.dat line $((k + 1)) is '${course[k]}', expected '${expected[k]}'"
    fi
done
hi=${course[2]}
[[ $hi =~ ^[0-9]+$ ]] || e2e_fail "hiScore '$hi'"
title="【？？？？】"
((hi > 0)) && title="【ＶＯＣＡＬ ＣＯＲＳＥ】"
mapfile -t posting < <(read_lines "$E2E_GAME/投稿用2.txt")
want=("■ゾルバンブロックデータ" "$title" "最高得点：$(score_text "$hi")点" "MAXCOMBO：${course[11]}" "アイテム：0コ")
[ ${#posting[@]} -eq 5 ] || e2e_fail "投稿用2.txt has ${#posting[@]} lines"
for ((k = 0; k < 5; k++)); do
    [ "${posting[k]}" = "${want[k]}" ] || e2e_fail "投稿用2.txt line $((k + 1)) is '${posting[k]}', expected '${want[k]}'"
done

# The close box writes the common file; nothing was reported on the way.
rm -f "$dat/my.dat"
e2e_close_expect_exit "$win"
[ "$(read_lines "$dat/my.dat" | wc -l)" -eq 516 ] || e2e_fail "my.dat not written on close"
if e2e_dialog_log | grep -q '^error'; then e2e_fail "errors: $(e2e_dialog_log | grep '^error')"; fi

python3 "$E2E_LIB_DIR/heard.py" "$ZORBAN_WAV_OUT" "$E2E_GAME/dat/at1.wav" ||
    e2e_fail "the recorded sound does not hold the serve's at1.wav"
echo "start-up: first painted window after $startup_ms ms"
echo "idle CPU on the start panel: $((idle_pct / 100)).$(printf '%02d' $((idle_pct % 100))) % of one core"
echo "peak resident size over the run: $((rss_kb / 1024)) MB ($rss_kb kB)"
e2e_pass "zorban played course 2 to GAME OVER, saved my2.dat and 投稿用2.txt, and closed"
