#!/usr/bin/env bash
# Installs what is missing, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them all (the core and window suites,
# the install and translation checks), then a bounded run of each fuzz harness.
# scripts/test-plain.sh runs the same suites in the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
echo "== core and window tests, built with the sanitizers"
bash scripts/test-sanitize.sh
echo "== fuzzing"
bash scripts/fuzz.sh
