#!/usr/bin/env bash
# Installs what is missing, builds Heliodex and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
build_dir=${HELIODEX_BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
