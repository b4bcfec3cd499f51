#!/usr/bin/env bash
# Runs each fuzz target for a while, one after the other, and prints how many
# inputs each one executed. Usage: run-fuzzers.sh BUILD_DIR SECONDS [target...]
# New inputs go to BUILD_DIR/fuzz/work/<target>, crashes to BUILD_DIR/fuzz/artifacts;
# the seed corpus in fuzz/corpus stays as it is.
set -uo pipefail

build=${1:?build directory}
seconds=${2:?seconds per target}
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(ini gsb like formatmsg winereg cmdline date search)
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/fuzz/artifacts" "$build/fuzz/logs"
failed=0
printf '%-10s %14s %8s  %s\n' target executions seconds result
for t in "${targets[@]}"; do
  work="$build/fuzz/work/$t"
  log="$build/fuzz/logs/$t.log"
  mkdir -p "$work"
  start=$SECONDS
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/$t-" \
      "$work" "$here/corpus/$t" >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  secs=$((SECONDS - start))
  result=ok
  if [[ $rc -ne 0 ]]; then result="FAILED (see $log)"; failed=1; fi
  printf '%-10s %14s %8s  %s\n' "$t" "${execs:-?}" "${secs:-?}" "$result"
done
exit $failed
