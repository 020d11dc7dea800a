#!/usr/bin/env bash
# Builds the Debian package and checks it: the desktop entry and AppStream validators, the
# package's contents, the manual page against the commands, then installs the .deb with
# apt-get and runs the installed heliodex-cli. Needs root or sudo for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
build_dir=$(realpath "${HELIODEX_BUILD_DIR:-build}")
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

step() { echo "== $*"; }

# The files as a package installs them, staged under a temporary root.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null
desktop=$stage/usr/share/applications/heliodex.desktop
metainfo=$(ls "$stage"/usr/share/metainfo/*.metainfo.xml)

step "desktop-file-validate $(basename "$desktop")"
desktop-file-validate "$desktop"
echo "passed"
step "appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net "$metainfo"

# Every command heliodex-cli knows is described in its manual page.
step "manual page"
# With no command it exits 2 and lists them: "no command given (one of: a, b)".
usage=$("$build_dir/cli/heliodex-cli" 2>&1 || true)
commands=$(sed -n 's/.*(one of: \(.*\))$/\1/p' <<<"$usage" | tr -d ,)
[ -n "$commands" ] || { echo "cannot read the command list from heliodex-cli"; exit 1; }
for c in $commands; do
  grep -qx "\.B $c" dist/heliodex-cli.1 || { echo "dist/heliodex-cli.1 lacks the command $c"; exit 1; }
done
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
             dist/heliodex-cli.1 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
fi
echo "commands described: $commands"

step "cpack -G DEB"
rm -f "$build_dir"/heliodex_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/heliodex_*.deb)
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Depends\):/\1:/p'
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
expected=(./usr/bin/heliodex-cli ./usr/share/applications/heliodex.desktop
          "./usr/share/metainfo/$(basename "$metainfo")"
          ./usr/share/icons/hicolor/scalable/apps/heliodex.svg
          ./usr/share/man/man1/heliodex-cli.1.gz ./usr/share/heliodex/chime.wav)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/heliodex.png")
done
[ ! -x "$build_dir/ui/heliodex" ] || expected+=(./usr/bin/heliodex)
for f in "${expected[@]}"; do
  grep -qx -- "$f" <<<"$contents" || { echo "the package lacks $f"; exit 1; }
done
echo "$(basename "$deb"): ${#expected[@]} expected files present"

step "apt-get install ./$(basename "$deb")"
was_installed=$(dpkg-query -W -f='${Status}' heliodex 2>/dev/null | grep -c 'install ok installed' || true)
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
  --reinstall "$deb"
[ "$(command -v heliodex-cli)" = /usr/bin/heliodex-cli ] || { echo "heliodex-cli is not in /usr/bin"; exit 1; }

# The report where the installed program has it, else the date line; at a fixed site and moment.
command=thelemic
grep -qw report <<<"$commands" && command=report
step "/usr/bin/heliodex-cli ... $command"
/usr/bin/heliodex-cli --at "2024-06-15 15:45:10" --lat 44.98 --lon -93.26 --tz -6 --dst 1 "$command" \
  | tee "$stage/out.txt"
[ -s "$stage/out.txt" ] || { echo "no output"; exit 1; }

if [ "$was_installed" = 0 ] && [ -z "${HELIODEX_KEEP_PACKAGE:-}" ]; then
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -q heliodex >/dev/null
fi
step "package check passed"
