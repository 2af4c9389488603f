#!/usr/bin/env bash
# Installed use: installs the build into a scratch prefix, makes it read-only, and runs the installed programs
# through their links in bin/ (found on PATH, as the desktop entries start them) as a user who cannot write the
# installation. zorban must copy the first-run saves into $XDG_DATA_HOME/zorban/dat, play course 2 to GAME OVER,
# save the course and the posting file there and the common file on close; zorban_runner and zorban_maker open
# and close. Nothing in the installation may change, and no error may be reported.
# As root (who writes read-only folders) the programs run as the user nobody; without setpriv the test is skipped.
# Usage: install_e2e.sh <build folder> <scratch folder>; ZORBAN_CMAKE names cmake (default: the one on PATH).
set -euo pipefail
source "$(dirname "$0")/../lib/e2e.sh"

build=$(cd "$1" && pwd)
cmake=${ZORBAN_CMAKE:-cmake}
nobody=65534
runas=()
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && setpriv --reuid=$nobody --regid=$nobody --clear-groups true 2>/dev/null; then
        runas=("$(command -v setpriv)" --reuid=$nobody --regid=$nobody --clear-groups --)
    else
        echo "SKIP: running as root, and setpriv cannot drop to an unprivileged user"
        exit 77
    fi
fi

e2e_init "$2"
# Everything the programs' user must reach lives in a folder of /tmp open to it (the build tree may not be).
shared=$(mktemp -d "${TMPDIR:-/tmp}/zorban-install-e2e.XXXXXX")
finish() {
    e2e_cleanup
    chmod -R u+w "$shared" 2>/dev/null || true
    rm -rf "$shared"
}
trap finish EXIT
chmod 755 "$shared"

prefix="$shared/usr"
"$cmake" --install "$build" --prefix "$prefix" >"$E2E_DIR/install.log" 2>&1 || e2e_fail "cmake --install (see $E2E_DIR/install.log)"
game="$prefix/lib/zorban"
[ -x "$game/zorban" ] && [ -L "$prefix/bin/zorban" ] || e2e_fail "no installed zorban in $prefix"
chmod -R a-w "$prefix"
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before=$(snapshot)

# The user's own folders; the dialog script and its log are shared with the test.
xdg="$shared/xdg" home="$shared/home" runtime="$shared/runtime" out="$shared/out"
mkdir -p "$xdg" "$home" "$runtime" "$out"
chmod 700 "$runtime"
E2E_DIALOGS="$shared/dialogs"
: >"$E2E_DIALOGS"
: >"$E2E_DIALOGS.log"
chmod 644 "$E2E_DIALOGS"
chmod 666 "$E2E_DIALOGS.log"
if [ ${#runas[@]} -gt 0 ]; then chown $nobody:$nobody "$xdg" "$home" "$runtime" "$out"; fi
saves="$xdg/zorban/dat"

# Starts an installed program by its name on PATH, as the user, with the user's folders.
launch() {
    e2e_launch "${runas[@]}" "$(command -v env)" PATH="$prefix/bin:$PATH" HOME="$home" XDG_DATA_HOME="$xdg" \
        XDG_RUNTIME_DIR="$runtime" ZORBAN_WAV_OUT="$out/$1.wav" "$1"
}
no_errors() { if e2e_dialog_log | grep -q '^error'; then e2e_fail "errors: $(e2e_dialog_log | grep '^error')"; fi; }
# Whether anything but black shows in the upper half of the play field (the field is black until a stage loads).
field_drawn() {
    e2e_window_shot "$1" "$E2E_DIR/field.png"
    [ "$(convert "$E2E_DIR/field.png" -crop 400x200+0+0 -format '%[fx:maxima]' info:)" != 0 ]
}
# The file's lines in UTF-8 without their CR LF.
read_lines() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }

# First run: the initial saves are copied, and the start panel shows without an error.
launch zorban
win=$(e2e_wait_window "ゾルバンブロック5th")
e2e_wait_pixel "$win" 170 240 FFFFFF "course box of the start panel"
for f in my.dat my1.dat my2.dat my3.dat my4.dat my5.dat my6.dat; do
    cmp -s "$game/dat/$f" "$saves/$f" || e2e_fail "$saves/$f is not the installed first-run save"
done
no_errors

# Course 2 to GAME OVER, as a player would: serve, then explode until the lives are gone.
e2e_game_first_stage "$win"
e2e_game_play_to_end "$win"
e2e_click "$win" 500 358
e2e_wait_pixel "$win" 85 98 8000FF "course name on the end panel"
e2e_click "$win" 500 435   # ＳＡＶＥ ＡＮＤ GAME END....
e2e_wait_file "$xdg/zorban/投稿用2.txt"
e2e_wait_pixel "$win" 170 240 FFFFFF "start panel after saving"
[ "$(read_lines "$xdg/zorban/投稿用2.txt" | head -n1)" = "■ゾルバンブロックデータ" ] || e2e_fail "posting file"
mapfile -t course < <(read_lines "$saves/my2.dat")
[ "${#course[@]}" -eq 12 ] && [ "${course[7]}" = 0 ] || e2e_fail "my2.dat was not saved after the run: ${course[*]}"

# The close box writes the common file into the save folder.
rm -f "$saves/my.dat"
e2e_close_expect_exit "$win" zorban
[ "$(read_lines "$saves/my.dat" | wc -l)" -eq 516 ] || e2e_fail "my.dat not written on close"
no_errors

# The stage player opens an official stage from the installation; the editor opens, offers to save (the
# scripted answer cancels) and closes. Neither writes anything but what the user chooses.
e2e_answer "open $game/dat/map1-0.dat"
launch zorban_runner
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_click "$win" 500 280
e2e_wait_dialog_log '^open'
e2e_wait_for "the stage's blocks drawn" field_drawn "$win"
e2e_close_expect_exit "$win" zorban_runner

e2e_answer "save"
launch zorban_maker
win=$(e2e_wait_window "ゾルバンブロックつくーる")
e2e_click "$win" 474 444
e2e_wait_dialog_log '^save'
e2e_close_expect_exit "$win" zorban_maker
no_errors
echo "dialogs shown:"
e2e_dialog_log | cut -f1,3,4

# Nothing changed in the installation; the user's data folder holds the saves, the posting file, the lock that
# keeps a second game off the same saves and at most the settings file.
[ "$(snapshot)" = "$before" ] || e2e_fail "the installation changed: $(diff <(echo "$before") <(snapshot) | head)"
[ "$(ls -A "$xdg")" = zorban ] || e2e_fail "other folders in XDG_DATA_HOME: $(ls -A "$xdg")"
extra=$(cd "$xdg/zorban" && find . -mindepth 1 ! -path ./dat ! -path './dat/my*.dat' ! -path ./dat/.zorban.lock ! -name '投稿用2.txt' \
    ! -name zorban.ini)
[ -z "$extra" ] || e2e_fail "unexpected files in the save folder: $extra"
e2e_pass "the installed zorban kept its saves in \$XDG_DATA_HOME/zorban and left the installation untouched"
