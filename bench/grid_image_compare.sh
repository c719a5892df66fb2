#!/bin/sh
# The cells of a 200 x 200 polar grid as a picture in a frame: Lumora in one call
# (grid_image_lumora: lu_draw_field_image_on_grid_double, headless, luwnd writes a PNG at
# the end) against PLplot (grid_image_plplot: plimagefr through pltr2, pngcairo), whole
# processes, taking turns REPS times; prints every run, the medians and the ratio. Needs
# scripts/deps.sh bench for PLplot.
#   bench/grid_image_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/grid-image-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot grid_image
