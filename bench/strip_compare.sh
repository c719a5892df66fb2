#!/bin/sh
# A strip chart of 4 pens and 1000 points added one at a time (PLplot's example x17
# without its pauses), Lumora against PLplot, whole processes, taking turns REPS times;
# prints every run and the medians. Lumora runs headless (luwnd writes a PNG at the end),
# PLplot draws with its pngcairo device. Needs scripts/deps.sh bench for PLplot.
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
seconds() { # command...: the wall time of the command in seconds
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 </dev/null
    end=$(date +%s.%N)
    echo "$start $end" | awk '{ printf "%.3f\n", $2 - $1 }'
}
: >"$out/times.txt"
i=1
while [ "$i" -le "$reps" ]; do
    l=$(LUMORADIR=$build/server/host LUMORA_OUTPUT=$out DISPLAY= LUMORA_NAMESPACE=strip$$ \
        seconds "$out/strip_lumora")
    p=$(seconds "$out/strip_plplot" "$out/strip.png")
    echo "run $i: lumora ${l}s plplot ${p}s" | tee -a "$out/times.txt"
    i=$((i + 1))
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
l=$(awk '{ sub("s", "", $4); print $4 }' "$out/times.txt" | median)
p=$(awk '{ sub("s", "", $6); print $6 }' "$out/times.txt" | median)
echo "$l $p" | awk '{ printf "medians: lumora %.3fs plplot %.3fs ratio %.2f\n", $1, $2, $1 / $2 }'
