#!/usr/bin/env bash
# Builds the fuzz harnesses with clang's libFuzzer and runs each for a bounded
# time (FUZZ_SECONDS, default 60) on a copy of its committed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)"
seconds="${FUZZ_SECONDS:-60}"
for harness in build-fuzz/*_fuzz; do
  name=$(basename "$harness" _fuzz)
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  echo "== fuzzing $name for ${seconds}s"
  "$harness" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
echo "fuzzing passed"
