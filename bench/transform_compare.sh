#!/bin/sh
# 60 rings of 4801 points through a polar plot transform: Lumora with lu_set_plot_transform
# and lu_plot_line_d (transform_lumora: headless, luwnd
# writes a PNG at the end) against PLplot (transform_plplot: plstransform and plline,
# pngcairo), whole processes, taking turns REPS times; prints every run, the
# medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/transform_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/transform-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot transform
