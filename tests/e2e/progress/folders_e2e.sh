#!/usr/bin/env bash
# Drives the real zorban on a virtual display with the folders a player may have:
#  1. a program folder others may write to (mode 0777 as exFAT and NTFS mounts show it, or a group-writable
#     one): the saves go to the per-user data folder, made for this user only, and no access error is shown;
#  2. zorban.ini that the player cannot open (another user's, mode 0600; run as nobody): a key that changes a
#     setting leaves the file as it was, every key of the three programs kept;
#  3. zorban.ini whose lock another program holds: the change waits about a second, then is not written; once
#     the lock is free the next change is.
# As root the second part runs as the user nobody; without setpriv it is left out.
# Usage: folders_e2e.sh <game folder> <scratch folder>
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

nobody=65534
runas=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null &&
    setpriv --reuid=$nobody --regid=$nobody --clear-groups true 2>/dev/null; then
    runas=("$(command -v setpriv)" --reuid=$nobody --regid=$nobody --clear-groups --)
fi

e2e_init "$2"
export SDL_AUDIODRIVER=dummy
unset ZORBAN_WAV_OUT XDG_DATA_HOME
# Everything another user must reach lives in a folder of /tmp open to it (the build tree may not be).
shared=$(mktemp -d "${TMPDIR:-/tmp}/zorban-folders-e2e.XXXXXX")
finish() {
    e2e_cleanup
    rm -rf "$shared"
}
trap finish EXIT
chmod 755 "$shared"
E2E_DIR_SAVED=$E2E_DIR
E2E_DIR=$shared
e2e_game_copy "$1" zorban
E2E_DIR=$E2E_DIR_SAVED
E2E_DIALOGS="$shared/dialogs"
: >"$E2E_DIALOGS"
: >"$E2E_DIALOGS.log"
chmod 644 "$E2E_DIALOGS"
chmod 666 "$E2E_DIALOGS.log"
chmod -R a+rX "$E2E_GAME"

# Starts zorban with HOME set (and the rest of the command line before it, for another user).
launch() {
    local home=$1
    shift
    e2e_launch "$@" "$(command -v env)" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" "$E2E_GAME/zorban"
}
settings_keys() { grep -c '=' "$1" 2>/dev/null || true; }

# 1. Untrusted program folders.
for mode in 777 775; do
    home="$shared/home-$mode"
    mkdir -p -m 700 "$home" "$home/runtime"
    chmod "$mode" "$E2E_GAME" "$E2E_GAME/dat"
    : >"$E2E_DIALOGS.log"
    launch "$home"
    win=$(e2e_wait_window "ゾルバンブロック5th")
    e2e_close_expect_exit "$win" zorban
    data="$home/.local/share/zorban"
    [ -s "$data/dat/my.dat" ] || e2e_fail "program folder $mode: nothing saved in $data/dat ($(e2e_dialog_log))"
    [ "$(stat -c %a "$data")" = 700 ] && [ "$(stat -c %a "$data/dat")" = 700 ] ||
        e2e_fail "program folder $mode: the data folder has mode $(stat -c %a "$data") / $(stat -c %a "$data/dat")"
    if e2e_dialog_log | grep -q '^error'; then e2e_fail "program folder $mode: $(e2e_dialog_log | grep '^error')"; fi
done
chmod 755 "$E2E_GAME" "$E2E_GAME/dat"

write_settings() {
    printf '[zorban]\r\nscale=2\r\nvolume=60\r\n[zorban_runner]\r\nscale=1\r\nvolume=40\r\n[zorban_maker]\r\nscale=2\r\ngrid=1\r\n' >"$1"
}

# 2. Settings the player cannot open, as another user.
if [ ${#runas[@]} -gt 0 ]; then
    home="$shared/home-nobody"
    mkdir -p -m 700 "$home" "$home/runtime" "$home/.local/share/zorban/dat"
    chmod 755 "$home/.local" "$home/.local/share"
    chmod 700 "$home/.local/share/zorban"
    chown -R $nobody:$nobody "$home"
    ini="$home/.local/share/zorban/zorban.ini"
    write_settings "$ini"
    chmod 600 "$ini"  # root's: nobody cannot open it
    cp "$ini" "$shared/ini.planted"
    launch "$home" "${runas[@]}"
    win=$(e2e_wait_window "ゾルバンブロック5th")
    e2e_key "$win" m
    sleep 1.5
    e2e_close_expect_exit "$win" zorban
    cmp -s "$ini" "$shared/ini.planted" ||
        e2e_fail "an unreadable zorban.ini was rewritten: $(settings_keys "$ini") of 6 keys left: $(tr -d '\r' <"$ini" | tr '\n' ' ')"
else
    echo "SKIP part 2: setpriv cannot drop to an unprivileged user"
fi

# 3. Two programs writing the settings: the lock is taken in turn (the game folder, ours again, keeps them).
home="$shared/home-777"
ini="$E2E_GAME/zorban.ini"
write_settings "$ini"
launch "$home"
win=$(e2e_wait_window "ゾルバンブロック5th")
flock "$ini.lock" sleep 4 &
holder=$!
sleep 1
e2e_key "$win" m
sleep 1.5
if grep -qi '^mute=' "$ini"; then e2e_fail "zorban wrote the settings while another program held their lock"; fi
wait "$holder"
e2e_key "$win" m
e2e_wait_for "the next change to be written" grep -qi '^mute=0' "$ini"
[ "$(settings_keys "$ini")" = 7 ] || e2e_fail "after the lock: $(settings_keys "$ini") keys, expected 7"
e2e_close_expect_exit "$win" zorban

e2e_pass "untrusted program folders saved to the per-user folder; unreadable or locked settings were kept"
