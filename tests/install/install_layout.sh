#!/usr/bin/env bash
# Installs the build into a scratch prefix (and once more through DESTDIR, as packagers do) and checks the
# layout: the game folder under lib/zorban with fresh first-run saves, the links in bin, the desktop entries,
# the AppStream file, the icons and the stage files' type; runs desktop-file-validate on every desktop entry,
# appstreamcli on the AppStream file and update-mime-database on the type (scripts/setup.sh installs them).
# Usage: install_layout.sh <cmake> <build folder> <scratch folder> <game id> <runner id> <maker id>
set -euo pipefail
cmake=$1 build=$2 scratch=$3
ids=("$4" "$5" "$6")
programs=(zorban zorban_runner zorban_maker)
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
prefix="$scratch/usr"
"$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || fail "cmake --install (see $scratch/install.log)"
game="$prefix/lib/zorban"

# The game folder: the programs with dat/ and cg/, and nothing the build tree gathered besides.
for p in "${programs[@]}"; do
    [ -x "$game/$p" ] && [ ! -L "$game/$p" ] || fail "no program $game/$p"
done
for f in dat/item.dat dat/map1-0.dat dat/map6-9.dat dat/SOUNDMIX.INI dat/at1.wav cg/usu1.bmp cg/toy_panel.bmp \
    zorban_en.qm; do
    [ -s "$game/$f" ] || fail "no $game/$f"
done
stray=$(cd "$game" && find . -mindepth 1 \
    ! -path ./dat ! -path ./cg ! -name 'zorban*' ! -path './dat/*.dat' ! -path './dat/*.wav' ! -path ./dat/SOUNDMIX.INI \
    ! -path './cg/*.bmp')
[ -z "$stray" ] || fail "unexpected files in the game folder: $stray"
[ -z "$(find "$game" -name '*.usr' -o -name '.*' -o -name '*.tmp' -o -name '投稿用*')" ] || fail "stray files in $game"

# First-run saves as "初期化" writes them, whatever the build folder's own saves hold.
zeros=$(for ((k = 0; k < 516; k++)); do printf '0\r\n'; done)
[ "$(cat "$game/dat/my.dat")" = "$zeros" ] || fail "my.dat is not a fresh common save"
for n in 1 2 3 4 5 6; do
    f="$game/dat/my$n.dat"
    [ "$(tr -cd '\n' <"$f" | wc -c)" -eq 12 ] || fail "$f does not have 12 lines"
    [ "$(sed -n '3p;4p' "$f" | tr -d '\r' | paste -sd,)" = "0,99" ] || fail "$f is not a fresh course save"
done

# Launchers: relative links that reach the programs.
for p in "${programs[@]}"; do
    link="$prefix/bin/$p"
    [ -L "$link" ] || fail "$link is not a link"
    [ "$(readlink "$link")" = "../lib/zorban/$p" ] || fail "$link points to $(readlink "$link")"
    [ "$(readlink -f "$link")" = "$(readlink -f "$game/$p")" ] || fail "$link does not reach the program"
done

# Desktop entries and icons.
apps="$prefix/share/applications"
hicolor="$prefix/share/icons/hicolor"
for i in 0 1 2; do
    id=${ids[i]} p=${programs[i]}
    entry="$apps/$id.desktop"
    [ -f "$entry" ] || fail "no $entry"
    if [ "$p" = zorban ]; then
        grep -qx "Exec=$p" "$entry" || fail "$entry does not start $p"
        ! grep -q "^MimeType=" "$entry" || fail "$entry opens files"
    else
        # The stage player and the editor open a stage file given to them.
        grep -qx "Exec=$p %f" "$entry" || fail "$entry does not start $p with a file"
        grep -qx "MimeType=application/x-zorban-stage;" "$entry" || fail "$entry does not list the stage type"
    fi
    grep -qx "Icon=$id" "$entry" || fail "$entry does not name the icon $id"
    grep -qx "Categories=Game;ArcadeGame;" "$entry" || fail "$entry categories"
    grep -qx "StartupWMClass=$p" "$entry" || fail "$entry does not match the window of $p"
    python3 -c 'import sys, xml.dom.minidom as m; m.parse(sys.argv[1])' "$hicolor/scalable/apps/$id.svg" ||
        fail "$id.svg is not well-formed"
    command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is not installed (scripts/setup.sh)"
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
done
pngs=()
for id in "${ids[@]}"; do
    for size in 16 24 32 48 64 128 256; do pngs+=("$size:$hicolor/${size}x${size}/apps/$id.png"); done
