# End-to-end sound through a real sound server: a private PulseAudio with one null sink, its monitor recorded
# with parec (bash; source it, which sources e2e.sh too, and call e2e_init first).
#
#   e2e_pulse_start [RATE]    starts a PulseAudio of the test's own: its runtime folder and socket under
#                             $E2E_DIR/pulse, no default script (-n), only a null sink "zorban" (8-bit mono
#                             at RATE samples a second, default 44100, the mixer's rate) and the unix socket
#                             protocol; never exits by itself; also as root (--system=false). Exports what the
#                             programs need to play into it (PULSE_SERVER, a client configuration without
#                             autospawn, SDL_AUDIODRIVER=pulseaudio). E2E_PULSE_PID is the server's id
#   e2e_pulse_stop            ends the server (the programs lose their sound device)
#   e2e_pulse_record FILE     records the sink's monitor into FILE: raw 8-bit mono at the sink's rate,
#                             from when the first bytes arrive
#   e2e_pulse_record_stop     ends the recording (its file is complete after this)
#   e2e_cpu_load N SECONDS    N processes beside the game that only keep the CPU busy (a parallel build on a
#                             laptop), each ending after SECONDS at the latest
# Everything started here ends when the script exits.

# shellcheck source=e2e.sh
[ -n "${E2E_LIB_DIR:-}" ] || source "$(dirname "${BASH_SOURCE[0]}")/e2e.sh"

E2E_PULSE_PID=""
E2E_PAREC_PID=""
E2E_PULSE_RATE=44100
E2E_LOAD_PIDS=()

e2e_pulse_cleanup() {
    e2e_stop "$E2E_PAREC_PID" "$E2E_PULSE_PID" "${E2E_LOAD_PIDS[@]}"
    E2E_PAREC_PID=""
    E2E_PULSE_PID=""
    E2E_LOAD_PIDS=()
}

e2e_cpu_load() {
    local i
    for ((i = 0; i < $1; i++)); do
        timeout "$2" sh -c 'while :; do :; done' &
        E2E_LOAD_PIDS+=("$!")
    done
}

e2e_pulse_start() {
    [ -n "$E2E_DIR" ] || e2e_fail "e2e_pulse_start needs e2e_init first"
    command -v pulseaudio >/dev/null || e2e_fail "pulseaudio is not installed"
    command -v parec >/dev/null || e2e_fail "parec (pulseaudio-utils) is not installed"
    E2E_PULSE_RATE=${1:-44100}
    local dir="$E2E_DIR/pulse"
    mkdir -p -m 700 "$dir" "$dir/runtime" "$dir/home"
    printf 'autospawn = no\n' >"$dir/client.conf"
    export PULSE_SERVER="unix:$dir/runtime/native"
    export PULSE_CLIENTCONFIG="$dir/client.conf"
    export SDL_AUDIODRIVER=pulseaudio
    trap 'e2e_pulse_cleanup; e2e_cleanup' EXIT
    e2e__pulse_launch
}

# The server itself: nothing of the host's (no display, no D-Bus, its own home and runtime folder).
e2e__pulse_launch() {
    local dir="$E2E_DIR/pulse"
    rm -f "$dir/runtime/native"
    env -u DISPLAY HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" \
        XDG_CONFIG_HOME="$dir/home" DBUS_SESSION_BUS_ADDRESS=disabled: \
        pulseaudio -n --daemonize=no --system=false --use-pid-file=false --exit-idle-time=-1 \
        --disallow-module-loading=true --disable-shm=true --log-target=stderr --log-level=warning \
        -L "module-null-sink sink_name=zorban format=u8 rate=$E2E_PULSE_RATE channels=1" \
        -L "module-native-protocol-unix socket=$dir/runtime/native auth-anonymous=1" \
        >>"$dir/server.log" 2>&1 &
    E2E_PULSE_PID=$!
    e2e_wait_for "the private sound server" e2e__pulse_ready
    pactl set-default-sink zorban >/dev/null 2>&1 || true
}
e2e__pulse_ready() {
    kill -0 "$E2E_PULSE_PID" 2>/dev/null || e2e_fail "the sound server ended (see $E2E_DIR/pulse/server.log)"
    pactl info >/dev/null 2>&1
}

e2e_pulse_stop() {
    e2e_stop "$E2E_PULSE_PID"
    E2E_PULSE_PID=""
}

e2e_pulse_restart() {
    e2e_pulse_stop
    e2e__pulse_launch
}

e2e_pulse_record() {
    parec --device=zorban.monitor --format=u8 --channels=1 --rate="$E2E_PULSE_RATE" --latency-msec=10 --raw \
        >"$1" 2>>"$E2E_DIR/pulse/parec.log" &
    E2E_PAREC_PID=$!
    e2e_recorder_started "$E2E_PAREC_PID" parec "$E2E_DIR/pulse/parec.log"
    # A sink that nothing plays into hands its monitor over late (about 1.5 s): what sounds before the first
    # bytes arrive is not recorded.
    e2e_wait_for "the recording to begin" test -s "$1"
}

e2e_pulse_record_stop() {
    e2e_recorder_stop "$E2E_PAREC_PID"
    E2E_PAREC_PID=""
}

# e2e_quiet_sounds DAT KEEP...: every WAV file in DAT except those named becomes silence of the same format
# and length, so that a recording holds the kept sounds unmixed.
e2e_quiet_sounds() {
    local dat=$1
    shift
    python3 - "$dat" "$@" <<'PY'
import os, sys, wave
dat, keep = sys.argv[1], set(sys.argv[2:])
for name in os.listdir(dat):
    if not name.lower().endswith(".wav") or name in keep:
        continue
    path = os.path.join(dat, name)
    with wave.open(path, "rb") as w:
        params, frames = w.getparams(), w.getnframes()
    silence = (b"\x80" if params.sampwidth == 1 else b"\x00" * params.sampwidth) * params.nchannels * frames
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(silence)
PY
}
