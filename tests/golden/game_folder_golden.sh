#!/usr/bin/env bash
# The data the build writes into the game folder, compared with the recorded checksums: the stages, the toy
# catalogue, the sounds and the mixer settings in dat/ and the pictures in cg/ (not the save files, which
# belong to whoever plays in the build folder, nor stage files of a player's own), and the first save files
# as zorban_initsave writes them into an empty folder. Nothing is masked.
# Usage: game_folder_golden.sh <game folder> <zorban_initsave> <reference folder> <output folder>
set -euo pipefail
source "$(dirname "$0")/golden.sh"
game=$1 initsave=$2 ref=$3 out=$4
rm -rf "$out"
mkdir -p "$out/saves"
"$initsave" "$out/saves" >/dev/null
(
    cd "$game"
    find dat cg -type f \( -name 'map*.dat' -o -name item.dat -o -name '*.wav' -o -name SOUNDMIX.INI -o -name '*.bmp' \) \
        -print0 | LC_ALL=C sort -z | xargs -0 sha256sum
    cd "$out"
    find saves -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum
) >"$out/game-folder.sha256"
golden_check "$ref" game-folder.sha256 "$out/game-folder.sha256"
golden_end "the game folder's data and first saves"
