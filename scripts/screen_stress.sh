#!/usr/bin/env bash
# Runs the screen tests (Xvfb natively, and the Windows window under Wine) again and again
# beside busy loops, to show that they wait for what they check instead of for a time.
#   scripts/screen_stress.sh [rounds, default 20] [busy loops, default 2]
# Needs the native and mingw builds (scripts/test.sh makes both). Prints one line a round
# and ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}
loops=${2:-2}

busy=()
for ((i = 0; i < loops; ++i)); do
  (while :; do :; done) &
  busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT

passed=0
failed=0
run() {
  local build=$1 test=$2 round=$3
  if ctest --test-dir "$build" -R "^$test\$" --output-on-failure </dev/null >"build/screen-stress-$test.log" 2>&1; then
    passed=$((passed + 1))
    echo "round $round: $test passed"
  else
    failed=$((failed + 1))
    echo "round $round: $test FAILED (build/screen-stress-$test-$round.log)"
    cp "build/screen-stress-$test.log" "build/screen-stress-$test-$round.log"
    grep -E "Failure|FAILED|error" "build/screen-stress-$test.log" | head -5
  fi
}
for ((r = 1; r <= rounds; ++r)); do
  run build/native luwnd_picture_tests "$r"
  [[ -d build/mingw ]] && run build/mingw luwnd_screen_tests "$r"
done
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
