#!/usr/bin/env bash
# Benchmarks: the core (Google Benchmark, Release build) and the whole program
# under Xvfb side by side with oneko. Prints figures; asserts nothing.
# Usage: scripts/bench.sh [seconds per whole-program run, default 60]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-bench"
seconds=${1:-60}

bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSANPO_BUILD_BENCH=ON \
  -DSANPO_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --target sanpo $(cd "$build" && ninja -t targets all | grep -o '^[a-z_]*_bench:' | tr -d ':' | sort -u)

echo "== core benchmarks"
for b in "$build"/bench/*_bench; do
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.2
done

echo "== whole program, ${seconds} s each, side by side with oneko"
python3 "$here/bench/process_bench.py" "$build/ui/sanpo" "$seconds"

echo "== whole program against feeds that never end: memory and tick lateness"
python3 "$here/bench/hostile_feed_bench.py" "$build/ui/sanpo"
