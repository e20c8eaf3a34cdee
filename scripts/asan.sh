#!/usr/bin/env bash
# Builds the program and its tests with GCC's AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build folder and runs every test:
# a memory error, a leak of ours or undefined behaviour fails the run.
#
#   scripts/asan.sh [ctest options...]      (build folder: $ASAN_BUILD_DIR or build-asan)
#
# Leaks inside Qt itself are suppressed by name (scripts/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${ASAN_BUILD_DIR:-build-asan}
jobs=${JOBS:-$(nproc)}

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DSORVANA_WERROR=ON \
  "-DCMAKE_CXX_FLAGS=$sanitize" "-DCMAKE_EXE_LINKER_FLAGS=$sanitize" >/dev/null
cmake --build "$build" --parallel "$jobs"

# fast_unwind_on_malloc=0: Qt is built without frame pointers, so leak stacks
# through it need the slow unwinder to reach the names the suppressions match.
export ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$build"
exec env QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" --timeout 600 "$@"
