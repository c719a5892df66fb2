#!/usr/bin/env bash
# Runs the threaded code under ThreadSanitizer: the coefficients spread over threads, and
# the command page with its window-process end served by a thread of the same process
# (between two processes it is the same code, but ThreadSanitizer sees one process only).
# The two test programs are compiled directly, against Debian's GoogleTest, in a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/tsan
mkdir -p "$out"
flags=(-std=c++20 -fsanitize=thread -O1 -g -I. -pthread)
g++ "${flags[@]}" -ffp-contract=off -Iprogram -o "$out/coefficients_tsan" \
  tests/unit/program/fourier_coefficients_test.cpp program/fourier_coefficients.cpp \
  program/reference_coefficients.cpp -lgtest -lgtest_main
g++ "${flags[@]}" -o "$out/command_page_tsan" tests/unit/platform/command_page_test.cpp \
  client/platform/posix/command_page.cpp server/host/posix/command_page.cpp -lgtest -lgtest_main
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
"$out/coefficients_tsan" --gtest_brief=1
"$out/command_page_tsan" --gtest_brief=1
