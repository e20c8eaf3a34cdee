#!/usr/bin/env bash
# Runs the scenario suites (the tests of analyzer/ and communication/) many
# times in a row with several copies side by side, to show that they do not
# fail now and then under load.
#
#   scripts/stress-scenarios.sh RUNS COPIES [TEST-REGEX]
#
# RUNS rounds run one after the other; in each, COPIES copies of every
# selected test run at the same time, each copy with its own temporary and
# settings folders. TEST-REGEX picks ctest names (default: both suites).
# Uses an existing build folder: BUILD_DIR (default: build), built first.
# Stops at the first failing round and prints the failing copy's output.
set -euo pipefail

if [[ $# -lt 2 ]]; then
  sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
runs=$1
copies=$2
regex=${3:-'^(analyzer|communication)/'}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
[[ -f $build/CTestTestfile.cmake ]] || { echo "no build folder at $build" >&2; exit 2; }

tests=$("$root/scripts/test-commands.py" "$build" "$regex")
[[ -n $tests ]] || { echo "no test matches $regex" >&2; exit 2; }
echo "$(wc -l <<<"$tests") tests, $runs runs, $copies copies side by side"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One copy: every selected test once, one after the other.
run_copy() {
  local dir=$1 line name env cmd
  mkdir -p "$dir/tmp" "$dir/config" "$dir/data"
  while IFS= read -r line; do
    eval "set -- $line"
    name=$1; shift
    env=()
    while [[ $1 != -- ]]; do env+=("$1"); shift; done
    shift
    if ! env "${env[@]}" TMPDIR="$dir/tmp" XDG_CONFIG_HOME="$dir/config" \
        XDG_DATA_HOME="$dir/data" timeout 300 "$@" >"$dir/log" 2>&1; then
      echo "$name" >"$dir/failed"
      return 1
    fi
  done <<<"$tests"
}

start=$SECONDS
for run in $(seq "$runs"); do
  pids=()
  for copy in $(seq "$copies"); do
    run_copy "$work/$run-$copy" &
    pids+=($!)
  done
  failed=0
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  if [[ $failed -ne 0 ]]; then
    for f in "$work/$run"-*/failed; do
      [[ -f $f ]] || continue
      d=$(dirname "$f")
      echo "run $run, copy ${d##*-}: $(cat "$f") FAILED"
      grep -E -B3 'FAIL!|Loc:|Totals' "$d/log" | head -40 || tail -40 "$d/log"
      cp "$d/log" "${TMPDIR:-/tmp}/stress-failure.log"
      echo "(whole output: ${TMPDIR:-/tmp}/stress-failure.log)"
    done
    exit 1
  fi
  echo "run $run/$runs passed ($((SECONDS - start)) s)"
done
echo "all $runs runs passed with $copies copies side by side"
