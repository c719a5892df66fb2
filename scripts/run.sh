#!/usr/bin/env bash
# Builds what is needed and starts the Fourier program in the directory it was called
# from. Without a display (or with LUMORA_HEADLESS=1) the picture is written there, or to
# LUMORA_OUTPUT when that is set; at the end the script names the files written.
set -euo pipefail
here=$PWD
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
bash scripts/deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target fourier luwnd >/dev/null
export LUMORADIR="$repo/build/native/server/host"
cd "$here"

output=${LUMORA_OUTPUT:-$here}
marker=$(mktemp)
trap 'rm -f "$marker"' EXIT
set +e
"$repo/build/native/program/fourier" "$@"
status=$?
set -e
written=$(find "$output" -maxdepth 1 -name 'luwnd-*' -newer "$marker" \
  \( -name '*.png' -o -name '*.svg' -o -name '*.pdf' \) 2>/dev/null | sort)
if [[ -n $written ]]; then
  echo "run.sh: the picture was written to:" >&2
  sed 's/^/  /' <<<"$written" >&2
elif [[ -n ${DISPLAY:-} && -z ${LUMORA_HEADLESS:-} ]]; then
  echo "run.sh: the plot was shown on the screen (Ctrl+S in its window saves it in $output)" >&2
else
  echo "run.sh: no picture was written to $output" >&2
fi
exit $status
