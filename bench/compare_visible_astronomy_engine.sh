#!/usr/bin/env bash
# How many times faster the whole process `vellmora-cli visible 1000 3000 --place
# "Chemnitz, D"` is than astronomy-engine's local search through the same years
# (SearchLocalSolarEclipse, then NextLocalSolarEclipse from each peak), timed
# inside Node.js without its start-up. Medians of RUNS runs each (default 5).
# Installs the pinned astronomy-engine (npm ci) into bench/astronomy-engine/node_modules,
# which git ignores. Needs Node.js and npm.
#
#   bench/compare_visible_astronomy_engine.sh [CLI] [RUNS]     CLI defaults to build/cli/vellmora-cli
set -euo pipefail

bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/comparison_common.sh"
prepare_comparison "${1:-}" "${2:-}" 5

search=("$cli" visible 1000 3000 --place "Chemnitz, D")
rows=$(("$("${search[@]}" | wc -l)" - 1))
[ "$rows" -gt 0 ] || { echo "${search[*]} found nothing" >&2; exit 1; }
vellmora_ms=$(median_process_ms "$runs" "${search[@]}")
# Chemnitz as the place table has it.
read -r eclipses engine_ms < <(node "$bench/astronomy-engine/local_walk.mjs" time 50.836667 12.854444 1000 3000 "$runs")

echo "vellmora-cli visible 1000 3000 --place \"Chemnitz, D\" (whole process, $rows eclipses): median $vellmora_ms ms of $runs runs"
echo "astronomy-engine $(node -p "require('$bench/astronomy-engine/node_modules/astronomy-engine/package.json').version") local search 1000-3000 ($eclipses eclipses): median $engine_ms ms of $runs runs"
awk -v a="$engine_ms" -v v="$vellmora_ms" 'BEGIN { printf "ratio: %.0f (goal: at least 100)\n", a / v }'
