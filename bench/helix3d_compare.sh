#!/bin/sh
# A helix of 200 000 points as a 3-D line with 2 000 markers in a numbered box: Lumora
# (helix3d_lumora: headless, luwnd writes a PNG at the end) against PLplot (helix3d_plplot:
# plw3d, plbox3, plline3, plpoin3, pngcairo), whole processes, taking turns REPS times;
# prints every run, the medians and the ratio. Needs scripts/deps.sh bench for PLplot.
#   bench/helix3d_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/helix3d-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"
lumora_against_plplot helix3d
