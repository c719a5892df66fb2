#!/usr/bin/env bash
# Fuzzes the window process and the client for a bounded time: builds the libFuzzer
# targets of fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each one for the given number of seconds on a copy of its committed seed corpus (the
# committed corpus never grows). Exits non-zero when any target crashed, leaked, hung or reported undefined
# behaviour, and prints the input that reproduces it.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60]
#   LUMORA_FUZZ_BUILD_DIR  build directory (default build/fuzz)
#   LUMORA_FUZZ_TARGETS    targets to run (default: luwnd_core_fuzzer luwnd_cairo_fuzzer
#                          lumora_client_fuzzer plotcore_batch_fuzzer luwnd_raster_fuzzer)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi
build=${LUMORA_FUZZ_BUILD_DIR:-build/fuzz}
[[ "$build" == /* ]] || build="$PWD/$build"
read -r -a targets <<<"${LUMORA_FUZZ_TARGETS:-luwnd_core_fuzzer luwnd_cairo_fuzzer lumora_client_fuzzer plotcore_batch_fuzzer luwnd_raster_fuzzer}"

# clang with libFuzzer, and the libraries the renderer needs; installed only when missing.
have_tools() {
  command -v cmake >/dev/null && command -v clang >/dev/null && command -v clang++ >/dev/null &&
    pkg-config --exists pangocairo cairo 2>/dev/null &&
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
      clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o /dev/null 2>/dev/null
}
have_tools || bash scripts/deps.sh fuzz

echo "== fuzz: configure and build in $build"
# Line tables only: the build takes much less time than with full debugging information,
# and a report still names file and line. Short runs (the CI's) build unoptimised, which
# builds a fifth quicker; longer runs build at -O1, which fuzzes faster.
opt=-O1
[[ $seconds -ge 30 ]] || opt=-O0
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DLUMORA_FUZZ=ON -DLUMORA_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$opt -gline-tables-only -DNDEBUG" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$opt -gline-tables-only -DNDEBUG" >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

status=0
for target in "${targets[@]}"; do
  work="$build/fuzz-run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  echo "== fuzz: $target for ${seconds}s"
  set +e
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -max_len=8192 -dict=fuzz/luwnd.dict -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1
  rc=$?
  set -e
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
    "$work/log" || true
  # A slow unit is no finding: on a busy machine any input may take long.
  slow=$(find "$work/artifacts" -type f -name 'slow-unit-*' | wc -l)
  [[ $slow -eq 0 ]] || echo "   ($slow slow inputs kept in $work/artifacts, not counted as findings)"
  found=$(find "$work/artifacts" -type f ! -name 'slow-unit-*' | sort)
  if [[ $rc -ne 0 || -n "$found" ]]; then
    status=1
    echo "!! $target failed (exit $rc); log: $work/log"
    grep -m1 -A40 -E 'ERROR: |runtime error:|==ERROR|Timeout|out-of-memory' "$work/log" || tail -40 "$work/log"
    for artifact in $found; do
      echo "!! reproducer: $artifact"
      echo "   run again:  $build/fuzz/$target $artifact"
    done
  fi
done
exit $status
