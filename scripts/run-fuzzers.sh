#!/usr/bin/env bash
# Runs every libFuzzer harness of a fuzz build for a while, each on a scratch copy of its seeds
# (fuzz/corpus/<harness>/, left as committed), a few at once, and prints per harness the
# executions done and whether it crashed. A crash, hang, leak or sanitizer report keeps its input
# under BUILD/runs/<harness>/ and makes the script fail.
# Usage: scripts/run-fuzzers.sh BUILD SECONDS [JOBS]
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD SECONDS [JOBS]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
jobs=${3:-2}
seeds="$(cd "$(dirname "$0")/.." && pwd)/fuzz/corpus"

harnesses=()
for program in "$build"/fuzz_*; do
  [ -f "$program" ] && [ -x "$program" ] && harnesses+=("$(basename "$program")")
done
if [ ${#harnesses[@]} -eq 0 ]; then
  echo "run-fuzzers: no harness in $build (they need clang with -fsanitize=fuzzer)" >&2
  exit 1
fi

# One harness: its scratch corpus grows during the run; the target's own output is closed, so
# the log holds libFuzzer's lines and any sanitizer report.
run_one() {
  local name=$1 work="$build/runs/$1"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/found"
  if [ -d "$seeds/$name" ]; then cp "$seeds/$name"/* "$work/corpus/"; fi
  local status=0
  "$build/$name" "$work/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$work/found/" \
    >"$work/log" 2>&1 || status=$?
  echo "$status" >"$work/status"
}

echo "run-fuzzers: ${#harnesses[@]} harnesses, ${seconds} s each, $jobs at once"
running=0
for name in "${harnesses[@]}"; do
  run_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

failed=0
for name in "${harnesses[@]}"; do
  work="$build/runs/$name"
  # The final count, or after a crash the last progress line's.
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' ||
    grep -o '^#[0-9]*' "$work/log" | tail -n 1 | tr -d '#' || true)
  found=$(find "$work/found" -type f | head -n 1)
  if [ "$(cat "$work/status")" -eq 0 ] && [ -z "$found" ]; then
    printf '%-24s %12s executions  ok\n' "$name" "${runs:-?}"
  else
    failed=1
    printf '%-24s %12s executions  FAILED: %s (log %s)\n' "$name" "${runs:-?}" \
      "${found:-exit status $(cat "$work/status")}" "$work/log"
    grep -m 1 -E '^==[0-9]+==ERROR|runtime error|ALARM|out-of-memory|deadly signal' "$work/log" || true
  fi
done
exit "$failed"
