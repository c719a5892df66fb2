#!/usr/bin/env bash
# Builds and runs every test: natively, then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh all
jobs=$(nproc)

status=0
for preset in native mingw; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j"$jobs" </dev/null || status=1
done
exit $status
