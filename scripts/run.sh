#!/usr/bin/env bash
# Installs what is missing, builds Heliodex and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
build_dir=${HELIODEX_BUILD_DIR:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window"
  echo "cannot open. The current report, from heliodex-cli:"
  exec "$build_dir/cli/heliodex-cli" thelemic
fi
if [ -x "$build_dir/ui/heliodex" ]; then
  exec "$build_dir/ui/heliodex" "$@"
fi
exec "$build_dir/cli/heliodex-cli" thelemic
