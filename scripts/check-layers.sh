#!/usr/bin/env bash
# Checks that the source folders include one another one way only: a folder may include its
# own headers and those of folders on a lower layer, never of its own layer or a higher one.
# Usage: scripts/check-layers.sh [source dir]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
# folder:layer, lowest first.
layers="core:0 menu:1 settings:2 report:3 alarms:3 net:3 lookup:3 calendar:3 locale:4 cli:5 ui:5"
declare -A layer
for entry in $layers; do layer[${entry%%:*}]=${entry##*:}; done
status=0
for from in "${!layer[@]}"; do
  [ -d "$from" ] || continue
  while IFS=: read -r file line text; do
    to=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
    [ "$to" = "$from" ] && continue
    [ -n "${layer[$to]:-}" ] || continue
    if [ "${layer[$to]}" -ge "${layer[$from]}" ]; then
      echo "$file:$line: $from/ (layer ${layer[$from]}) includes $to/ (layer ${layer[$to]})"
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include "[a-z_]+/' "$from" --include='*.h' --include='*.cpp' || true)
done
exit $status
