#!/bin/sh
# A 200 x 200 surface coloured by height with ten contour levels on it and on the base,
# then the grid as a coloured mesh with the levels on the base: Lumora
# (contours3d_lumora: headless, luwnd writes PNGs at the end) against PLplot
# (contours3d_plplot: plsurf3d with SURF_CONT and BASE_CONT, plmeshc, pngcairo), whole
# processes, taking turns REPS times; prints every run, the medians and the ratio. Needs
# scripts/deps.sh bench for PLplot.
#   bench/contours3d_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/contours3d-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot contours3d
