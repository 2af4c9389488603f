# End-to-end sound through a private PipeWire: the server and WirePlumber as its session manager (on the test's
# session bus, or one of their own), with one null sink, its monitor recorded with pw-record (bash; source it, which
# sources e2e.sh too, and call e2e_init first). PulseAudio, if installed, is left alone (no pipewire-pulse).
#
#   e2e_pipewire_start [RATE]  starts the three under $E2E_DIR/pipewire, nothing of the host's (home, runtime
#                              folder, configuration); a null sink "zorban" (mono, RATE samples a second,
#                              default 44100) is the default output. Exports what the programs need to play
#                              into it (PIPEWIRE_RUNTIME_DIR, SDL_AUDIODRIVER=pipewire)
#   e2e_pipewire_stop          ends PipeWire and WirePlumber (the programs lose their sound device)
#   e2e_pipewire_restart       starts them again
#   e2e_pipewire_record FILE   records the sink's monitor into FILE: raw 8-bit mono at the sink's rate
#   e2e_pipewire_record_stop   ends the recording (its file is complete after this)
# Everything started here ends when the script exits.

# shellcheck source=e2e.sh
[ -n "${E2E_LIB_DIR:-}" ] || source "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"

E2E_PW_PID=""
E2E_WP_PID=""
E2E_BUS_PID=""
E2E_PWREC_PID=""
E2E_PWREC_FILE=""
E2E_PW_RATE=44100
E2E_PW_BUS=""

e2e_pipewire_cleanup() {
    e2e_stop "$E2E_PWREC_PID" "$E2E_WP_PID" "$E2E_PW_PID" "$E2E_BUS_PID"
    E2E_PWREC_PID=""
    E2E_WP_PID=""
    E2E_PW_PID=""
    E2E_BUS_PID=""
}

e2e_pipewire_start() {
    [ -n "$E2E_DIR" ] || e2e_fail "e2e_pipewire_start needs e2e_init first"
    local tool
    for tool in pipewire wireplumber pw-record pw-cli dbus-daemon sox; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    E2E_PW_RATE=${1:-44100}
    local dir="$E2E_DIR/pipewire"
    mkdir -p -m 700 "$dir" "$dir/runtime" "$dir/home" "$dir/config/pipewire/pipewire.conf.d"
    cat >"$dir/config/pipewire/pipewire.conf.d/zorban.conf" <<CONF
context.properties = { default.clock.rate = $E2E_PW_RATE }
context.objects = [
    { factory = adapter
      args = {
          factory.name = support.null-audio-sink
          node.name = zorban
          media.class = Audio/Sink
          audio.position = [ MONO ]
          audio.rate = $E2E_PW_RATE
          object.linger = true
      }
    }
]
CONF
    export PIPEWIRE_RUNTIME_DIR="$dir/runtime"
    export SDL_AUDIODRIVER=pipewire
    trap 'e2e_pipewire_cleanup; e2e_cleanup' EXIT
    # WirePlumber needs a session bus: the test's desktop's (e2e.sh), else one of its own, never the host's.
    if [ -n "${E2E_DESKTOP_BUS_PID:-}" ]; then
        E2E_PW_BUS=$DBUS_SESSION_BUS_ADDRESS
    else
        dbus-daemon --session --nofork --address="unix:path=$dir/runtime/bus" >>"$dir/bus.log" 2>&1 &
        E2E_BUS_PID=$!
        e2e_wait_for "the private session bus" test -S "$dir/runtime/bus"
        E2E_PW_BUS="unix:path=$dir/runtime/bus"
    fi
    e2e__pipewire_launch
}

# Runs a command in the servers' environment, in place of the shell that calls it (so that the id of a
# background call is the server's own).
e2e__pipewire_env() {
    local dir="$E2E_DIR/pipewire"
    exec env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" \
        PIPEWIRE_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/config" XDG_STATE_HOME="$dir/home" \
        DBUS_SESSION_BUS_ADDRESS="$E2E_PW_BUS" "$@"
}

e2e__pipewire_launch() {
    local dir="$E2E_DIR/pipewire"
    e2e__pipewire_env pipewire >>"$dir/server.log" 2>&1 &
    E2E_PW_PID=$!
    e2e_wait_for "the private PipeWire" e2e__pipewire_ready
    e2e__pipewire_env wireplumber >>"$dir/wireplumber.log" 2>&1 &
    E2E_WP_PID=$!
    e2e_wait_for "WirePlumber to choose the test sink" e2e__pipewire_sink_chosen
}
e2e__pipewire_ready() {
    kill -0 "$E2E_PW_PID" 2>/dev/null || e2e_fail "PipeWire ended (see $E2E_DIR/pipewire/server.log)"
    pw-cli info 0 >/dev/null 2>&1
}
e2e__pipewire_sink_chosen() {
    kill -0 "$E2E_WP_PID" 2>/dev/null || e2e_fail "WirePlumber ended (see $E2E_DIR/pipewire/wireplumber.log)"
    pw-metadata 0 default.audio.sink 2>/dev/null | grep -q '"zorban"'
}

e2e_pipewire_stop() {
    e2e_stop "$E2E_WP_PID" "$E2E_PW_PID"
    E2E_WP_PID=""
    E2E_PW_PID=""
}

e2e_pipewire_restart() {
    e2e_pipewire_stop
    e2e__pipewire_launch
}

e2e_pipewire_record() {
    E2E_PWREC_FILE=$1
    pw-record --target zorban -P stream.capture.sink=true --format u8 --channels 1 --rate "$E2E_PW_RATE" \
        --latency 100ms "$1.wav" 2>>"$E2E_DIR/pipewire/pw-record.log" &
    E2E_PWREC_PID=$!
    e2e_recorder_started "$E2E_PWREC_PID" pw-record "$E2E_DIR/pipewire/pw-record.log"
}

e2e_pipewire_record_stop() {
    [ -n "$E2E_PWREC_PID" ] || return 0
    e2e_recorder_stop "$E2E_PWREC_PID"
    E2E_PWREC_PID=""
    sox "$E2E_PWREC_FILE.wav" -t raw -e unsigned-integer -b 8 -c 1 "$E2E_PWREC_FILE" ||
        e2e_fail "the recording $E2E_PWREC_FILE.wav cannot be read"
}
