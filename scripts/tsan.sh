#!/usr/bin/env bash
# Runs the threaded code under ThreadSanitizer: the coefficients spread over threads and
# the command page served by a thread of the same process (the page between two processes
# is the same code; ThreadSanitizer sees only one process at a time).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/tsan
flags="-fsanitize=thread -g -O1"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$dir" -j"$(nproc)" --target program_tests platform_tests >/dev/null
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
"$dir"/tests/unit/program/program_tests --gtest_filter='FourierCoefficients.*'
"$dir"/tests/unit/platform/platform_tests --gtest_filter='CommandPageChannel.*'
