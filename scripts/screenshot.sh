#!/usr/bin/env bash
# Screenshots of the window under Xvfb: docs/screenshot.png (the window as it opens) and
# docs/screenshot-pages.png (every visible page, Main to Sounds).
# The program runs from a temporary directory holding a prepared heliodex.ini (Minneapolis).
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

# The program keeps its files beside its executable, so a copy runs in the temporary directory.
cp "$build_dir/ui/heliodex" "$work/"
printf '%s\r\n' '[Locale]' 'Edit11=55413' 'Edit3=58' 'Edit2=44' 'CheckBox1=1' 'CheckBox2=1' \
  'Edit5=16' 'Edit4=93' 'Edit6=-6' 'CheckBox3=1' 'Edit12=10' 'Edit7=1013' 'Edit9=256' \
  'Edit8=70' 'Edit10=55413' '[Menu]' 'Clockon1=1' 'Disabled1=1' >"$work/heliodex.ini"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb_pid=$!
sleep 1
(cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb exec ./heliodex) &
app_pid=$!

window=""
for _ in $(seq 1 50); do
  window=$(DISPLAY=$display xdotool search --name '^Heliodex$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "The window did not appear." >&2; exit 1; }
sleep 2
mkdir -p docs
DISPLAY=$display import -window "$window" docs/screenshot.png

# Click each visible tab in turn (positions of the tab bar at the window's design size).
tab_y=473
shots=()
i=0
for x in 35 110 200 295 390 478 555 640; do
  i=$((i + 1))
  DISPLAY=$display xdotool mousemove --window "$window" "$x" "$tab_y" click 1
  sleep 0.5
  DISPLAY=$display import -window "$window" "$work/page$i.png"
  shots+=("$work/page$i.png")
done
montage "${shots[@]}" -tile 2x -geometry +4+4 docs/screenshot-pages.png
echo "Saved docs/screenshot.png and docs/screenshot-pages.png"
