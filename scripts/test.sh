#!/usr/bin/env bash
# Builds and runs every test: natively, the Windows build under Wine, the native programs
# once more under AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run
# of the window process's command decoder (LUMORA_FUZZ_SECONDS per target, default 45).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh all
jobs=$(nproc)
quiet() { "$@" >/dev/null || { "$@"; return 1; }; }

status=0
for preset in native mingw; do
  echo "== $preset: configure and build"
  quiet cmake --preset "$preset"
  quiet cmake --build --preset "$preset" -j"$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j"$jobs" </dev/null || status=1
done

# The sanitizers watch the library, the window process and the programs end to end.
checked="channel_tests|drawing_tests|plot_tests|text_tests|arrays_tests|windows_tests|server_tests|program_tests|fourier_integration_tests|channel_integration_tests"
echo "== sanitize: configure and build"
quiet cmake --preset sanitize
quiet cmake --build --preset sanitize -j"$jobs" --target \
  channel_tests drawing_tests plot_tests text_tests arrays_tests windows_tests server_tests program_tests \
  fourier_integration_tests channel_integration_tests fourier luwnd channel_client
echo "== sanitize: test"
ctest --preset sanitize -j"$jobs" -R "^($checked)\$" </dev/null || status=1

bash scripts/fuzz.sh "${LUMORA_FUZZ_SECONDS:-45}" || status=1
exit $status
