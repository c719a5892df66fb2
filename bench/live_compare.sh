#!/bin/bash
# The live view (a frame with a grid and a 200-point curve redrawn 400 times inside
# buffered frames) through Lumora and through giza, on one Xvfb server, taking turns REPS
# times, and Lumora headless; BUSY busy loops run beside them (0: a quiet machine). Needs
# the native build (it makes bench/live_view) and scripts/deps.sh bench for giza.
#   bench/live_compare.sh [BUILD_DIR] [REPS] [BUSY]     (default: build/native, 3, 0)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-3}
loops=${3:-0}
out=$build/live-compare
mkdir -p "$out"
cmake --build "$build" -j2 --target live_view luwnd >/dev/null
cc -O2 -o "$out/live_view_giza" "$root/bench/live_view_giza.c" -lcpgplot -lgiza -lm
busy=()
for ((i = 0; i < loops; ++i)); do (while :; do :; done) & busy+=($!); done
Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${busy[@]}" $xvfb 2>/dev/null || true' EXIT
sleep 1
export LUMORADIR=$build/server/host LUMORA_OUTPUT=$out
for ((r = 1; r <= reps; ++r)); do
    echo "run $r, $loops busy loops:"
    DISPLAY=:97 "$build/bench/live_view" 400 </dev/null | sed 's/^/  lumora xvfb: /'
    DISPLAY=:97 "$out/live_view_giza" 400 </dev/null | sed 's/^/  giza xvfb:   /'
    DISPLAY= "$build/bench/live_view" 400 </dev/null | sed 's/^/  lumora headless: /'
done
