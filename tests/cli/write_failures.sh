#!/usr/bin/env bash
# Writes that fail say so in one line and exit 1: standard output on a full
# device, files past a file-size limit (which then leave nothing behind, and
# an older file of that name as it was), and "-o -" is standard output.
#   write_failures.sh PATH/TO/vellmora-cli
set -uo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() {
  echo "$*" >&2
  failures=$((failures + 1))
}
# Exit status 1 and exactly one line on standard error.
expect_one_line_failure() {
  local what=$1 status=$2
  ((status == 1)) || fail "$what: exit status $status"
  [[ $(wc -l <err) == 1 ]] || fail "$what: standard error has $(wc -l <err) lines: $(cat err)"
}

for command in "list 1000 3000" "list 1999 2000" "show 08.04.2024" "limits 08.04.2024" "search 08.04.2024" \
  "details 08.04.2024 --lat 32.78 --lon -96.81 --json" "export 08.04.2024 --format gpx" \
  "export 08.04.2024 --format csv -o -" "map 08.04.2024 --png -"; do
  # shellcheck disable=SC2086
  "$cli" $command >/dev/full 2>err
  expect_one_line_failure "$command >/dev/full" $?
done

for command in "map 08.04.2024 --png out.png" "export 08.04.2024 --format kml -o out.kml"; do
  # shellcheck disable=SC2086
  (ulimit -f 8 && "$cli" $command >/dev/null 2>err)
  expect_one_line_failure "$command past 8 blocks" $?
  [[ -z $(ls) || $(ls) == err ]] || fail "$command past 8 blocks leaves $(ls | tr '\n' ' ')"
  echo older >"${command##* }"
  # shellcheck disable=SC2086
  (ulimit -f 8 && "$cli" $command >/dev/null 2>err)
  [[ $(cat "${command##* }") == older ]] || fail "$command past 8 blocks changed the older file"
  rm -f out.* err
done

"$cli" export 08.04.2024 --format csv -o - >stdout.csv
"$cli" export 08.04.2024 --format csv -o file.csv
[[ ! -e - ]] || fail "export -o - made a file named -"
cmp -s stdout.csv file.csv || fail "export -o - differs from the file"
exit $((failures != 0))
