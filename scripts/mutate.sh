#!/usr/bin/env bash
# Planted-fault check of the core: plants each fault of tests/mutants.txt in
# turn, rebuilds and runs the core tests, and prints what the tests caught.
# Usage: bash scripts/mutate.sh [--only SUBSYSTEM] [--timeout SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
command -v python3 >/dev/null || {
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update && $SUDO apt-get install -y --no-install-recommends python3
}
exec python3 scripts/mutate.py "$@"
