#!/usr/bin/env bash
# Runs the threaded code under ThreadSanitizer: the coefficients spread over threads, the
# command page with its window-process end served by a thread of the same process
# (between two processes it is the same code, but ThreadSanitizer sees one process only),
# pictures painted in bands on several threads and PNG files compressed in parts. The test programs are compiled
# directly, against Debian's GoogleTest, in a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/tsan
mkdir -p "$out"
flags=(-std=c++20 -fsanitize=thread -O1 -g -I. -pthread)
cairo=$(pkg-config --cflags --libs pangocairo cairo-svg cairo-pdf)
# The programs compile side by side; each compiler's failure is reported by its wait.
pids=()
g++ "${flags[@]}" -ffp-contract=off -Iprogram -o "$out/coefficients_tsan" \
  tests/unit/program/fourier_coefficients_test.cpp program/fourier_coefficients.cpp \
  program/reference_coefficients.cpp -lgtest -lgtest_main &
pids+=($!)
g++ "${flags[@]}" -o "$out/command_page_tsan" tests/unit/platform/command_page_test.cpp \
  client/platform/posix/command_page.cpp server/host/posix/command_page.cpp \
  -lgtest -lgtest_main &
pids+=($!)
# shellcheck disable=SC2086  # the flags are separate words
g++ "${flags[@]}" -o "$out/banded_paint_tsan" tests/unit/render/banded_paint_test.cpp \
  server/render/cairo/*.cpp server/render/painter.cpp server/render/array_painter.cpp \
  server/render/dash_pattern.cpp server/render/image_resample.cpp \
  server/render/marker_painter.cpp server/render/mix_mode.cpp server/render/text_bytes.cpp \
  server/render/batch_painter.cpp server/render/background_canvas.cpp \
  server/render/gradient_bands.cpp server/render/raster/pixel_blend.cpp plotcore/hatch.cpp \
  plotcore/gradient.cpp \
  -lgtest -lgtest_main $cairo -lz &
pids+=($!)
# shellcheck disable=SC2086
g++ "${flags[@]}" -o "$out/png_writer_tsan" tests/unit/render/png_writer_test.cpp \
  server/render/cairo/png_writer.cpp server/render/cairo/file_stream.cpp -lgtest -lgtest_main $cairo -lz &
pids+=($!)
for pid in "${pids[@]}"; do wait "$pid"; done
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
"$out/coefficients_tsan" --gtest_brief=1
"$out/command_page_tsan" --gtest_brief=1
# The exactness test paints bands on up to seven threads; the others are slow under TSan.
"$out/banded_paint_tsan" --gtest_brief=1 --gtest_filter='*RunsOfLines*'
"$out/png_writer_tsan" --gtest_brief=1
