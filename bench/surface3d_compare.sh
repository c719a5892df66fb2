#!/bin/sh
# A 200 x 200 surface coloured by height in a numbered box: Lumora (surface3d_lumora:
# headless, luwnd writes a PNG at the end) against PLplot (surface3d_plplot: plw3d,
# plbox3, plsurf3d with MAG_COLOR, pngcairo), whole processes, taking turns REPS times;
# prints every run, the medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/surface3d_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/surface3d-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot surface3d
