# End-to-end test library: drives the real programs on a private Xvfb display with xdotool (bash; source it).
#
# A test script typically does:
#     source "$(dirname "$0")/../lib/e2e.sh"
#     e2e_init "$2"                       # scratch folder; starts Xvfb; cleans up on exit
#     e2e_game_copy "$1"                  # copy of the game folder (programs, dat/, cg/) from the build folder
#     e2e_answer "open $E2E_GAME/dat/map1-0.dat"   # scripted answer for the program's next open dialog
#     e2e_launch zorban_runner
#     win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
#     e2e_click "$win" 500 270
#     e2e_wait_pixel "$win" 20 10 FFFFFF "first block"
#     e2e_close "$win"; e2e_wait_exit
#     e2e_pass "runner played a stage"
# and is registered from tests/e2e/<program>/CMakeLists.txt with the helper of tests/e2e/CMakeLists.txt,
#     zorban_e2e_test(runner_e2e ${CMAKE_CURRENT_SOURCE_DIR}/runner_e2e.sh)
# which runs `bash runner_e2e.sh <game folder of the build> <build>/tests/e2e-runner_e2e` with the label e2e,
# and only in Qt builds that have Xvfb, xdotool and imagemagick (ZORBAN_E2E).
#
# With E2E_DISPLAY_SERVER=weston the same functions play the programs natively on a private headless Weston
# (weston.sh); tests registered with zorban_e2e_wayland_test run so, beside their Xvfb run.
#
# Coordinates are pixels of a window's client area (there is no window manager, so no frame); colours are
# RRGGBB in upper-case hex. Every wait gives up after E2E_TIMEOUT seconds (default 20) with e2e_fail.
#
# Set-up and clean-up
#   e2e_init DIR               makes DIR afresh (E2E_DIR), starts Xvfb on a free display (DISPLAY), sets
#                              QT_QPA_PLATFORM=xcb and a private XDG_RUNTIME_DIR (mode 0700), and ends
#                              everything it started when the script exits; the screen is 1280x1024 unless
#                              E2E_SCREEN (WxHxDEPTH) says otherwise
#   e2e_game_copy BUILD [PROG...]  copies the programs (default zorban, zorban_runner, zorban_maker, those
#                              present), dat/ and cg/ from BUILD into E2E_GAME=$E2E_DIR/game, so a test never
#                              touches the build's save files (the programs read and write beside themselves)
#   e2e_launch PROG [ARGS]     starts $E2E_GAME/PROG (or a path) in the background; output goes to
#                              $E2E_DIR/PROG.log; E2E_PID is its process id. Dialogs are scripted (see
#                              e2e_answer) unless E2E_REAL_DIALOGS=1 is set before the launch
#   e2e_wait_exit [SECONDS]    waits for the launched program to end and returns its exit code
#                              (under set -e write: code=0; e2e_wait_exit || code=$?)
#   e2e_close_expect_exit WIN [NAME]  closes WIN as its close box does; fails unless the program (NAME in the
#                              message, default the launched one's) then ends with status 0
#   e2e_listing                every file of E2E_GAME with its size and time (to show that nothing was written)
#   e2e_stop PID...            ends each of these processes (SIGTERM, SIGKILL after 5 s) and waits for it (empty ids
#                              are passed over)
# Stages and saves
#   write_stage OUT TITLE AUTHOR CELLS  a stage file (see stage_file.sh)
#   e2e_write_lines FILE LINE...        the lines, given in UTF-8, into a code page 932 file with CR LF
#   e2e_game_fresh_saves       records in $E2E_GAME/dat in which course 2 is open and nothing else is won
#   e2e_wavconv BUILD WAV OUT [VOLUME]  dat/WAV of the game copy as the mixer converts it, into raw OUT
#   e2e_game_first_stage WIN [PAUSE]  zorban's start panel to course 2's first stage, its ball waiting for
#                              the serve (PAUSE: seconds between the field and the click, default 0.3)
#   e2e_runner_play STAGE      zorban_runner chooses STAGE in its open dialog and plays it; E2E_WIN is the window
#   e2e_cleanup                ends the program, another window and the display (by their ids) — runs by itself on exit
#   e2e_fail MSG / e2e_pass MSG  print FAIL/PASS and end the script with 1 / 0
# Windows
#   e2e_wait_window TITLE      prints the id of the visible window whose caption contains TITLE, waiting for it
#   e2e_wait_window_gone TITLE waits until no visible window has that caption
#   e2e_origin WIN             prints "X Y", the screen position of WIN's client area
#   e2e_size WIN               prints "W H", the size of WIN's client area
#   e2e_close WIN              asks WIN to close as the close box does (the program's close handlers run)
#   e2e_active WIN             true while WIN has the keyboard focus
#   e2e_focus_elsewhere        another program's window (nearly all off the screen) takes the focus
#   e2e_activate WIN X Y       the player comes back to WIN: a click at (X, Y); waits until WIN is active
# Mouse and keyboard (BUTTON: 1 left, 2 middle, 3 right; default 1)
#   e2e_move WIN X Y           moves the pointer to client point (X, Y) of WIN (may lie outside it)
#   e2e_pointer_away           the pointer to the screen's bottom-right corner, off the windows
#   e2e_click WIN X Y [BUTTON] moves there and clicks
#   e2e_down WIN X Y [BUTTON] / e2e_up [BUTTON]   press there / release where the pointer is
#   e2e_drag WIN X1 Y1 X2 Y2 [STEPS] [BUTTON]     presses at 1, moves in STEPS (default 10) to 2, releases
#   e2e_type WIN TEXT          gives WIN the keyboard and types TEXT (Japanese too) into its focused field
#   e2e_type_replacing WIN TEXT  the same after selecting everything in the field (ctrl+a)
#   e2e_key WIN KEY...         sends xdotool key names (Return, Escape, ctrl+a, ...) to WIN
# Pictures
#   e2e_screenshot FILE        the whole screen as a PNG
#   e2e_window_shot WIN FILE   WIN's client area as a PNG (pixel (0, 0) is the client's top-left)
#   e2e_pixel FILE X Y         colour of pixel (X, Y) of a picture, as RRGGBB
#   e2e_focus_marked WIN X Y W  true when the keyboard's focus mark lies on the top edge of the box at (X, Y), W wide
#   e2e_client_pixel WIN X Y   colour of client pixel (X, Y) of WIN now (one screen grab per call: to check
#                              many pixels at once, take one e2e_window_shot and read it with e2e_pixel)
#   e2e_expect_pixel WIN X Y RRGGBB [WHAT]   fails unless the pixel has that colour now
#   e2e_wait_pixel WIN X Y RRGGBB [WHAT]     waits until it has
#   e2e_colour_near A B [TOLERANCE]          true when two RRGGBB colours differ by at most TOLERANCE
#                                            (default 24) in each component (anti-aliased text)
# Scripted dialogs (ZORBAN_TEST_DIALOGS; the program shows no dialog and takes answers from a file)
#   e2e_answer LINE            appends an answer for a later dialog: "open PATH", "open" (cancel),
#                              "save PATH", "save" (cancel), "yes", "no"; answers are used in order
#   e2e_dialog_log             prints the log of every dialog shown so far, one per line, tab-separated:
#                              open|save FILTER FOLDER NAME ANSWER / confirm TEXT yes|no / message TEXT /
#                              error TEXT (error texts end with a full stop)
#   e2e_wait_dialog_log REGEX  waits until a log line matches REGEX (grep -E)
# Waiting in general
#   e2e_wait_file PATH         waits until the file exists
#   e2e_wait_for WHAT CMD...   waits until CMD succeeds; WHAT names it in the failure message

