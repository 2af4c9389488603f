#!/usr/bin/env bash
# What a screen reader is offered of the three windows: on a private session bus, with the desktop's
# accessibility bus (at-spi2-core) that it starts on demand, each program is read through AT-SPI (pyatspi) as
# a screen reader reads it. Every control that shows has a name; the hidden, the covered and those that wait
# below the window are not offered; the field picture tells the blocks left and the lives.
# Usage: access_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"
here=$(cd "$(dirname "$0")" && pwd)

e2e_init "$2"
e2e_game_copy "$1"
command -v dbus-daemon >/dev/null || e2e_fail "dbus-daemon is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_fail "python3-pyatspi is not installed"
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || e2e_fail "at-spi2-core is not installed"

# A session bus of this test's own; the accessibility bus is started by it when first asked for.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_DIR/bus.address" 4>"$E2E_DIR/bus.pid"
bus_pid=$(cat "$E2E_DIR/bus.pid")
trap 'e2e_cleanup; e2e_stop_bus' EXIT
e2e_stop_bus() { kill "$bus_pid" 2>/dev/null || true; }
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_DIR/bus.address")
export DBUS_SESSION_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

read_window() {
    /usr/bin/python3 "$here/atspi_controls.py" "$@" >"$E2E_DIR/controls.txt" 2>&1 || {
        cat "$E2E_DIR/controls.txt" >&2
        e2e_fail "the window '$1' as a screen reader reads it"
    }
    cat "$E2E_DIR/controls.txt"
}

# The game's start panel: its course buttons and texts, not the play screen under it nor the maintenance
# buttons below the window.
e2e_game_fresh_saves
e2e_launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
read_window "ゾルバンブロック5th" --has "SELECT CORSE" --has "ZORBAN BLOCK 5TH MIX" --lacks "初期化" \
    --lacks "HELP" --lacks "TOY"
e2e_close_expect_exit "$win"

# The runner with a stage: the field picture, the score, the lives; not the prompts under the stage button.
stage="$E2E_DIR/one.usr"
write_stage "$stage" Access tester "6 5 1"
e2e_launch zorban_runner "$stage"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 220 90 FFFFFF "the white block drawn"
read_window "ゾルバンブロックuserPLAY" --has "自分の作ったｽﾃｰｼﾞをプレイ" --has "Your score" --has "HP" \
    --describes "プレイフィールド=残りブロック 1、HP 10" --lacks "Push!!→"
e2e_close_expect_exit "$win"

# The editor: its fields by the labels beside them, the block list, the buttons.
e2e_launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")
read_window "ゾルバンブロックつくーる" --has "タイトル＞" --has "YOUR NAME" --has "ブロックの種類" --has "load" \
    --has "元に戻す (Ctrl+Z)"
e2e_close_expect_exit "$win"
e2e_pass "every control a screen reader is offered in the three windows has a name"
