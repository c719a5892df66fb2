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
mkdir -p "$out/lumora"
cc -O2 -o "$out/scatter_lumora" "$root/bench/scatter_lumora.c" -I"$root/client/include" \
    "$build/client/installed/liblumora.a" -lstdc++ -lm -lpthread
cc -O2 -o "$out/scatter_plplot" "$root/bench/scatter_plplot.c" \
    $(pkg-config --cflags --libs plplot) -lm
. "$root/bench/compare_common.sh"
: >"$out/times.txt"
i=1
while [ "$i" -le "$reps" ]; do
    l=$(LUMORADIR=$build/server/host LUMORA_OUTPUT=$out/lumora DISPLAY= \
        LUMORA_NAMESPACE=scatter$$ seconds "$out/scatter_lumora")
    p=$(seconds "$out/scatter_plplot" "$out/scatter.png")
    echo "run $i: lumora ${l}s plplot ${p}s" | tee -a "$out/times.txt"
    i=$((i + 1))
done
l=$(column 4)
p=$(column 6)
echo "$l $p" | awk '{ printf "medians: lumora %.3fs, plplot %.3fs; lumora / plplot %.2f\n", $1, $2, $1 / $2 }'
