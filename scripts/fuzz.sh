#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) into build-fuzz/ and runs each one in turn, in one process, on
# its seed corpus. Prints, for each target, the inputs executed and whether
# it found a crash; crashing inputs are kept in build-fuzz/artifacts/.
# Exits non-zero when any target found one.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-fuzz"
seconds=${1:-60}

# Each target and its committed seeds, read only; what a run discovers goes
# to build-fuzz/corpus/<target> and is reused by the next run.
declare -A seeds=(
  [feed_scanner_fuzz]="$here/feeds/testdata"
  [data_file_fuzz]="$here/tests/fuzz/seeds/data_file"
  [startup_fuzz]="$here/tests/fuzz/seeds/data_file"
)
targets=(feed_scanner_fuzz data_file_fuzz startup_fuzz)

bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
  -DSANPO_CORE_ONLY=ON -DSANPO_BUILD_TESTS=OFF -DSANPO_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

mkdir -p "$build/artifacts" "$build/logs"
summary=()
failed=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  log="$build/logs/$t.log"
  mkdir -p "$corpus"
  echo "== $t: ${seconds} s"
  rc=0
  (cd "$build" && "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
    "$corpus" "${seeds[$t]}") >"$log" 2>&1 || rc=$?
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' ||
    true)
  corpus_size=$(find "$corpus" -type f | wc -l)
  if [ "$rc" -eq 0 ]; then
    verdict="no crash"
  else
    failed=1
    artifact=$(grep -o "Test unit written to [^ ]*" "$log" | tail -n 1 | sed 's/.* to //' || true)
    verdict="CRASH (exit $rc)${artifact:+, input kept in $artifact}"
    grep -E '^(==[0-9]+== ?ERROR|SUMMARY|.*runtime error)' "$log" | head -n 5 || true
  fi
  tail -n 12 "$log" | grep -E '^(stat::|Done)' || true
  summary+=("$t: ${execs:-?} executions in ${seconds} s, corpus $corpus_size inputs, $verdict")
done

echo "== fuzzing summary (logs in $build/logs)"
printf '%s\n' "${summary[@]}"
exit "$failed"
