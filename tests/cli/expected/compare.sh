#!/usr/bin/env bash
# Runs every case of cases.txt with the given vellmora-cli and compares its
# standard output, standard error and exit status byte for byte with the
# expected files beside this script. With --update it writes them instead.
#   compare.sh [--update] PATH/TO/vellmora-cli
set -uo pipefail
update=0
if [[ "${1:-}" == "--update" ]]; then
  update=1
  shift
fi
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
while read -r name arguments; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  eval "args=($arguments)"
  "$cli" "${args[@]}" >"$work/out" 2>"$work/err"
  echo $? >"$work/status"
  for part in out err status; do
    if ((update)); then
      cp "$work/$part" "$here/$name.$part"
    elif ! cmp -s "$work/$part" "$here/$name.$part"; then
      echo "$name: standard $part differs from $name.$part:" >&2
      diff "$here/$name.$part" "$work/$part" | head -20 >&2
      failures=$((failures + 1))
    fi
  done
done <"$here/cases.txt"
((failures == 0))
