#!/usr/bin/env bash
# Writes the pictures of docs/gallery.md anew: runs every example program of a native
# build without a display and keeps the picture its window process writes at the end.
# Look at each picture before committing it.
#
#   docs/make_gallery.sh [build folder, default build/native]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
out=docs/images/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# name: the program, and what it reads on its input.
run() {
  local name=$1 input=$2 program=$build/examples/$1
  [ -x "$program" ] || { echo "make_gallery: no $program: build it first" >&2; exit 1; }
  rm -rf "${work:?}"/*
  printf '%b' "$input" | LUMORA_HEADLESS=1 LUMORA_OUTPUT="$work" LUMORA_OUTPUT_FORMAT=png \
    LUMORADIR="$build/server/host" "$program" >/dev/null
  local picture
  picture=$(ls "$work"/luwnd-*-1.png | head -n 1)
  cp "$picture" "$out/$name.png"
  echo "make_gallery: $out/$name.png"
}

# The Fortran twins of the C programs draw the same pictures (the example tests check
# that each draws); the Fourier program is shown by its Fortran form.
for example in figures_c sine_c plots_c plot_kinds_c markup_c publication_c styles_c \
  strip_chart_c fields_c live_view_c surfaces_c; do
  run "$example" ""
done
# Nobody clicks here: the two clicks of the cursor example are scripted.
(export LUMORA_EVENTS="click 1 120 300,click 1 500 120" && run cursor_c "")
run fourier_f90 "64\n1\n"
