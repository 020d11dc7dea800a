#!/usr/bin/env bash
# Installs what is missing, builds Heliodex and runs every test.
# Usage: scripts/test.sh [--full]   (--full: first a brief run of the fuzz targets and the test
# suite under the sanitizers, then the normal test suite)
set -euo pipefail
cd "$(dirname "$0")/.."
full=0
for arg in "$@"; do
  case "$arg" in
    --full) full=1 ;;
    *) echo "usage: scripts/test.sh [--full]" >&2; exit 2 ;;
  esac
done
bash scripts/deps.sh
bash scripts/build.sh
build_dir=${HELIODEX_BUILD_DIR:-build}
if [ "$full" -eq 1 ]; then
  # About 80 seconds of fuzzing shared among the targets, at least 5 seconds each.
  targets=$(ls fuzz/*_fuzz.cpp | wc -l)
  per_target=$(( 80 / targets ))
  [ "$per_target" -ge 5 ] || per_target=5
  bash scripts/fuzz.sh "$per_target"
  bash scripts/test-sanitize.sh
fi
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
