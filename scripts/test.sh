#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the core and window
# suites, the same suites under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded run of each fuzz harness.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
echo "== core and window tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600)
echo "== the same tests under the sanitizers"
bash scripts/test-sanitize.sh
echo "== fuzzing"
bash scripts/fuzz.sh
