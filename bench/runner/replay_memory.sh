#!/usr/bin/env bash
# Peak memory and CPU of a long replay: zorban_runner on a private Xvfb replays a moves file of 20,000 ticks with
# eight bar moves and, every 50 ticks, a turn (the most a file may hold at one tick; 2.5 MB) for SECONDS, sampling
# its resident memory twice a second; then SIGTERM, which must end it within two seconds. Prints the peak
# resident memory, the memory at the first and the last sample, the CPU time, and how long SIGTERM took. By hand:
#     bench/runner/replay_memory.sh BUILD [SECONDS (default 30)] [SCRATCH (default /tmp/zorban-replay-memory)]
# MOVES=FILE replays FILE instead (to measure a file that older programs took). Exit status 1 when the memory
# grew by more than 32 MB after the first five seconds, peaked over 400 MB, or SIGTERM did not end the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/lib/e2e.sh"

build=$1
seconds=${2:-30}
e2e_init "${3:-/tmp/zorban-replay-memory}"
e2e_game_copy "$build" zorban_runner
stage="$E2E_DIR/walls.usr"
write_stage "$stage" Replay bench "1-10 1-3 1 2-9 5 13"
moves=${MOVES:-$E2E_DIR/long.moves}
if [ -z "${MOVES:-}" ]; then
    awk 'BEGIN {
        printf "zorban moves 1\r\nserve 5 @0\r\n"
        for (t = 1; t <= 20000; t++) {
            for (k = 0; k < (t % 50 ? 8 : 7); k++) printf "bar %d @%d\r\n", (t + k) % 10 + 1, t
            if (t % 50 == 0) printf "turn @%d\r\n", t
        }
    }' >"$moves"
fi

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }
hwm_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }
cpu_s() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.1f", ($14 + $15) / hz }' "/proc/$1/stat" 2>/dev/null || echo 0; }

e2e_launch zorban_runner --replay "$moves" "$stage"
pid=$E2E_PID
first="" last=0 peak=0
for ((i = 0; i < seconds * 2; i++)); do
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || break
    last=$(rss_kb "$pid")
    ((i == 10)) && first=$last
    peak=$(hwm_kb "$pid")
done
cpu=$(cpu_s "$pid")
start=$(date +%s%N)
kill -TERM "$pid" 2>/dev/null || true
ended=1
for ((i = 0; i < 20; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
term_ms=$((($(date +%s%N) - start) / 1000000))
if kill -0 "$pid" 2>/dev/null; then
    ended=0
    kill -KILL "$pid" 2>/dev/null || true  # a program that ignores SIGTERM would hold the clean-up up
fi
echo "replay of $(wc -c <"$moves") bytes for ${seconds} s: peak RSS $((peak / 1024)) MB," \
    "RSS at 5 s $((${first:-0} / 1024)) MB, at the end $((last / 1024)) MB; CPU ${cpu} s;" \
    "SIGTERM: $([ $ended = 1 ] && echo "ended after $term_ms ms" || echo "still running after $term_ms ms")"
status=0
[ $ended = 1 ] || status=1
((peak < 400 * 1024)) || status=1
[ -z "$first" ] || ((last - first < 32 * 1024)) || status=1
exit $status
