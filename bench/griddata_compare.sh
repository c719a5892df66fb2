#!/bin/bash
# Gridding 10 000 scattered samples onto 200 x 200 points by linear interpolation on their
# Delaunay triangulation: Lumora (griddata_lumora: lu_grid_data_double) against PLplot
# (griddata_plplot: plgriddata with GRID_DTLI), whole processes taking turns REPS times,
# first on a quiet machine, then with a busy loop on every core; each program griddes
# GRIDS times a process. Prints every run, the medians and the ratio, the lowest and the
# highest of the runs' ratios, and both programs' summaries of their grids (which must be
# the same). Needs scripts/deps.sh bench for PLplot.
#   bench/griddata_compare.sh [BUILD_DIR] [REPS] [GRIDS]     (default: build/native, 7, 1)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-7}
grids=${3:-1}
out=$build/griddata-compare
rm -rf "$out"
mkdir -p "$out"
cc -O2 -o "$out/griddata_lumora" "$root/bench/griddata_lumora.c" -I"$root/client/include" \
    "$build/client/installed/liblumora.a" -lstdc++ -lm -lpthread
cc -O2 -o "$out/griddata_plplot" "$root/bench/griddata_plplot.c" \
    $(pkg-config --cflags --libs plplot) -lm
. "$root/bench/compare_common.sh"
echo "lumora: $("$out/griddata_lumora" 1)"
echo "plplot: $("$out/griddata_plplot" 1)"

busy=()
stop_busy() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${busy[@]}"; do wait "$pid" 2>/dev/null || true; done
    busy=()
}
trap stop_busy EXIT

runs() { # label
    : >"$out/times.txt"
    for ((i = 1; i <= reps; ++i)); do
        l=$(seconds "$out/griddata_lumora" "$grids")
        p=$(seconds "$out/griddata_plplot" "$grids")
        echo "$1 run $i: lumora ${l}s plplot ${p}s" | tee -a "$out/times.txt"
    done
    l=$(column 5)
    p=$(column 7)
    echo "$l $p" | awk -v what="$1" '{ printf "%s medians: lumora %.3fs, plplot %.3fs; lumora / plplot %.2f\n", what, $1, $2, $1 / $2 }'
    awk '{ sub("s", "", $5); sub("s", "", $7); r = $5 / $7
           if (NR == 1 || r < low) low = r; if (NR == 1 || r > high) high = r }
         END { printf "%s ratios from %.2f to %.2f\n", "'"$1"'", low, high }' "$out/times.txt"
}

runs quiet
for ((c = 0; c < $(nproc); ++c)); do (while :; do :; done) & busy+=($!); done
runs busy
stop_busy