done
problem=$(python3 "$here/png_check.py" "${pngs[@]}") || fail "icon $problem"
[ "$(ls "$apps" | wc -l)" -eq 3 ] || fail "other desktop entries: $(ls "$apps")"

metainfo="$prefix/share/metainfo/${ids[0]}.metainfo.xml"
[ -f "$metainfo" ] || fail "no $metainfo"
for i in 0 1 2; do
    grep -q "<launchable type=\"desktop-id\">${ids[i]}.desktop</launchable>" "$metainfo" ||
        fail "$metainfo does not launch ${ids[i]}"
done
command -v appstreamcli >/dev/null || fail "appstreamcli is not installed (scripts/setup.sh)"
appstreamcli validate --no-net --pedantic "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$scratch/appstream.log")"
grep -q '^P:\|^I:\|^W:\|^E:' "$scratch/appstream.log" && fail "appstreamcli: $(cat "$scratch/appstream.log")"

# The stage files' type: *.usr, plain text underneath, with the player's icon, as the MIME database reads it.
mimepkg="$prefix/share/mime/packages/${ids[0]}.xml"
[ -f "$mimepkg" ] || fail "no $mimepkg"
[ "$(ls "$prefix/share/mime/packages")" = "${ids[0]}.xml" ] || fail "other MIME files: $(ls "$prefix/share/mime")"
[ "$(ls "$prefix/share/mime")" = packages ] || fail "a MIME database was written into the prefix"
command -v update-mime-database >/dev/null || fail "update-mime-database is not installed (scripts/setup.sh)"
mkdir -p "$scratch/mime/packages"
cp "$mimepkg" "$scratch/mime/packages/"
# (It notes that the scratch folder is not among the desktop's: only an error or warning counts.)
XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 ||
    fail "update-mime-database: $(cat "$scratch/mime.log")"
! grep -qi 'error\|warning\|unknown' "$scratch/mime.log" || fail "update-mime-database: $(cat "$scratch/mime.log")"
grep -q ':application/x-zorban-stage:\*\.usr' "$scratch/mime/globs2" || fail "no *.usr glob: $(cat "$scratch/mime/globs2")"
grep -qx 'application/x-zorban-stage text/plain' "$scratch/mime/subclasses" || fail "the stage type is not text"
grep -qx "application/x-zorban-stage:${ids[1]}" "$scratch/mime/icons" || fail "the stage type has no icon"

# Installing again keeps the saves a player made in a writable game folder and puts back a missing one.
printf 'played\r\n' >"$game/dat/my1.dat"
rm "$game/dat/my2.dat"
"$cmake" --install "$build" --prefix "$prefix" >"$scratch/again.log" 2>&1 || fail "second cmake --install"
[ "$(cat "$game/dat/my1.dat")" = $'played\r' ] || fail "installing again replaced a played save"
[ "$(tr -cd '\n' <"$game/dat/my2.dat" | wc -c)" -eq 12 ] || fail "installing again did not put back my2.dat"

# Every installed file and link is in the manifest, so a package or an uninstall can list them.
manifest="$build/install_manifest.txt"
diff <(find "$prefix" ! -type d | sort) <(sort "$manifest") >"$scratch/manifest.diff" ||
    fail "install_manifest.txt differs from what was installed: $(cat "$scratch/manifest.diff")"

# Packagers stage the files through DESTDIR: the links are made there, pointing the same way.
DESTDIR="$scratch/stage" "$cmake" --install "$build" --prefix /usr >"$scratch/stage.log" 2>&1 ||
    fail "cmake --install with DESTDIR (see $scratch/stage.log)"
[ "$(readlink "$scratch/stage/usr/bin/zorban")" = ../lib/zorban/zorban ] || fail "no staged link"
[ -x "$scratch/stage/usr/lib/zorban/zorban" ] || fail "no staged program"
[ -f "$scratch/stage/usr/share/applications/${ids[0]}.desktop" ] || fail "no staged desktop entry"

echo "PASS: installed layout under $prefix"
