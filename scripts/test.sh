#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors, and runs
# every test: unit and widget tests offscreen, end-to-end tests against the
# real program under an X server this script starts and stops itself.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-test"
jobs=$(nproc 2>/dev/null || echo 2)

bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSANPO_WERROR=ON -DSANPO_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$jobs"

# A private X server for the end-to-end tests, on a free display number.
xvfb_pid=""
cleanup() { if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi; }
trap cleanup EXIT
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] && continue
  # -noreset: the server would otherwise reset whenever its last client goes,
  # refusing the connection of a test that starts the program right then.
  Xvfb ":$n" -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 50); do
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; break 2; fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
if [ -z "$xvfb_pid" ]; then
  echo "test.sh: could not start an X server for the end-to-end tests" >&2
  exit 1
fi

cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 300
