# The end-to-end library on Wayland (bash; sourced by e2e.sh when E2E_DISPLAY_SERVER=weston): the same functions
# as on Xvfb, played on a private headless Weston of the test's own.
#
# Weston runs beside a D-Bus session bus of the test's own, as on a desktop, with its pixman renderer and the
# desktop shell (no panel, no animations) at 1280 x 1024 logical pixels, scale E2E_WESTON_SCALE (default 1: the
# output has that many times as many pixels each way; the functions take logical pixels), its socket in the test's private runtime folder (mode 0700). It has no input
# of its own: the module E2E_WESTON_MODULE (tests/e2e/lib/WestonInput.c, built beside the tests) adds a seat
# whose pointer and keyboard the functions here drive, lists the windows, closes them and reads the output's
# pixels, told so through E2E_WESTON_CLIENT (WestonInputClient.c). The programs run natively
# (QT_QPA_PLATFORM=wayland, no DISPLAY) without Qt's window decorations, so a window's surface is its client area.
#
# What differs from X11: the compositor, not the program, places a window, and Weston's shell does so at random
# and leaves a window that grows where it was: e2e_wait_window puts each window it finds at the output's
# top-left corner, where a doubled window still fits. The keyboard goes to the window the shell activated (a
# new window, or one clicked); e2e_type is not offered.

E2E_WL_CTL=""
E2E_WL_SCALE=1

e2e_cleanup() {
    e2e_stop "$E2E_PID" "$E2E_OTHER_PID" "$E2E_DISPLAY_PID" "$E2E_DESKTOP_BUS_PID"
    E2E_PID=""
    E2E_OTHER_PID=""
    E2E_DISPLAY_PID=""
    E2E_DESKTOP_BUS_PID=""
}

e2e__start_display() {
    command -v weston >/dev/null || e2e_fail "weston is not installed"
    [ -f "${E2E_WESTON_MODULE:-}" ] || e2e_fail "no test seat module for Weston (E2E_WESTON_MODULE)"
    [ -x "${E2E_WESTON_CLIENT:-}" ] || e2e_fail "no client of the test seat (E2E_WESTON_CLIENT)"
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    cat >"$E2E_DIR/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff202020
animation=none
close-animation=none
startup-animation=none
focus-animation=none
[keyboard]
keymap_layout=us
INI
    e2e__start_desktop_bus
    env -u DISPLAY -u WAYLAND_DISPLAY weston --backend=headless-backend.so --use-pixman --width=1280 \
        --height=1024 --scale="${E2E_WESTON_SCALE:-1}" --socket=wayland-0 --config="$E2E_DIR/weston.ini" \
        --modules="$E2E_WESTON_MODULE" >>"$E2E_DIR/weston.log" 2>&1 &
    E2E_DISPLAY_PID=$!
    E2E_WL_SCALE=${E2E_WESTON_SCALE:-1}
    E2E_WL_CTL="$XDG_RUNTIME_DIR/zorban-e2e-input"
    e2e_wait_for "Weston to start (see $E2E_DIR/weston.log)" e2e__weston_ready
    echo "$XDG_RUNTIME_DIR/wayland-0" >"$E2E_DIR/display"
    unset DISPLAY
    # An absolute path: a program started with another runtime folder still finds the compositor.
    export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/wayland-0"
    export QT_QPA_PLATFORM=wayland
    export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
}
e2e__weston_ready() {
    kill -0 "$E2E_DISPLAY_PID" 2>/dev/null || e2e_fail "Weston ended (see $E2E_DIR/weston.log)"
    [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && e2e__wl windows
}

# Commands to the test seat (see WestonInput.c).
e2e__wl() { "$E2E_WESTON_CLIENT" "$E2E_WL_CTL" "$@"; }

# "ID X Y W H ACTIVE TITLE" of the first window whose title contains $1 (by id when $1 is one).
e2e__wl_window() {
    e2e__wl windows 2>/dev/null | awk -v t="$1" '{
        title = $0; sub(/^([^ ]+ ){6}/, "", title)
        if ($1 == t || index(title, t)) { print; exit }
    }'
}
e2e__wl_geometry() {
    local line
    line=$(e2e__wl_window "$1")
    [ -n "$line" ] || e2e_fail "no window $1"
    echo "$line"
}

# Each window found is put at the output's top-left corner (see above).
e2e__find_window() {
    local line
    line=$(e2e__wl_window "$1")
    [ -n "$line" ] || return 0
    e2e__wl "place ${line%% *} 0 0"
    echo "${line%% *}"
}

e2e__no_window() { [ -z "$(e2e__wl_window "$1")" ]; }

e2e_origin() {
    local id x y rest
    read -r id x y rest < <(e2e__wl_geometry "$1")
    echo "$x $y"
}

e2e_size() {
    local id x y w h rest
    read -r id x y w h rest < <(e2e__wl_geometry "$1")
    echo "$w $h"
}

# Whether the window has the keyboard (the shell activated it).
e2e_active() {
    local id x y w h active rest
    read -r id x y w h active rest < <(e2e__wl_geometry "$1")
    [ "$active" = 1 ]
}

e2e_close() { e2e__wl "close $1" || e2e_fail "could not ask window $1 to close"; }

