#!/usr/bin/env bash
# Installs what is missing, builds the program and starts Sonrel6.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target sonrel6
exec ./build/sonrel6 "$@"
