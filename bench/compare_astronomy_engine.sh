#!/usr/bin/env bash
# How many times faster the whole process `vellmora-cli list 1000 3000` is than
# astronomy-engine's walk through the solar eclipses of the same years
# (SearchGlobalSolarEclipse, then NextGlobalSolarEclipse from each peak), timed
# inside Node.js without its start-up. Medians of RUNS runs each (default 10).
# Installs the pinned astronomy-engine (npm ci) into bench/astronomy-engine/node_modules,
# which git ignores. Needs Node.js and npm.
#
#   bench/compare_astronomy_engine.sh [CLI] [RUNS]     CLI defaults to build/cli/vellmora-cli
set -euo pipefail

bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/comparison_common.sh"
prepare_comparison "${1:-}" "${2:-}" 10

rows=$("$cli" list 1000 3000 | wc -l)
[ "$rows" -gt 0 ] || { echo "$cli list 1000 3000 printed nothing" >&2; exit 1; }

vellmora_ms=$(median_process_ms "$runs" "$cli" list 1000 3000)

read -r eclipses engine_ms < <(node "$bench/astronomy-engine/eclipse_walk.mjs" "$runs")

echo "vellmora-cli list 1000 3000 (whole process, $rows central eclipses): median $vellmora_ms ms of $runs runs"
echo "astronomy-engine $(node -p "require('$bench/astronomy-engine/node_modules/astronomy-engine/package.json').version") walk 1000-3000 ($eclipses solar eclipses): median $engine_ms ms of $runs runs"
awk -v a="$engine_ms" -v v="$vellmora_ms" 'BEGIN { printf "ratio: %.0f (goal: at least 300)\n", a / v }'
