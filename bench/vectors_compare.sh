#!/bin/sh
# 22 500 filled arrows: Lumora in one lu_draw_vectors call (vectors_lumora: headless, luwnd
# writes a PNG at the end) against PLplot (vectors_plplot: plvect with plsvect's filled
# arrow, pngcairo), whole processes, taking turns REPS times; prints every run, the
# medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/vectors_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/vectors-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot vectors
