#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 10). Fails on any crash or report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build_dir=${HELIODEX_FUZZ_BUILD_DIR:-build-fuzz}
export CCACHE_BASEDIR=$PWD
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHELIODEX_FUZZ=ON -DHELIODEX_TESTS=OFF -DHELIODEX_BENCH=OFF -DHELIODEX_WERROR=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build_dir" -j2 --target $(cd fuzz && ls *_fuzz.cpp | sed 's/_fuzz.cpp$//; s/^/fuzz_/')
export QT_QPA_PLATFORM=offscreen
# Files the targets write go to memory when it can.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1
status=0
for src in fuzz/*_fuzz.cpp; do
  name=$(basename "$src" _fuzz.cpp)
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build_dir/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
       -print_final_stats=0 "$work" > "$work.log" 2>&1; then
    echo "fuzz_$name FAILED:"; tail -50 "$work.log"; status=1
  else
    grep -E '^(Done|#[0-9]+ *DONE)' "$work.log" | tail -1 || true
  fi
  rm -rf "$work" "$work.log"
done
exit $status
