#!/bin/sh
# 5 000 squares at opacity 0.3 over each other: Lumora (translucent_lumora: one
# lu_draw_box_a22 each, headless, luwnd writes a PNG at the end) against PLplot
# (translucent_plplot: plscol0a and plfill, pngcairo), whole processes, taking turns REPS
# times; prints every run, the medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/translucent_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/translucent-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot translucent
