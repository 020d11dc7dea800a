#!/usr/bin/env bash
# Installs what is missing, builds Heliodex and runs every test: the normal build, a brief run
# of the fuzz targets, the test suite under the sanitizers, and last the normal test suite.
# Usage: scripts/test.sh [--quick]   (--quick: only the normal build and its tests)
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
for arg in "$@"; do
  case "$arg" in
    --quick) quick=1 ;;
    *) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
  esac
done
bash scripts/deps.sh
bash scripts/build.sh
build_dir=${HELIODEX_BUILD_DIR:-build}
if [ "$quick" -eq 0 ]; then
  # About 80 seconds of fuzzing shared among the targets, at least 5 seconds each.
  targets=$(ls fuzz/*_fuzz.cpp | wc -l)
  per_target=$(( 80 / targets ))
  [ "$per_target" -ge 5 ] || per_target=5
  bash scripts/fuzz.sh "$per_target"
  bash scripts/test-sanitize.sh
fi
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