E2E_TIMEOUT=${E2E_TIMEOUT:-20}
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_DIR=""
E2E_GAME=""
E2E_PID=""
E2E_DISPLAY_PID=""
E2E_DIALOGS=""
E2E_PROG=""
E2E_WIN=""
E2E_OTHER_PID=""
E2E_DESKTOP_BUS_PID=""

# shellcheck source=stage_file.sh
source "$E2E_LIB_DIR/stage_file.sh"

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$E2E_DIR" ] && [ -d "$E2E_DIR" ]; then
        e2e_screenshot "$E2E_DIR/failure.png" 2>/dev/null && echo "screen at the failure: $E2E_DIR/failure.png" >&2
        [ -s "$E2E_DIALOGS.log" ] && { echo "dialogs:" >&2; cat "$E2E_DIALOGS.log" >&2; }
    fi
    exit 1
}

e2e_pass() {
    echo "PASS: $*"
    exit 0
}

# Ends each process: SIGTERM, then SIGKILL if it is still there after five seconds (a program hung at start must
# not turn the test's own failure into a silent timeout).
e2e_stop() {
    local pid i
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        for ((i = 0; i < 50 && $(e2e__running "$pid"); i++)); do sleep 0.1; done
        [ "$(e2e__running "$pid")" = 1 ] && kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
    done
}

