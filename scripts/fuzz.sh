#!/usr/bin/env bash
# Builds the fuzz harnesses with clang's libFuzzer and runs each for a bounded
# time (FUZZ_SECONDS, default 60) on a copy of its committed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)"
seconds="${FUZZ_SECONDS:-60}"
# Each harness is one process on one core: run as many side by side as there are cores.
fuzz_one() {
  local harness=$1 name work
  name=$(basename "$harness" _fuzz)
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  if "$harness" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$work" >"$work.log" 2>&1; then
    echo "== fuzzed $name for ${seconds}s: $(tail -n 1 "$work.log")"
    rm -rf "$work" "$work.log"
  else
    echo "== fuzzing $name found a fault:"
    tail -n 40 "$work.log"
    rm -rf "$work" "$work.log"
    return 1
  fi
}
pids=()
failed=0
for harness in build-fuzz/*_fuzz; do
  fuzz_one "$harness" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$(nproc)" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
[ "$failed" -eq 0 ] || { echo "fuzzing failed"; exit 1; }
echo "fuzzing passed"
