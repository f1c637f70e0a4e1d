#!/usr/bin/env bash
# stress-tests.sh N [--sanitize] : runs the window tests and the end-to-end tests N times with
# two busy processes beside them, as on a loaded machine, and reports each run's time and the
# tests that failed or hit their time limit. Exits 1 when any run failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: stress-tests.sh N [--sanitize]}
shift
dir=$("$root/scripts/build.sh" "$@" | tail -n 1)
source "$root/scripts/test-env.sh"

busy=()
cleanup() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for _ in 1 2; do
  (while :; do :; done) &
  busy+=($!)
done

log=$(mktemp)
failed_runs=0
slowest_ms=0
for run in $(seq "$runs"); do
  start_us=${EPOCHREALTIME/./}
  if ctest --test-dir "$dir" -L 'window|e2e' --output-on-failure >"$log" 2>&1; then
    result=passed
  else
    result=FAILED
    failed_runs=$((failed_runs + 1))
    grep -E '\*\*\*(Failed|Timeout)|Failed  |Timeout' "$log" || true
  fi
  ms=$(((${EPOCHREALTIME/./} - start_us) / 1000))
  [ "$ms" -gt "$slowest_ms" ] && slowest_ms=$ms
  tests=$(grep -oE '[0-9]+ tests failed out of [0-9]+' "$log" || true)
  printf 'run %d/%d: %s in %d.%d s %s\n' "$run" "$runs" "$result" $((ms / 1000)) $((ms % 1000 / 100)) \
    "${tests:+($tests)}"
done
rm -f "$log"
printf '%d runs, %d failed, slowest %d.%d s\n' "$runs" "$failed_runs" $((slowest_ms / 1000)) \
  $((slowest_ms % 1000 / 100))
[ "$failed_runs" -eq 0 ]
