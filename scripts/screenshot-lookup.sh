#!/usr/bin/env bash
# Screenshot of the Look up page after lookups answered by the program itself (no service
# address set): the start-up lookup took the largest Springfield, then the user's lookup
# offers them all in the pick list: docs/screenshot-lookup.png. Runs under Xvfb on
# $HELIODEX_SCREEN.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${HELIODEX_BUILD_DIR:-build}
[ -x "$build_dir/ui/heliodex" ] || bash scripts/build.sh
display=${HELIODEX_SCREEN:-:99}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Internet functions on, so the start-up lookup of lookUpQuery runs; no addresses, so the
# program answers it from its own list of places.
cp "$build_dir/ui/heliodex" "$work/"
printf '%s\r\n' '[Locale]' 'Edit11=Springfield' 'Edit12=10' 'Edit9=256' 'Edit10=Springfield' \
  '[Menu]' 'Clockon1=1' 'Disabled1=0' >"$work/heliodex.ini"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb_pid=$!
sleep 1
(cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb exec ./heliodex) &
app_pid=$!

window=""
for _ in $(seq 1 300); do
  window=$(DISPLAY=$display xdotool search --name '^Heliodex$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "The window did not appear." >&2; exit 1; }
sleep 2
# The "Look up" tab, second in the tab bar at the window's design size.
DISPLAY=$display xdotool mousemove --window "$window" 185 473 click 1
sleep 1
# Its "Look up" button, under the query field.
DISPLAY=$display xdotool mousemove --window "$window" 108 167 click 1
sleep 1
mkdir -p docs
DISPLAY=$display import -window "$window" docs/screenshot-lookup.png
echo "Saved docs/screenshot-lookup.png"
