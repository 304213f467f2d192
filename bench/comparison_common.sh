# Sourced by the comparison scripts with astronomy-engine.
#
#   prepare_comparison CLI RUNS DEFAULT_RUNS   sets cli (default build/cli/vellmora-cli) and runs,
#                                              checks them and installs the pinned astronomy-engine
#                                              (npm ci) into the git-ignored bench/astronomy-engine/node_modules
prepare_comparison() {
  cli=${1:-$bench/../build/cli/vellmora-cli}
  runs=${2:-$3}
  [ -x "$cli" ] || { echo "no executable $cli: build it first" >&2; exit 2; }
  [ "$runs" -ge 1 ] 2>/dev/null || { echo "RUNS must be a whole number of at least 1" >&2; exit 2; }
  (cd "$bench/astronomy-engine" && npm ci --no-audit --no-fund --loglevel=error >&2)
}
#
#   median_process_ms RUNS COMMAND [ARGS...]   prints the median of RUNS runs in
#                                              milliseconds, after one run that warms the file cache
median_process_ms() {
  local runs=$1
  shift
  "$@" >/dev/null
  local times=() begin finish
  for ((run = 0; run < runs; ++run)); do
    # bash's EPOCHREALTIME costs no extra process.
    begin=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null
    finish=${EPOCHREALTIME/[.,]/}
    times+=($((finish - begin)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{t[NR] = $1} END {
    m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.3f", m / 1000 }'
}
