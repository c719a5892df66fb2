#!/bin/sh
# The cells of a 200 x 200 polar grid as a picture in a frame: Lumora in one call
# (grid_image_lumora: lu_draw_field_image_on_grid_double, headless, luwnd writes a PNG at
# the end) against PLplot (grid_image_plplot: plimagefr through pltr2, pngcairo), whole
# processes, taking turns REPS times; prints every run, the medians and the ratio. Needs
# scripts/deps.sh bench for PLplot.
#   bench/grid_image_compare.sh [BUILD_DIR] [REPS]     (default: build/native, 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
reps=${2:-5}
out=$build/grid-image-compare
rm -rf "$out"
mkdir -p "$out/lumora"
cc -O2 -o "$out/grid_image_lumora" "$root/bench/grid_image_lumora.c" -I"$root/client/include" \
    "$build/client/installed/liblumora.a" -lstdc++ -lm -lpthread
cc -O2 -o "$out/grid_image_plplot" "$root/bench/grid_image_plplot.c" \
    $(pkg-config --cflags --libs plplot) -lm
. "$root/bench/compare_common.sh"
: >"$out/times.txt"
i=1
while [ "$i" -le "$reps" ]; do
    l=$(LUMORADIR=$build/server/host LUMORA_OUTPUT=$out/lumora DISPLAY= \
        LUMORA_NAMESPACE=gridimage$$ seconds "$out/grid_image_lumora")
    p=$(seconds "$out/grid_image_plplot" "$out/grid_image.png")
    echo "run $i: lumora ${l}s plplot ${p}s" | tee -a "$out/times.txt"
    i=$((i + 1))
done
l=$(column 4)
p=$(column 6)
echo "$l $p" | awk '{ printf "medians: lumora %.3fs, plplot %.3fs; lumora / plplot %.2f\n", $1, $2, $1 / $2 }'