e2e_move() {
    local x y
    read -r x y < <(e2e_origin "$1")
    e2e__wl "move $((x + $2)) $((y + $3))"
}

e2e_pointer_away() {
    e2e__wl "move 1279 1023"
    sleep 0.3
}

e2e_click() {
    local x y
    read -r x y < <(e2e_origin "$1")
    e2e__wl "move $((x + $2)) $((y + $3))" "button ${4:-1} down" "button ${4:-1} up"
}

e2e_down() {
    e2e_move "$1" "$2" "$3"
    e2e__wl "button ${4:-1} down"
}

e2e_up() { e2e__wl "button ${1:-1} up"; }

e2e_type() { e2e_fail "typing text is not offered on Wayland"; }
e2e_type_replacing() { e2e_type "$@"; }

# xdotool's key names as evdev key codes of the US keymap ("S code": with Shift).
declare -A E2E_WL_KEYS=(
    [ctrl]=29 [control]=29 [shift]=42 [alt]=56 [super]=125
    [Return]=28 [Escape]=1 [space]=57 [Tab]=15 [BackSpace]=14 [Delete]=111
    [Left]=105 [Right]=106 [Up]=103 [Down]=108 [Home]=102 [End]=107
    [minus]=12 [equal]=13 [plus]="S 13" [underscore]="S 12"
    [F1]=59 [F2]=60 [F3]=61 [F4]=62 [F5]=63 [F6]=64 [F7]=65 [F8]=66 [F9]=67 [F10]=68
    [1]=2 [2]=3 [3]=4 [4]=5 [5]=6 [6]=7 [7]=8 [8]=9 [9]=10 [0]=11
    [q]=16 [w]=17 [e]=18 [r]=19 [t]=20 [y]=21 [u]=22 [i]=23 [o]=24 [p]=25
    [a]=30 [s]=31 [d]=32 [f]=33 [g]=34 [h]=35 [j]=36 [k]=37 [l]=38
    [z]=44 [x]=45 [c]=46 [v]=47 [b]=48 [n]=49 [m]=50
)

# Each KEY is a name or names joined by '+' (ctrl+plus): pressed in order, let go in reverse.
e2e_key() {
    local chord name code i codes commands
    shift  # the keyboard goes to the active window
    for chord in "$@"; do
        codes=()
        IFS=+ read -r -a names <<<"$chord"
        for name in "${names[@]}"; do
            code=${E2E_WL_KEYS[$name]:-${E2E_WL_KEYS[${name,,}]:-}}
            [ -n "$code" ] || e2e_fail "no key code for \"$name\""
            [[ $code == "S "* ]] && codes+=("${E2E_WL_KEYS[shift]}") && code=${code#S }
            codes+=("$code")
        done
        commands=()
        for code in "${codes[@]}"; do commands+=("key $code down"); done
        for ((i = ${#codes[@]} - 1; i >= 0; i--)); do commands+=("key ${codes[i]} up"); done
        e2e__wl "${commands[@]}"
    done
}

# A rectangle of the output as PNG: shoot FILE X Y W H (logical pixels; the picture has the output's pixels,
# E2E_WESTON_SCALE times as many each way).
e2e__wl_shoot() {
    local ppm="$E2E_DIR/shot.$$.ppm" s=$E2E_WL_SCALE
    e2e__wl "shot $ppm $(($2 * s)) $(($3 * s)) $(($4 * s)) $(($5 * s))" || return 1
    convert "$ppm" "$1"
    rm -f "$ppm"
}

e2e_screenshot() { e2e__wl_shoot "$1" 0 0 1280 1024; }

e2e_window_shot() {
    local x y w h
    read -r x y < <(e2e_origin "$1")
    read -r w h < <(e2e_size "$1")
    e2e__wl_shoot "$2" "$x" "$y" "$w" "$h"
}

e2e_client_pixel() {
    local x y ppm="$E2E_DIR/pixel.ppm"
    read -r x y < <(e2e_origin "$1")
    e2e__wl "shot $ppm $(((x + $2) * E2E_WL_SCALE)) $(((y + $3) * E2E_WL_SCALE)) 1 1" || e2e_fail "could not read pixel ($2, $3) of $1"
    tail -c 3 "$ppm" | od -An -tx1 | tr -d ' \n' | tr a-f A-F
}

# Another program's window takes the focus, as when the player turns to another window; it lies almost wholly
# off the output, so that it covers nothing of the tests' windows.
e2e_focus_elsewhere() {
    weston-simple-shm >>"$E2E_DIR/other-window.log" 2>&1 &
    E2E_OTHER_PID=$!
    e2e_wait_for "another window to take the focus" e2e__other_window_active
    e2e__wl "place $(e2e__wl windows | awk '$6 == 1 { print $1; exit }') 1279 1023"
}
e2e__other_window_active() { e2e__wl windows | grep -v "ゾルバン" | awk '$6 == 1 { found = 1 } END { exit !found }'; }

# The player comes back to WIN by clicking it at (X, Y).
e2e_activate() {
    e2e_click "$1" "$2" "$3"
    e2e_wait_for "window $1 to be active" e2e_active "$1"
}
