#!/bin/sh
# A strip chart of 4 pens and 1000 points added one at a time (PLplot's example x17
# without its pauses): Lumora drawn by hand (strip_chart_lumora), Lumora's strip charts
# (strip_chart_lumora api) and PLplot, whole processes, taking turns REPS times; prints
# every run and the medians. Lumora runs headless (luwnd writes a PNG at the end), PLplot
# draws with its pngcairo device. Needs scripts/deps.sh bench for PLplot.
#   bench/strip_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/strip-compare
rm -rf "$out"
mkdir -p "$out"
cc -O2 -o "$out/strip_lumora" "$root/bench/strip_chart_lumora.c" -I"$root/client/include" \
    "$build/client/installed/liblumora.a" -lstdc++ -lm -lpthread
cc -O2 -o "$out/strip_plplot" "$root/bench/strip_chart_plplot.c" \
    $(pkg-config --cflags --libs plplot) -lm
. "$root/bench/compare_common.sh"
lumora() { # mode (by-hand or api): a headless run, its picture in a folder of its own
    LUMORADIR=$build/server/host LUMORA_OUTPUT=$out/$1 DISPLAY= LUMORA_NAMESPACE=strip$$ \
        seconds "$out/strip_lumora" "$1"
}
mkdir -p "$out/by-hand" "$out/api"
: >"$out/times.txt"
i=1
while [ "$i" -le "$reps" ]; do
    h=$(lumora by-hand)
    a=$(lumora api)
    p=$(seconds "$out/strip_plplot" "$out/strip.png")
    echo "run $i: by-hand ${h}s strip-api ${a}s plplot ${p}s" | tee -a "$out/times.txt"
    i=$((i + 1))
done
h=$(column 4)
a=$(column 6)
p=$(column 8)
echo "$h $a $p" | awk '{ printf "medians: lumora by hand %.3fs, lumora strip charts %.3fs, plplot %.3fs; strip charts / plplot %.2f\n", $1, $2, $3, $2 / $3 }'