# 1 while process $1 runs (not yet ended, nor ended and waiting to be reaped), else 0.
e2e__running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$state" ] && [ "$state" != Z ] && echo 1 || echo 0
}

e2e_cleanup() {
    e2e_stop "$E2E_PID" "$E2E_OTHER_PID" "$E2E_DISPLAY_PID" "$E2E_DESKTOP_BUS_PID"
    E2E_PID=""
    E2E_OTHER_PID=""
    E2E_DISPLAY_PID=""
    E2E_DESKTOP_BUS_PID=""
}

# A desktop's session bus, of the test's own, in its runtime folder: what the programs (Qt's accessibility
# bridge, portals) and WirePlumber find there. Without one, libdbus would launch a bus for the display from
# inside the program (a fork of a program that runs threads), as no desktop does.
e2e__start_desktop_bus() {
    command -v dbus-daemon >/dev/null || e2e_fail "dbus-daemon is not installed"
    dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" >>"$E2E_DIR/bus.log" 2>&1 &
    E2E_DESKTOP_BUS_PID=$!
    e2e_wait_for "the session bus" test -S "$XDG_RUNTIME_DIR/bus"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
}

e2e_init() {
    [ $# -eq 1 ] || e2e_fail "e2e_init needs a scratch folder"
    E2E_DIR=$1
    rm -rf "$E2E_DIR"
    mkdir -p "$E2E_DIR"
    E2E_DIR=$(cd "$E2E_DIR" && pwd)
    E2E_DIALOGS="$E2E_DIR/dialogs"
    : >"$E2E_DIALOGS"
    trap e2e_cleanup EXIT
    for tool in convert python3; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    e2e__start_display
}

# The display: a private Xvfb (weston.sh puts a headless Weston in its place).
e2e__start_display() {
    for tool in Xvfb xdotool import; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    # Each test takes a display number of its own under a lock that this shell holds until it ends (Xvfb's own
    # -displayfd choice races when several tests start at once), then waits until its server answers. With
    # -noreset the server does not reset when its last client leaves, which would refuse a program started
    # at that moment (a program closed and started again, or the first one after the readiness check).
    local n i started=0
    for ((n = 90; n < 190 && !started; n++)); do
        exec {E2E_DISPLAY_LOCK}>"/tmp/.zorban-e2e-display-$n.lock"
        if ! flock -n "$E2E_DISPLAY_LOCK"; then
            exec {E2E_DISPLAY_LOCK}>&-
            continue
        fi
        Xvfb ":$n" -screen 0 "${E2E_SCREEN:-1280x1024x24}" -nolisten tcp -noreset {E2E_DISPLAY_LOCK}>&- 2>>"$E2E_DIR/xvfb.log" &
        E2E_DISPLAY_PID=$!
        for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
            kill -0 "$E2E_DISPLAY_PID" 2>/dev/null || break
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                sleep 0.2  # a server of someone else's answers too: ours must still be alive
                kill -0 "$E2E_DISPLAY_PID" 2>/dev/null && started=1
                break
            fi
            sleep 0.1
        done
        if [ $started -eq 0 ]; then  # the number is in use outside the tests: the next one
            kill "$E2E_DISPLAY_PID" 2>/dev/null || true
            wait "$E2E_DISPLAY_PID" 2>/dev/null || true
            E2E_DISPLAY_PID=""
            exec {E2E_DISPLAY_LOCK}>&-
        fi
    done
    [ $started -eq 1 ] || e2e_fail "Xvfb did not start (see $E2E_DIR/xvfb.log)"
    echo "$((n - 1))" >"$E2E_DIR/display"
    export DISPLAY=":$(head -n1 "$E2E_DIR/display")"
    export QT_QPA_PLATFORM=xcb
    # The programs speak Japanese, the language the tests read; a test of another language sets LANG itself.
    unset LANGUAGE LC_ALL LC_MESSAGES
    export LANG=C.UTF-8
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    e2e__start_desktop_bus
}

e2e_game_copy() {
    local build=$1 prog found=0
    shift
    local progs=("$@")
    [ ${#progs[@]} -gt 0 ] || progs=(zorban zorban_runner zorban_maker)
    E2E_GAME="$E2E_DIR/game"
    mkdir -p "$E2E_GAME"
    for prog in "${progs[@]}"; do
        if [ -x "$build/$prog" ]; then
            cp "$build/$prog" "$E2E_GAME/"
            found=1
        fi
    done
    [ $found -eq 1 ] || e2e_fail "no program in $build"
    for sub in dat cg; do
        if [ -d "$build/$sub" ]; then cp -r "$build/$sub" "$E2E_GAME/"; else mkdir -p "$E2E_GAME/$sub"; fi
    done
    # The translations, which the programs look for beside themselves.
    for qm in "$build"/zorban_*.qm; do
        [ -e "$qm" ] && cp "$qm" "$E2E_GAME/"
    done
    return 0
}

# zorban on its start panel: picks course 2 and starts its first stage, whose ball then waits for its serve.
e2e_game_first_stage() {
    local win=$1
    e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
    e2e_click "$win" 296 138
    e2e_wait_pixel "$win" 200 300 000000 "play field"
    sleep "${2:-0.3}"
    e2e_click "$win" 502 269
    e2e_wait_pixel "$win" 405 315 000000 "start prompt"
}

e2e_runner_play() {
    e2e_answer "open $1"
    e2e_launch zorban_runner
    E2E_WIN=$(e2e_wait_window "ゾルバンブロックuserPLAY")
    e2e_click "$E2E_WIN" 500 280  # 自分の作ったｽﾃｰｼﾞをプレイ
}

e2e_write_lines() {
    local out=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$out"
}

e2e_game_fresh_saves() {
    local zeros=() k
    for ((k = 0; k < 513; k++)); do zeros+=(0); done
    e2e_write_lines "$E2E_GAME/dat/my.dat" 0 0 0 "${zeros[@]}"
    e2e_write_lines "$E2E_GAME/dat/my2.dat" "" 0 0 99 50 10 0 -1 0 0 0 1
}

e2e_wavconv() {
    local wavconv="$1/tools/zorban_wavconv"
    [ -x "$wavconv" ] || e2e_fail "no $wavconv"
    "$wavconv" "$E2E_GAME/dat/SOUNDMIX.INI" "$E2E_GAME/dat/$2" "$3" ${4:+"$4"} >/dev/null
}

# zorban with a stage's ball waiting for its serve: clicks in the field (each click serves or explodes)
# until the lives are gone and the end button covers the action help (background 8080C0). The pointer
# moves a pixel between clicks: a move to where it already is waits (xdotool --sync).
e2e_game_play_to_end() {
    local win=$1 i
    for ((i = 0; i < 60; i++)); do
        e2e_click "$win" $((180 + i % 2)) 300
        sleep 0.15
        [ "$(e2e_client_pixel "$win" 590 390)" != 8080C0 ] && return 0
    done
    e2e_fail "the end button did not show"
}

e2e_launch() {
    local prog=$1
    shift
    [[ $prog == */* ]] || prog="$E2E_GAME/$prog"
    [ -x "$prog" ] || e2e_fail "no program $prog"
    local log
    E2E_PROG=$(basename "$prog")
    log="$E2E_DIR/$E2E_PROG.log"
    if [ "${E2E_REAL_DIALOGS:-0}" = 1 ]; then
        env -u ZORBAN_TEST_DIALOGS "$prog" "$@" >"$log" 2>&1 &
    else
        ZORBAN_TEST_DIALOGS="$E2E_DIALOGS" "$prog" "$@" >"$log" 2>&1 &
    fi
    E2E_PID=$!
}

e2e_wait_exit() {
    local seconds=${1:-$E2E_TIMEOUT} i
    [ -n "$E2E_PID" ] || e2e_fail "no program was launched"
    for ((i = 0; i < seconds * 10; i++)); do
        if ! kill -0 "$E2E_PID" 2>/dev/null; then
            local code=0
            wait "$E2E_PID" || code=$?
            E2E_PID=""
            return $code
        fi
        sleep 0.1
    done
    e2e_fail "the program did not end within $seconds s"
}

e2e_close_expect_exit() {
    e2e_close "$1"
    local code=0
    e2e_wait_exit || code=$?
    [ "$code" = 0 ] || e2e_fail "${2:-$E2E_PROG} exited with $code"
}

e2e_listing() { (cd "$E2E_GAME" && find . -type f -printf '%p %s %T@\n' | sort); }

e2e_wait_for() {
    local what=$1 i
    shift
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    e2e_fail "gave up waiting for $what"
}

e2e_wait_window() {
    local title=$1 i id
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        id=$(e2e__find_window "$title")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then
            e2e_fail "the program ended before showing \"$title\" (see $E2E_DIR/*.log)"
        fi
        sleep 0.1
    done
    e2e_fail "no window \"$title\""
}
# The id of a visible window whose caption contains $1, or nothing.
e2e__find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }

e2e_wait_window_gone() {
    e2e_wait_for "window \"$1\" to close" e2e__no_window "$1"
}
e2e__no_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

e2e_origin() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y"
}

e2e_size() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$WIDTH $HEIGHT"
}

e2e_close() { python3 "$E2E_LIB_DIR/wm_delete.py" "$1" || e2e_fail "could not ask window $1 to close"; }

e2e_move() { xdotool mousemove --sync --window "$1" "$2" "$3"; }

e2e_click() {
    e2e_move "$1" "$2" "$3"
    xdotool click "${4:-1}"
}

e2e_down() {
    e2e_move "$1" "$2" "$3"
    xdotool mousedown "${4:-1}"
}

e2e_up() { xdotool mouseup "${1:-1}"; }

e2e_drag() {
    local win=$1 x1=$2 y1=$3 x2=$4 y2=$5 steps=${6:-10} button=${7:-1} i
    e2e_down "$win" "$x1" "$y1" "$button"
    for ((i = 1; i <= steps; i++)); do
        e2e_move "$win" $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps))
        sleep 0.03
    done
    e2e_up "$button"
}

e2e_type() {
    xdotool windowfocus --sync "$1"
    xdotool type --delay 15 "$2"
}

e2e_type_replacing() {
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+a
    xdotool type --delay 15 "$2"
}

e2e_key() {
    local win=$1
    shift
    xdotool windowfocus --sync "$win"
    xdotool key "$@"
}

e2e_pointer_away() {
    xdotool mousemove 1279 1023
    sleep 0.3
}

# Whether WIN has the keyboard focus.
e2e_active() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Another program's window takes the focus, as when the player turns to another window (with no window
# manager, it is given the focus; it lies off the screen but for a pixel, so that it covers nothing).
e2e_focus_elsewhere() {
    xlogo -geometry 100x100+1279+1023 >>"$E2E_DIR/other-window.log" 2>&1 &
    E2E_OTHER_PID=$!
    local other
    other=$(e2e_wait_window_of_class xlogo)
    xdotool windowfocus --sync "$other"
}
e2e_wait_window_of_class() {
    local i id
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        id=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    e2e_fail "no window of class $1"
}

# The player comes back to WIN by clicking it at (X, Y) (with no window manager, it is given the focus too).
e2e_activate() {
    xdotool windowfocus --sync "$1"
    e2e_click "$1" "$2" "$3"
    e2e_wait_for "window $1 to be active" e2e_active "$1"
}

e2e_screenshot() { import -window root "$1"; }

e2e_window_shot() {
    local x y w h
    read -r x y < <(e2e_origin "$1")
    read -r w h < <(e2e_size "$1")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
}

e2e_pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# Whether the keyboard's focus mark (dashed, the game's pink) lies on the top edge of the box at (X, Y) of
# window WIN, W wide.
e2e_focus_marked() {
    local win=$1 x=$2 y=$3 w=$4 shot="$E2E_DIR/mark.png" i
    e2e_window_shot "$win" "$shot"
    for ((i = 0; i < w; i += 2)); do
        [ "$(e2e_pixel "$shot" $((x + i)) $((y + 1)))" = FF0080 ] && return 0
    done
    return 1
}

e2e_client_pixel() {
    local x y shot="$E2E_DIR/pixel.png"
    read -r x y < <(e2e_origin "$1")
    import -window root -crop "1x1+$((x + $2))+$((y + $3))" +repage "$shot"
    e2e_pixel "$shot" 0 0
}

e2e_colour_near() {
    local a=$1 b=$2 tol=${3:-24} i da db
    for i in 0 2 4; do
        da=$((16#${a:i:2}))
        db=$((16#${b:i:2}))
        ((da - db <= tol && db - da <= tol)) || return 1
    done
}

e2e_expect_pixel() {
    local got
    got=$(e2e_client_pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || e2e_fail "${5:-pixel} at ($2, $3) is $got, expected $4"
}

e2e_wait_pixel() {
    local i got=""
    for ((i = 0; i < E2E_TIMEOUT * 5; i++)); do
        got=$(e2e_client_pixel "$1" "$2" "$3")
        [ "$got" = "$4" ] && return 0
        sleep 0.2
    done
    e2e_fail "${5:-pixel} at ($2, $3) stayed $got, expected $4"
}

# Waits until the 400 x 400 play field of window $1 no longer changes within half a second (the ball has
# stopped); fails after ten seconds. The last picture is left in $E2E_DIR/field-b.png.
e2e__field_sum() { e2e_window_shot "$1" "$2" && convert "$2" -crop 400x400+0+0 +repage -format '%#' info:; }

e2e_wait_field_still() {
    local i a b
    for ((i = 0; i < 20; i++)); do
        a=$(e2e__field_sum "$1" "$E2E_DIR/field-a.png")
        sleep 0.5
        b=$(e2e__field_sum "$1" "$E2E_DIR/field-b.png")
        [ "$a" = "$b" ] && return 0
    done
    e2e_fail "the play did not stop (see $E2E_DIR/field-b.png)"
}

# A sound recorder just started in the background: waits until its stream is connected, or fails (NAME, LOG).
e2e_recorder_started() {
    sleep 0.3
    kill -0 "$1" 2>/dev/null || e2e_fail "$2 did not start (see $3)"
}
# Ends a recorder (an empty id is passed over); its file is complete after this.
e2e_recorder_stop() {
    [ -n "$1" ] || return 0
    kill -INT "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

e2e_answer() { printf '%s\n' "$1" >>"$E2E_DIALOGS"; }

e2e_dialog_log() { cat "$E2E_DIALOGS.log" 2>/dev/null || true; }

e2e_wait_dialog_log() {
    e2e_wait_for "a dialog matching \"$1\"" grep -qE "$1" "$E2E_DIALOGS.log"
}

e2e_wait_file() { e2e_wait_for "file $1" test -e "$1"; }

# On Wayland the functions that touch the display are played on a private headless Weston instead.
if [ "${E2E_DISPLAY_SERVER:-xvfb}" = weston ]; then
    # shellcheck source=weston.sh
    source "$E2E_LIB_DIR/weston.sh"
fi
