#!/usr/bin/env bash
# Installs what is missing, builds Vellmora and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target vellmora vellmora-cli
exec build/app/qt/vellmora "$@"
