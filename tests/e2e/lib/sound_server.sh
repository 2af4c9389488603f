# End-to-end sound through a real sound server of the test's own, chosen by E2E_SOUND_SERVER: a private
# PulseAudio (pulse.sh, the default) or a private PipeWire with WirePlumber (pipewire=pipewire.sh) (bash; source
# it, which sources e2e.sh too, and call e2e_init first). Either has one null sink, "zorban", whose monitor
# is recorded as raw 8-bit mono at the sink's rate.
#
#   e2e_sound_start [RATE]     starts the server (RATE samples a second, default 44100) and exports what the
#                              programs need to play into it
#   e2e_sound_stop / e2e_sound_restart   ends it (the programs lose their sound device) / starts it again
#   e2e_sound_record FILE      records the sink's monitor into FILE
#   e2e_sound_record_stop      ends the recording (its file is complete after this)

# shellcheck source=pulse.sh
source "$(dirname "${BASH_SOURCE[0]}")/pulse.sh"
# shellcheck source=pipewire.sh
source "$(dirname "${BASH_SOURCE[0]}")/pipewire.sh"

case "${E2E_SOUND_SERVER:-pulse}" in
    pulse) E2E_SOUND=pulse ;;
    pipewire) E2E_SOUND=pipewire ;;
    *) e2e_fail "unknown sound server \"$E2E_SOUND_SERVER\"" ;;
esac

e2e_sound_start() { "e2e_${E2E_SOUND}_start" "$@"; }
e2e_sound_stop() { "e2e_${E2E_SOUND}_stop"; }
e2e_sound_restart() { "e2e_${E2E_SOUND}_restart"; }
e2e_sound_record() { "e2e_${E2E_SOUND}_record" "$@"; }
e2e_sound_record_stop() { "e2e_${E2E_SOUND}_record_stop"; }
