# Sourced by the comparison scripts: the median wall time of a whole process.
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
