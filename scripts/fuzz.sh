#!/usr/bin/env bash
# Builds the libFuzzer targets (clang++, address and undefined-behaviour
# sanitizers) and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS]     seconds per target, default 60
# Environment: FUZZ_BUILD (build folder, default build-fuzz in the checkout,
# which no one else writes into), FUZZ_TARGETS (space-separated subset). The
# committed seeds in fuzz/corpus are copied into a working corpus in the build
# folder; a crashing input is written to FUZZ_BUILD/artifacts/ and the script
# exits non-zero. fuzz/README.md says what each target feeds.
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD:-$root/build-fuzz}"
targets="${FUZZ_TARGETS:-cli_fuzz year_field_fuzz coastline_fuzz place_line_fuzz inflate_fuzz}"
mkdir -p "$build"
if [[ ! -O "$build" ]]; then
  echo "$0: $build belongs to someone else; choose another FUZZ_BUILD" >&2
  exit 2
fi

"$root/scripts/install-dependencies.sh" clang libclang-rt-14-dev
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets -j "${FUZZ_JOBS:-2}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"
mkdir -p "$build/artifacts"
failed=0
for target in $targets; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp -n "$root/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  dictionary=()
  if [[ -f "$root/fuzz/$target.dict" ]]; then dictionary=(-dict="$root/fuzz/$target.dict"); fi
  echo "== $target for ${seconds}s"
  if ! "$build/$target" "${dictionary[@]}" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
      -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 "$corpus" \
      >"$build/$target.log" 2>&1; then
    echo "$target FAILED, see $build/$target.log and $build/artifacts/" >&2
    failed=1
  fi
  grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)|Done [0-9]+ runs" \
    "$build/$target.log" || true
  tail -n 20 "$build/$target.log" | grep -E "^#[0-9]+" | tail -1 || true
  echo "corpus: $(find "$corpus" -type f | wc -l) inputs"
done
exit "$failed"
