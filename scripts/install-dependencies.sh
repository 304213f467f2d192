#!/usr/bin/env bash
# Installs what building, running and testing Vellmora needs on Debian, and
# nothing that is already there, plus any packages named as arguments (the
# fuzzing script adds clang). lintian, appstream, man-db and x11-utils (xprop)
# check the Debian package. Works as root and through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libhowardhinnant-date-dev libicu-dev tzdata
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libxml2-dev
  fonts-dejavu-core
  xvfb xauth x11-utils
  gpsbabel libxml2-utils
  lintian appstream man-db
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
