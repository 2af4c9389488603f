# Minimal helpers for driving a Qt window on a private Xvfb display with xdotool (sourced by the maker test).
# Each wait gives up after E2E_TIMEOUT seconds (default 20) and fails the test with a message.

E2E_TIMEOUT=${E2E_TIMEOUT:-20}
E2E_PIDS=()  # processes started here, ended on exit by their ids

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Ends the started processes newest first, so the programs go before their display.
e2e_cleanup() {
    local i pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Starts Xvfb on a free display number and exports DISPLAY. $1: folder for its log.
e2e_start_display() {
    local dir=$1 i
    : >"$dir/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
    E2E_PIDS+=($!)
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        [ -s "$dir/display" ] && break
        sleep 0.1
    done
    [ -s "$dir/display" ] || e2e_fail "Xvfb did not start (see $dir/xvfb.log)"
    export DISPLAY=":$(head -n1 "$dir/display")"
    # The windows must reach this display, not the offscreen platform tests use elsewhere.
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$dir/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# Starts a program in the background; its pid is remembered for the clean-up.
e2e_start() {
    "$@" &
    E2E_PIDS+=($!)
}

# Prints the id of the visible window whose title contains $1, waiting for it.
e2e_wait_window() {
    local name=$1 i id
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no window \"$name\""
}

e2e_wait_window_gone() {
    local name=$1 i
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    e2e_fail "window \"$name\" did not close"
}

e2e_wait_file() {
    local path=$1 i
    for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
        [ -f "$path" ] && return 0
        sleep 0.1
    done
    e2e_fail "no file $path"
}

# Client-area origin of window $1 on the screen, as "X Y" (no window manager: no frame).
e2e_origin() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y)=')"
    echo "$X $Y"
}

e2e_click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Gives window $1 the keyboard and types $2 into its focused field, replacing what is there.
e2e_type_replacing() {
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+a
    xdotool type --delay 15 "$2"
}

e2e_screenshot() { import -window root "$1"; }

# Colour of screen pixel (x, y) in a screenshot as RRGGBB.
e2e_pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }

# Waits until the screen pixel (x, y) shows colour $3 (RRGGBB); $4: scratch file for screenshots.
e2e_wait_pixel() {
    local x=$1 y=$2 want=$3 shot=$4 i got=""
    for ((i = 0; i < E2E_TIMEOUT * 4; i++)); do
        e2e_screenshot "$shot"
        got=$(e2e_pixel "$shot" "$x" "$y")
        [ "$got" = "$want" ] && return 0
        sleep 0.25
    done
    e2e_fail "pixel ($x, $y) is $got, expected $want"
}
