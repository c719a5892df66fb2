#!/bin/sh
# 1000 hexagons each filled with a gradient along a colour map: Lumora
# (gradient_lumora: lu_plot_fill_gradient_map_d, headless, luwnd writes a PNG at the end)
# against PLplot (gradient_plplot: plgradient, pngcairo), whole processes, taking turns
# REPS times; prints every run, the medians and the ratio. Needs scripts/deps.sh bench for
# PLplot.
#   bench/gradient_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/gradient-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot gradient
