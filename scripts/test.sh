#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors, and runs
# every test: the core unit tests once more under the address and
# undefined-behaviour sanitizers (build-asan/, where any sanitizer report
# fails its test), then unit and widget tests offscreen and end-to-end tests
# against the real program under an X server this script starts and stops
# itself.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-test"
asan_build="$here/build-asan"
jobs=$(nproc 2>/dev/null || echo 2)

bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSANPO_WERROR=ON -DSANPO_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$jobs"

# The sanitizer run: core only (no Widgets), unoptimised with line tables so
# that it builds quickly and its reports name the lines.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$here" -B "$asan_build" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O0 -g1 $sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DSANPO_WERROR=ON -DSANPO_CORE_ONLY=ON \
  -DSANPO_BUILD_TESTS=ON >/dev/null
cmake --build "$asan_build" -j "$jobs"
echo "== core unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
asan_status=0
(cd "$asan_build" &&
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs" --timeout 300) || asan_status=$?

# A private X server for the end-to-end tests, on a free display number.
xvfb_pid=""
cleanup() { if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi; }
trap cleanup EXIT
source "$here/scripts/private-x.sh"
start_private_x && xvfb_pid=$XVFB_PID
if [ -z "$xvfb_pid" ]; then
  echo "test.sh: could not start an X server for the end-to-end tests" >&2
  exit 1
fi

echo "== all tests"
cd "$build"
status=0
ctest --output-on-failure -j "$jobs" --timeout 300 || status=$?
if [ "$asan_status" -ne 0 ]; then
  echo "test.sh: the sanitizer run failed (its report is above, under build-asan)" >&2
  exit "$asan_status"
fi
exit "$status"
