#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then builds
# the Debian package and checks it (scripts/check-package.sh).
# With --sanitize the build and the tests use AddressSanitizer and
# UndefinedBehaviorSanitizer, in a folder of their own; no package is made there.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
options=(-DCMAKE_BUILD_TYPE=Release -DVELLMORA_WERROR=ON)
sanitize=false
if [[ "${1:-}" == "--sanitize" ]]; then
  sanitize=true
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DVELLMORA_WERROR=ON -DVELLMORA_SANITIZE=ON)
fi

scripts/install-dependencies.sh
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" --output-on-failure -j2
if ! $sanitize; then scripts/check-package.sh "$build"; fi
