#!/usr/bin/env bash
# Fuzzes every reader for longer than the test run does: each target for
# SECONDS seconds (default 300), four at a time, on a working copy of its
# seed corpus (build/sanitized/fuzz/work/<target>/corpus), so that the
# seeds in the repository stay as they are. An input that breaks a target
# is kept in build/sanitized/fuzz/work/<target>/findings/; copy it into
# tests/fuzz/regressions/<target>/ once the fault is fixed.
# Usage: tools/run_fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzzer.cpp; do
    name=$(basename "$source")
    targets+=("${name%_fuzzer.cpp}")
  done
fi

cmake -S . -B build >/dev/null
cmake --build build -j4 --target halcyra_sanitized >/dev/null

run_one() {
  local target=$1 work=build/sanitized/fuzz/work/$1
  mkdir -p "$work/corpus" "$work/findings"
  cp -n tests/fuzz/corpus/"$target"/* "$work/corpus/" 2>/dev/null || true
  if build/sanitized/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$work/findings/" -print_final_stats=1 \
       "$work/corpus" tests/fuzz/regressions/"$target" >"$work/log" 2>&1; then
    local runs
    runs=$(grep -E '^stat::number_of_executed_units' "$work/log" | awk '{print $2}')
    echo "$target: no fault in $runs runs ($seconds s, corpus $(ls "$work/corpus" | wc -l) inputs)"
  else
    echo "$target: FAULT, see $work/log and $work/findings/"
    return 1
  fi
}

status=0
running=0
for target in "${targets[@]}"; do
  run_one "$target" &
  running=$((running + 1))
  if [ $running -ge 4 ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ $running -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
