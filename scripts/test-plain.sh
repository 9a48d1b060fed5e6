#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ (the program's own
# build, without sanitizers) and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
