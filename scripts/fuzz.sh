#!/usr/bin/env bash
# Fuzzes one target of tests/fuzz/ with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer for as long as asked.
#
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#     TARGET: received, runcsv, profilesjson or s19 (tests/fuzz/fuzz_TARGET.cpp)
#
# Starts from the seed corpus (tests/fuzz/corpus/TARGET/) and what earlier runs
# found ($FUZZ_BUILD_DIR or build-fuzz, corpus/TARGET/). A crashing input is
# written to findings/TARGET/ there: copy it into the seed corpus once mended,
# so that ctest replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
[ -f "tests/fuzz/fuzz_$target.cpp" ] || { echo "no fuzz target $target" >&2; exit 2; }
build=${FUZZ_BUILD_DIR:-build-fuzz}

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSORVANA_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=$sanitize -fsanitize=fuzzer-no-link" \
  "-DCMAKE_EXE_LINKER_FLAGS=$sanitize -fuse-ld=lld" >/dev/null
cmake --build "$build" --target "fuzz_$target"

corpus=$build/corpus/$target
findings=$build/findings/$target
mkdir -p "$corpus" "$findings"
leaks=()
# Qt's JSON parser leaks on a repeated key, and the fast unwinder that keeps
# fuzzing quick cannot see that name through Qt's frames to suppress it: the
# leak check of that target is left to the replay under scripts/asan.sh.
if [ "$target" = profilesjson ]; then
  leaks=(-detect_leaks=0)
  export ASAN_OPTIONS=detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}
fi
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Inputs up to 1 MiB: long lines and files of many lines are where readers
# went wrong, and libFuzzer's default of 4 KiB never reaches them.
exec "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -max_len=1048576 -artifact_prefix="$findings/" "${leaks[@]}" "$@" "$corpus" \
  "tests/fuzz/corpus/$target"
