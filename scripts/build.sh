#!/usr/bin/env bash
# Configures and builds Heliodex in build/ (or $HELIODEX_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${HELIODEX_BUILD_DIR:-build}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
