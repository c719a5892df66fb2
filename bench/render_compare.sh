#!/bin/sh
# Rendering through Lumora (client, luwnd, Cairo, PNG) against PLplot's pngcairo device:
# builds render_cost, plplot_cost and transport_cost, runs each picture REPS times with
# the two libraries taking turns, and prints the medians and the ratio ours / PLplot.
#   bench/render_compare.sh [BUILD_DIR] [REPS]     (default: build/bench, 3)
# Pictures are kept in BUILD_DIR/render-compare/<rep>/<scene>/ for a look.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
reps=${2:-3}

mkdir -p "$build"
cmake -S "$root" -B "$build" -DLUMORA_BUILD_BENCHMARKS=ON >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2 --target render_cost transport_cost >/dev/null
# plplot_cost exists only when pkg-config found PLplot.
if cmake --build "$build" -j2 --target plplot_cost >"$build/plplot_cost.log" 2>&1; then
    have_plplot=1
else
    echo "plplot_cost not built (no PLplot, see $build/plplot_cost.log): only our side is measured"
    have_plplot=0
fi

out=$build/render-compare
rm -rf "$out"
results=$out/results.txt
mkdir -p "$out"
: >"$results"

rep=1
while [ "$rep" -le "$reps" ]; do
    for scene in polyline lines field; do
        mkdir -p "$out/$rep/$scene"
        "$build/bench/render_cost" "$scene" "$out/$rep/$scene" | tee -a "$results"
        if [ "$have_plplot" = 1 ]; then
            "$build/bench/plplot_cost" "$scene" "$out/$rep/$scene" </dev/null | tee -a "$results"
        fi
    done
    rep=$((rep + 1))
done
"$build/bench/render_cost" paint "$out/1" | tee -a "$results"

# The machine's floor for one command: a round trip over a socket pair, next to ours.
LUMORA_HEADLESS=1 LUMORA_OUTPUT=$out LUMORADIR=$build/server/host \
    LUMORA_NAMESPACE=rendercompare$$ "$build/bench/transport_cost" | tee -a "$results"

# median LIBRARY SCENE FIELD: the median of FIELD over the lines of that library and scene.
median() {
    awk -v lib="$1" -v scene="scene=$2" -v field="$3" '
        $1 == lib && $2 == scene {
            for (i = 3; i <= NF; ++i) {
                split($i, kv, "=")
                if (kv[1] == field) values[n++] = kv[2] + 0
            }
        }
        END {
            if (n == 0) { print "-"; exit }
            for (i = 0; i < n; ++i)
                for (j = i + 1; j < n; ++j)
                    if (values[j] < values[i]) { t = values[i]; values[i] = values[j]; values[j] = t }
            print (n % 2) ? values[int(n / 2)] : (values[n / 2 - 1] + values[n / 2]) / 2
        }' "$results"
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-"; else printf "%.1f\n", a / b }'
}

echo
echo "medians of $reps runs, milliseconds (work: first drawing call to finished PNG)"
for scene in polyline lines field; do
    ours_work=$(median lumora "$scene" work_ms)
    ours_total=$(median lumora "$scene" total_ms)
    theirs_work=$(median plplot "$scene" work_ms)
    theirs_total=$(median plplot "$scene" total_ms)
    echo "$scene: lumora work=$ours_work total=$ours_total" \
        "(commands=$(median lumora "$scene" commands_ms)" \
        "luwnd_finish=$(median lumora "$scene" luwnd_finish_ms))" \
        "| plplot work=$theirs_work total=$theirs_total" \
        "(commands=$(median plplot "$scene" commands_ms) plend=$(median plplot "$scene" plend_ms))" \
        "| cpu lumora program=$(median lumora "$scene" program_cpu_ms)" \
        "luwnd=$(median lumora "$scene" luwnd_cpu_ms) plplot=$(median plplot "$scene" cpu_ms)" \
        "| ratio ours/plplot work=$(ratio "$ours_work" "$theirs_work")" \
        "total=$(ratio "$ours_total" "$theirs_total")"
done
