#!/usr/bin/env bash
# Installs the Debian packages Heliodex needs to build, run and test, when they are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  clang libclang-rt-14-dev llvm  # fuzz targets: libFuzzer and sanitizer runtimes, llvm-symbolizer
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libswe-dev swe-basic-data
  libgweather-4-dev libgweather-4-common
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa
  xvfb xauth fonts-dejavu-core imagemagick xdotool
  librsvg2-bin desktop-file-utils appstream dpkg-dev
  libgeonames-dev libical-dev                 # offline world gazetteer, iCalendar export
  libgeonames-common                          # the gazetteer's place names in other languages
  python3-icalendar                           # a second, independent iCalendar parser for the checks
  dbus-daemon dbus-bin                        # private session buses for the notification tests
  openbox trayer                              # a real notification area for screenshots and tray tests
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
