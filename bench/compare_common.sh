# Shared by the whole-process comparisons (strip_compare.sh, scatter_compare.sh,
# grid_image_compare.sh): sourced, with $out the folder whose times.txt holds one line per
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
