#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` from the build folder makes zorban_<version>_<arch>.deb with the programs
# linked from /usr/games, the game folder in /usr/lib/zorban, the desktop entries, the AppStream file, the
# icons, the stage files' type and the documents Debian asks for; its dependencies come from dpkg-shlibdeps;
# lintian finds no error in it. Unpacked into a scratch root and made read-only, its zorban_runner plays a
# stage named on its command line, keeping its settings in the XDG data folder.
# Usage: package_e2e.sh <build folder> <scratch folder>; ZORBAN_CPACK names cpack (default: the one on PATH).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/e2e.sh"

build=$(cd "$1" && pwd)
cpack=${ZORBAN_CPACK:-cpack}
e2e_init "$2"
root="$E2E_DIR/root"
finish() {
    e2e_cleanup
    chmod -R u+w "$root" 2>/dev/null || true
}
trap finish EXIT

# --- Building ---------------------------------------------------------------------------------------------
(cd "$build" && "$cpack" -G DEB -B "$E2E_DIR/out") >"$E2E_DIR/cpack.log" 2>&1 || e2e_fail "cpack (see $E2E_DIR/cpack.log)"
debs=("$E2E_DIR"/out/zorban_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || e2e_fail "no package: $(ls "$E2E_DIR/out")"
deb=${debs[0]}
[[ $(basename "$deb") == zorban_*_$(dpkg --print-architecture).deb ]] || e2e_fail "package name $(basename "$deb")"

# --- What it holds ----------------------------------------------------------------------------------------
dpkg-deb -c "$deb" >"$E2E_DIR/contents" || e2e_fail "dpkg-deb cannot read $deb"
for p in zorban zorban_runner zorban_maker; do
    grep -q "^lrwxrwxrwx root/root .* \./usr/games/$p -> \.\./lib/zorban/$p$" "$E2E_DIR/contents" ||
        e2e_fail "no link /usr/games/$p"
    grep -q "^-rwxr-xr-x root/root .* \./usr/lib/zorban/$p$" "$E2E_DIR/contents" || e2e_fail "no program $p"
done
for f in usr/lib/zorban/dat/item.dat usr/lib/zorban/dat/map1-0.dat usr/lib/zorban/dat/my.dat usr/lib/zorban/cg/usu1.bmp \
    usr/share/applications/org.zorban.zorban_runner.desktop usr/share/metainfo/org.zorban.zorban.metainfo.xml \
    usr/share/mime/packages/org.zorban.zorban.xml usr/share/icons/hicolor/48x48/apps/org.zorban.zorban.png \
    usr/share/doc/zorban/copyright usr/share/doc/zorban/changelog.gz; do
    grep -q " \./$f$" "$E2E_DIR/contents" || e2e_fail "no /$f in the package"
done
! grep -q ' \./usr/bin/' "$E2E_DIR/contents" || e2e_fail "files in /usr/bin"
! grep -q '^d.* \./usr/share/mime/[^p]' "$E2E_DIR/contents" || e2e_fail "a MIME cache in the package"

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libsdl2-2.0-0 fonts-ipafont-gothic fonts-ipafont-mincho; do
    [[ $depends == *"$d"* ]] || e2e_fail "no dependency on $d: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || e2e_fail "Qt's Wayland plugin is not recommended"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || e2e_fail "section $(dpkg-deb -f "$deb" Section)"

# --- lintian: no error (warnings are shown) ---------------------------------------------------------------
command -v lintian >/dev/null || e2e_fail "lintian is not installed (scripts/setup.sh)"
lintian --tag-display-limit 0 "$deb" >"$E2E_DIR/lintian.log" 2>&1 || true
cat "$E2E_DIR/lintian.log"
! grep -q '^E: ' "$E2E_DIR/lintian.log" || e2e_fail "lintian errors: $(grep '^E: ' "$E2E_DIR/lintian.log")"
grep -q '^[EW]: .*no such file\|^internal error' "$E2E_DIR/lintian.log" && e2e_fail "lintian did not run"

# --- Installed into a scratch root and played from there ---------------------------------------------------
dpkg-deb -x "$deb" "$root" || e2e_fail "dpkg-deb -x"
chmod -R a-w "$root"
write_stage "$E2E_DIR/one.usr" "ONE" "tester" "9 5 1 2 2 13"
xdg="$E2E_DIR/xdg"
mkdir -p "$xdg"
XDG_DATA_HOME="$xdg" e2e_launch "$root/usr/games/zorban_runner" "$E2E_DIR/one.usr"
win=$(e2e_wait_window "ゾルバンブロックuserPLAY")
e2e_wait_pixel "$win" 340 90 FFFFFF "the stage's white block, played by the packaged runner"
e2e_expect_pixel "$win" 60 30 808080 "the stage's wall"
e2e_close_expect_exit "$win" "the packaged zorban_runner"
if e2e_dialog_log | grep -q '^error'; then e2e_fail "errors: $(e2e_dialog_log | grep '^error')"; fi
e2e_pass "$(basename "$deb"): the layout, dependencies and lintian are right, and its runner plays a stage"
