#!/usr/bin/env bash
# Builds what is needed and starts the Fourier program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target fourier luwnd >/dev/null
export LUMORADIR="$PWD/build/native/server/host"
exec build/native/program/fourier "$@"
