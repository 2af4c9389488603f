#!/usr/bin/env bash
# The mixed sound of a scripted play of stage 1-9 on the virtual clock (serves, the bar under the ball,
# right clicks, explosions), through the game's two mixer channels and the shipped SOUNDMIX.INI: the log of
# sound requests with their virtual times and the hash of every byte played, compared with the recorded
# ones. The recording itself is kept as sound.wav in the output folder. Then every sound of dat/ as the mixer
# converts it for its output (zorban_wavconv, at full volume and at 70 %): these are the bytes that the sound
# end-to-end runs find in their recordings, the one part of those recordings that does not hang on timing.
# Usage: sound_golden.sh <golden_sound> <zorban_wavconv> <dat folder> <reference folder> <output folder>
set -euo pipefail
source "$(dirname "$0")/golden.sh"
prog=$1 wavconv=$2 dat=$3 ref=$4 out=$5
rm -rf "$out"
mkdir -p "$out"
"$prog" "$dat" "$dat/map1-9.dat" "$out/sound.wav" "$out/sound.txt"
golden_check "$ref" sound.txt "$out/sound.txt"
[ "$GOLDEN_FAILED" = 0 ] || echo "the recording: $out/sound.wav" >&2

mkdir -p "$out/converted"
for wav in $(cd "$dat" && ls -- *.wav | LC_ALL=C sort); do
    "$wavconv" "$dat/SOUNDMIX.INI" "$dat/$wav" "$out/converted/${wav%.wav}.raw" >/dev/null
    "$wavconv" "$dat/SOUNDMIX.INI" "$dat/$wav" "$out/converted/${wav%.wav}-70.raw" 70 >/dev/null
done
(cd "$out" && sha256sum converted/*.raw | LC_ALL=C sort -k2) >"$out/sound-converted.sha256"
golden_check "$ref" sound-converted.sha256 "$out/sound-converted.sha256"
golden_end "the mixed sound of a scripted play"
