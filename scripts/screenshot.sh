#!/usr/bin/env bash
# Builds the program and saves screenshots of its windows into docs/ (Russian)
# and docs/en/ (English), rendered offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
mkdir -p docs
QT_QPA_PLATFORM=offscreen ./build/screenshots docs
QT_QPA_PLATFORM=offscreen ./build/screenshots docs/en --lang en
