#!/usr/bin/env bash
# The mixed sound of a scripted play of stage 1-9 on the virtual clock (serves, the bar under the ball,
# right clicks, explosions), through the game's two mixer channels and the shipped SOUNDMIX.INI: the log of
# sound requests with their virtual times and the hash of every byte played, compared with the recorded
# ones. The recording itself is kept as sound.wav in the output folder.
# Usage: sound_golden.sh <golden_sound> <dat folder> <reference folder> <output folder>
set -euo pipefail
source "$(dirname "$0")/golden.sh"
prog=$1 dat=$2 ref=$3 out=$4
rm -rf "$out"
mkdir -p "$out"
"$prog" "$dat" "$dat/map1-9.dat" "$out/sound.wav" "$out/sound.txt"
golden_check "$ref" sound.txt "$out/sound.txt"
[ "$GOLDEN_FAILED" = 0 ] || echo "the recording: $out/sound.wav" >&2
golden_end "the mixed sound of a scripted play"
