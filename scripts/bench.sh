#!/usr/bin/env bash
# Installs what is missing, builds and runs the benchmark program (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ./build/bench/sonrel_bench "${1:-5}" "${2:-}"
