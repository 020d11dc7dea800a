#!/usr/bin/env bash
# The full soak run: 30 simulated days of clock ticks on the real window (the test suite
# runs a 4-day version of it). Builds first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
build_dir=${HELIODEX_BUILD_DIR:-build}
HELIODEX_SOAK=full ctest --test-dir "$build_dir" -R '^soak$' --output-on-failure --verbose --timeout 3600
