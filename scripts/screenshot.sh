#!/usr/bin/env bash
# Screenshots of Heliodex under Xvfb with a window manager (openbox) and a notification area
# (trayer, a dark panel along the top edge):
#   docs/screenshot.png        the window as it opens, tray icon in the panel
#   docs/screenshot-pages.png  every visible page, Main to Sounds
#   docs/sky.png               the Sky page
#   docs/tray.png              the panel with the tray icon, its tooltip and its menu
#   docs/first-start.png       a first start without settings on a machine in America/Chicago:
#                              the site and the report are Chicago's
#   docs/first-start-utc.png   a first start on a machine in UTC: no city guess, the Look up page
#   docs/alarms.png            the Alarms page
#   docs/status-bar.png        the status bar of the prepared run
#   docs/reverse-lookup.png    the reverse lookup window with its answer
#   docs/about-scale2.png      the About box at QT_SCALE_FACTOR=2
# The program runs from temporary directories; the main run holds a prepared heliodex.ini
# (Minneapolis). HELIODEX_SCREEN picks the X display (default :99).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${HELIODEX_BUILD_DIR:-build}
[ -x "$build_dir/ui/heliodex" ] || bash scripts/build.sh
display=${HELIODEX_SCREEN:-:99}
export DISPLAY=$display
work=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits for a window whose name matches the pattern and prints its id.
find_window() {
  local id=""
  for _ in $(seq 1 75); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "No window named $1 appeared." >&2; return 1; }
  echo "$id"
}

# Starts a copy of the program in its own directory (it keeps its files beside itself).
start_copy() {  # dir, extra environment...
  local dir=$1
  shift
  mkdir -p "$dir"
  cp "$build_dir/ui/heliodex" "$dir/"
  (cd "$dir" && exec env XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LC_ALL=en_US.UTF-8 \
    "$@" ./heliodex 2>/dev/null) &
  pids+=($!)
}

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
pids+=($!)
sleep 1
openbox --config-file /dev/null &
pids+=($!)
sleep 0.5
trayer --edge top --align right --widthtype request --height 26 --SetDockType true \
  --SetPartialStrut true --transparent false --tint 0x202024 --expand true &
pids+=($!)
sleep 1
mkdir -p docs

# A first start without settings on a machine in the zone given: a shot of the window as it
# opens.
first_start() {  # zone, file
  start_copy "$work/first-$1" TZ="$1"
  local pid=${pids[-1]} window
  window=$(find_window '^Heliodex$')
  sleep 3
  import -window "$window" "$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  sleep 1
}
# The machine's zone gives the site; in UTC there is no city to guess.
first_start America/Chicago docs/first-start.png
first_start UTC docs/first-start-utc.png

# The prepared run.
mkdir -p "$work/main"
# The keys are the stored names of the site fields (heliodex.ini [Locale]).
printf '%s\r\n' '[Locale]' 'Edit11=55413' 'Edit3=58' 'Edit2=44' 'CheckBox1=1' 'CheckBox2=1' \
  'Edit5=16' 'Edit4=93' 'Edit6=-6' 'CheckBox3=0' 'Edit12=10' 'Edit7=1013' 'Edit9=256' \
  'Edit8=70' 'Edit10=55413' '[Menu]' 'Clockon1=1' 'Disabled1=1' >"$work/main/heliodex.ini"
start_copy "$work/main"
main_pid=${pids[-1]}
window=$(find_window '^Heliodex$')
xdotool windowmove "$window" 0 30
sleep 3
import -window "$window" docs/screenshot.png
# The status bar: the window's last 26 pixel rows.
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window "$window" -gravity South -crop "${WIDTH}x26+0+0" +repage docs/status-bar.png

# Each visible page in turn: a click on the first tab and into its page (the focus then is in
# the pages), then Ctrl+Tab, which passes over the hidden News page.
tab_y=473
xdotool mousemove --window "$window" 35 "$tab_y" click 1
xdotool mousemove --window "$window" 300 200 click 1
sleep 0.5
shots=()
for i in $(seq 1 9); do
  import -window "$window" "$work/page$i.png"
  shots+=("$work/page$i.png")
  [ "$i" -eq 2 ] && cp "$work/page$i.png" docs/sky.png
  [ "$i" -eq 8 ] && cp "$work/page$i.png" docs/alarms.png
  xdotool key --window "$window" ctrl+Tab
  sleep 0.5
done
montage "${shots[@]}" -tile 3x -geometry +4+4 docs/screenshot-pages.png
xdotool mousemove --window "$window" 35 "$tab_y" click 1

# The tray: the icon is the rightmost in trayer's panel; hover for the tooltip, then its menu.
panel=$(find_window '^panel$' || find_window 'trayer')
eval "$(xdotool getwindowgeometry --shell "$panel")"
icon_x=$((X + WIDTH - 13))
icon_y=$((Y + HEIGHT / 2))
xdotool mousemove "$icon_x" "$icon_y"
sleep 2.5
import -window root -crop 824x110+200+0 "$work/tooltip.png"
xdotool click 3
sleep 1
import -window root -crop 824x200+200+0 "$work/menu.png"
xdotool key Escape
montage "$work/tooltip.png" "$work/menu.png" -tile 1x -geometry +0+4 docs/tray.png

# The reverse lookup window: Calculate -> Look up Thelemic Date (reverse), then Enter looks
# up the date it opens with.
xdotool windowactivate --sync "$window" key alt+c
sleep 0.5
xdotool key l
reverse=$(find_window '^Thelemic Date Look up$')
sleep 1
xdotool key Return
sleep 3
import -window "$reverse" docs/reverse-lookup.png
xdotool key Escape
sleep 0.5

# The About box at twice the scale, from a copy of its own.
kill "$main_pid"
wait "$main_pid" 2>/dev/null || true
start_copy "$work/about" QT_SCALE_FACTOR=2
window=$(find_window '^Heliodex$')
sleep 2
xdotool windowactivate --sync "$window" key alt+h
sleep 0.5
xdotool key a
about=$(find_window '^About Heliodex$')
sleep 1
import -window "$about" docs/about-scale2.png
echo "Saved docs/screenshot.png, docs/screenshot-pages.png, docs/sky.png, docs/tray.png," \
  "docs/first-start.png, docs/first-start-utc.png, docs/alarms.png, docs/status-bar.png," \
  "docs/reverse-lookup.png and docs/about-scale2.png"
