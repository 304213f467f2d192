#!/usr/bin/env bash
# vellmora-cli loads Qt only for `map`, and `map` paints offscreen whatever
# platform the environment names, also without a display.
#   qt_only_for_map.sh PATH/TO/vellmora-cli
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for command in "list 2024 2030" "show 08.04.2024" "search 08.04.2024" "central 11.08.1999 11:04:00" \
  "local 11.08.1999 11:04:00 48.78 9.18" "sun 21.06.2024 11:10:00 50.83 12.92" "places Chemnitz"; do
  # shellcheck disable=SC2086
  loaded=$(LD_DEBUG=libs "$cli" $command 2>&1 >/dev/null | grep -c 'libQt6')
  if ((loaded != 0)); then
    echo "$command: loads Qt ($loaded lines of LD_DEBUG)" >&2
    status=1
  fi
done
for platform in xcb wayland ""; do
  if ! env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$cli" map --png "$work/map.png" >/dev/null ||
    [[ ! -s "$work/map.png" ]]; then
    echo "map with QT_QPA_PLATFORM=\"$platform\" and no display wrote no picture" >&2
    status=1
  fi
  rm -f "$work/map.png"
done
exit $status
