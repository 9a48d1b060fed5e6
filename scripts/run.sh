#!/usr/bin/env bash
# Installs what is missing, builds and starts Sonrel6.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/sonrel6 "$@"
