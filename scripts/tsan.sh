#!/usr/bin/env bash
# Builds the test suite with ThreadSanitizer in its own build folder and runs
# it; exits non-zero on a failed test or on any report.
#
#   scripts/tsan.sh [TEST-REGEX]
#
# BUILD_DIR (default: build-tsan) and CXX (default: g++) may be set.
#
# Qt is not instrumented, so ThreadSanitizer cannot see its locks nor the
# hand-off of a queued call from one thread to another. The preloaded shim
# built from tsan-qt-sync.cpp tells it: QMutex, QSemaphore and QWaitCondition
# calls become acquire and release, and a queued call, posted event or
# moveToThread() is a release that the receiving object's next event
# acquires. tsan-suppressions.txt names Qt's own frames only.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-tsan}
regex=${1:-}
cxx=${CXX:-g++}
flags="-fsanitize=thread -fno-omit-frame-pointer"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build "$build" --parallel "${JOBS:-4}"

shim=$build/libtsan-qt-sync.so
"$cxx" -shared -fPIC -O1 -fsanitize=thread -DQT_NO_VERSION_TAGGING -o "$shim" \
  "$root/scripts/tsan-qt-sync.cpp" $(pkg-config --cflags Qt5Core) -ldl
runtime=$("$cxx" -fsanitize=thread -print-file-name=libtsan.so)

reports=$build/tsan-reports
rm -rf "$reports"
mkdir -p "$reports"
export TSAN_OPTIONS="suppressions=$root/scripts/tsan-suppressions.txt second_deadlock_stack=1 \
history_size=4 log_path=$reports/report exitcode=66"

# Each test straight from its command, so that only the tests get the shim.
tests=$("$root/scripts/test-commands.py" "$build" $regex)

failed=()
run_one() {
  local line=$1 name env
  eval "set -- $line"
  name=$1; shift
  env=()
  while [[ $1 != -- ]]; do env+=("$1"); shift; done
  shift
  if timeout 900 env "${env[@]}" LD_PRELOAD="$runtime $shim" "$@" \
      >"$reports/${name//\//_}.log" 2>&1; then
    echo "passed  $name"
  else
    echo "FAILED  $name"
    return 1
  fi
}
while IFS= read -r line; do
  run_one "$line" || failed+=("$line")
done <<<"$tests"

count=$(cat "$reports"/report.* 2>/dev/null | grep -c '^WARNING: ThreadSanitizer' || true)
echo "ThreadSanitizer reports: $count (in $reports)"
if [[ ${#failed[@]} -gt 0 || $count -gt 0 ]]; then
  exit 1
fi
