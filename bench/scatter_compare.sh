#!/bin/sh
# 100 000 points each in its own colour: Lumora in one call (scatter_lumora: headless,
# luwnd writes a PNG at the end) against PLplot (scatter_plplot: plcol1 and plpoin per
# point, pngcairo), whole processes, taking turns REPS times; prints every run, the
# medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/scatter_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/scatter-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot scatter
