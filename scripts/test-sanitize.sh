#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer (gcc) in build-asan/
# (or $HELIODEX_ASAN_BUILD_DIR) and runs them with ctest; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${HELIODEX_ASAN_BUILD_DIR:-build-asan}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHELIODEX_SANITIZE=ON -DHELIODEX_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j2
# Leaks are reported at exit; only leaks inside system libraries are suppressed (fuzz/lsan.supp).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
