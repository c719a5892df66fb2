#!/bin/bash
# Gridding 10 000 scattered samples onto 200 x 200 points by linear interpolation on their
# Delaunay triangulation: Lumora (griddata_lumora: lu_grid_data_double) against PLplot
# (griddata_plplot: plgriddata with GRID_DTLI), whole processes taking turns REPS times,
# first on a quiet machine, then with a busy loop on every core; each process grids GRIDS
# times. Prints every run, the medians and their ratio, the lowest and highest ratio of
# one run's pair, and both programs' summaries of their grids (which must be the same).
# Needs scripts/deps.sh bench for PLplot.
#   bench/griddata_compare.sh [BUILD_DIR] [REPS] [GRIDS]     (default: build/native, 7, 1)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-7}
export GRIDDATA_GRIDS=${3:-1}
out=$build/griddata-compare
rm -rf "$out"
mkdir -p "$out"
. "$root/bench/compare_common.sh"

ratios() { # what: the range of the runs' ratios in times.txt
    awk -v what="$1" '{ sub("s", "", $4); sub("s", "", $6); r = $4 / $6
        if (NR == 1 || r < low) low = r; if (NR == 1 || r > high) high = r }
        END { printf "%s: ratios of the runs from %.2f to %.2f\n", what, low, high }' \
        "$out/times.txt"
}

busy=()
stop_busy() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${busy[@]}"; do wait "$pid" 2>/dev/null || true; done
    busy=()
}
trap stop_busy EXIT

echo "quiet:"
lumora_against_plplot griddata
ratios quiet
echo "lumora: $("$out/griddata_lumora")"
echo "plplot: $("$out/griddata_plplot")"
for ((c = 0; c < $(nproc); ++c)); do (while :; do :; done) & busy+=($!); done
echo "every core busy ($(nproc) busy loops):"
lumora_against_plplot griddata
ratios busy
stop_busy
