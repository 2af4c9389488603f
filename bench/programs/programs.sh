#!/usr/bin/env bash
# What the three programs cost on a desktop: on a private Xvfb with a private PulseAudio (the end-to-end test
# library's), for zorban, zorban_runner and zorban_maker the time from exec to the first painted window, the
# RSS, and the CPU (% of one core, from utime + stime; all threads, then the UI thread alone) and wake-ups a
# second (context switches of all threads)
# while nothing moves; for zorban_runner also in play, `--demo` of the longest official stage (map3-23.dat,
# 1025 ball ticks) at window scale 1 and 3. Each figure is the median of RUNS launches. Not part of the tests.
# By hand:
#     bench/programs/programs.sh build [RUNS (default 3)] [SECONDS (default 10)] [SCRATCH]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export E2E_SCREEN=2560x1600x24  # room for the field at 3x
source "$here/../../tests/e2e/lib/pulse.sh"

build=$1
runs=${2:-3}
seconds=${3:-10}
e2e_init "${4:-/tmp/zorban-bench-programs}"
e2e_game_copy "$build"
e2e_pulse_start
longest="$E2E_GAME/dat/map3-23.dat"
[ -f "$longest" ] || e2e_fail "no $longest"

median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

# The window scale the program finds remembered (section: the program file's name).
set_scale() { printf '[%s]\r\nscale=%s\r\n' "$1" "$2" >"$E2E_GAME/zorban.ini"; }

# start PROG TITLE W H X Y RRGGBB [ARGS]: launches PROG (E2E_PID, E2E_WIN) and sets START_MS to the
# milliseconds from exec to the first paint of client pixel (X, Y) of its centred W x H window in RRGGBB.
start() {
    local prog=$1 title=$2 w=$3 h=$4 x=$5 y=$6 colour=$7
    shift 7
    python3 "$here/../../tests/e2e/game/first_paint.py" "$w" "$h" "$x" "$y" "$colour" >"$E2E_DIR/painted" \
        2>"$E2E_DIR/watcher" &
    local watcher=$!
    e2e_wait_for "the paint watcher" grep -q ready "$E2E_DIR/watcher"
    local t0
    t0=$(date +%s%N)
    e2e_launch "$prog" "$@"
    E2E_WIN=$(e2e_wait_window "$title")
    wait $watcher || e2e_fail "$prog: pixel ($x, $y) never showed $colour: $(cat "$E2E_DIR/watcher")"
    START_MS=$((($(cat "$E2E_DIR/painted") - t0) / 1000000))
}

stop_program() {
    e2e_answer yes  # a close question, if any, is answered
    e2e_close "$E2E_WIN"
    e2e_wait_exit || true
}

# idle PROG TITLE W H X Y RRGGBB: RUNS launches; each line: start-up ms, then "CPU% UI% wakeups/s RSS-KiB" idle.
idle() {
    local i
    for ((i = 0; i < runs; i++)); do
        rm -f "$E2E_GAME/zorban.ini"
        start "$@"
        sleep 2  # start-up done, the first sounds played
        echo "$START_MS $(python3 "$here/measure.py" "$E2E_PID" "$seconds")"
        stop_program
    done
}

# play SCALE: RUNS demos of the longest stage; each line: "CPU% UI% wakeups/s RSS-KiB" in play.
play() {
    local i
    for ((i = 0; i < runs; i++)); do
        set_scale zorban_runner "$1"
        e2e_launch zorban_runner --demo "$longest"
        E2E_WIN=$(e2e_wait_window "ゾルバンブロックuserPLAY")
        sleep 3  # the stage under way
        python3 "$here/measure.py" "$E2E_PID" "$seconds"
        stop_program
    done
}

row() {  # row NAME FILE: the medians of each column of FILE
    local name=$1 file=$2 cols c
    cols=$(head -n1 "$file" | wc -w)
    printf '%-28s' "$name"
    for ((c = 1; c <= cols; c++)); do printf ' %10s' "$(cut -d' ' -f$c "$file" | median)"; done
    echo
}

echo "load before: $(load)  ($(nproc) cores; $runs runs of $seconds s each, medians)"
idle zorban "ゾルバンブロック5th" 602 451 170 240 FFFFFF >"$E2E_DIR/game-idle"
idle zorban_runner "ゾルバンブロックuserPLAY" 603 430 587 225 FFB0FF >"$E2E_DIR/runner-idle"
idle zorban_maker "ゾルバンブロックつくーる" 551 571 200 200 FF80C0 >"$E2E_DIR/maker-idle"
play 1 >"$E2E_DIR/play-1x"
play 3 >"$E2E_DIR/play-3x"
echo "load after:  $(load)"
echo
printf '%-28s %10s %10s %10s %10s %10s\n' "" "start ms" "CPU %" "UI thread" "wakeups/s" "RSS KiB"
row "zorban, start panel" "$E2E_DIR/game-idle"
row "zorban_runner, no stage" "$E2E_DIR/runner-idle"
row "zorban_maker, empty" "$E2E_DIR/maker-idle"
printf '%-28s %10s' "zorban_runner --demo, 1x" "-"
row "" "$E2E_DIR/play-1x" | cut -c29-
printf '%-28s %10s' "zorban_runner --demo, 3x" "-"
row "" "$E2E_DIR/play-3x" | cut -c29-
