#!/usr/bin/env bash
# The eclipses seen from three places in different hemispheres, 1900-2100, by
# vellmora-cli visible and by astronomy-engine's local search: the eclipses
# only one of them lists and those of another kind, with the figures that
# explain them, and a summary line per place. Installs the pinned
# astronomy-engine (npm ci) into bench/astronomy-engine/node_modules, which git
# ignores. Needs Node.js and npm.
#
#   bench/compare_visible_eclipses.sh [CLI]     CLI defaults to build/cli/vellmora-cli
set -euo pipefail

bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/comparison_common.sh"
prepare_comparison "${1:-}" 1 1

visible=$(mktemp)
trap 'rm -f "$visible"' EXIT
# Chemnitz (north, east), Sydney (south, east), Buenos Aires (south, west).
for place in "50.83 12.92" "-33.87 151.21" "-34.6 -58.38"; do
  read -r lat lon <<<"$place"
  "$cli" visible 1900 2100 --lat "$lat" --lon "$lon" --json >"$visible"
  node "$bench/astronomy-engine/compare_local.mjs" "$visible" "$lat" "$lon" 1900 2100
done
