# Shared by the whole-process comparisons (strip_compare.sh, scatter_compare.sh,
# grid_image_compare.sh, griddata_compare.sh, translucent_compare.sh,
# gradient_compare.sh): sourced, with $out the folder whose times.txt holds one line per
# run.

seconds() { # command...: the wall time of the command in seconds
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 </dev/null
    end=$(date +%s.%N)
    echo "$start $end" | awk '{ printf "%.3f\n", $2 - $1 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

column() { # n: the median of field n of times.txt ("1.234s")
    awk -v n="$1" '{ sub("s", "", $n); print $n }' "$out/times.txt" | median
}

# name: builds bench/NAME_lumora.c and bench/NAME_plplot.c into $out, then runs them in
# turn $reps times (Lumora headless, its picture in $out/lumora; PLplot to $out/NAME.png)
# and prints every run, the medians and the ratio. Needs $root, $build, $out and $reps.
lumora_against_plplot() {
    mkdir -p "$out/lumora"
    cc -O2 -o "$out/$1_lumora" "$root/bench/$1_lumora.c" -I"$root/client/include" \
        "$build/client/installed/liblumora.a" -lstdc++ -lm -lpthread
    cc -O2 -o "$out/$1_plplot" "$root/bench/$1_plplot.c" $(pkg-config --cflags --libs plplot) -lm
    : >"$out/times.txt"
    i=1
    while [ "$i" -le "$reps" ]; do
        l=$(LUMORADIR=$build/server/host LUMORA_OUTPUT=$out/lumora DISPLAY= \
            LUMORA_NAMESPACE=$1$$ seconds "$out/$1_lumora")
        p=$(seconds "$out/$1_plplot" "$out/$1.png")
        echo "run $i: lumora ${l}s plplot ${p}s" | tee -a "$out/times.txt"
        i=$((i + 1))
    done
    l=$(column 4)
    p=$(column 6)
    echo "$l $p" | awk '{ printf "medians: lumora %.3fs, plplot %.3fs; lumora / plplot %.2f\n", $1, $2, $1 / $2 }'
}
