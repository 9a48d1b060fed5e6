#!/usr/bin/env bash
# Builds the program and the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The program's code at -O1 with line tables only: the sanitizers' reports keep
# file and line, and the experiments run several times faster than unoptimised.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DSONREL_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)" --target sonrel6 core_tests ui_tests
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure -j"$(nproc)" --timeout 900

# A desktop session sets the process locale from LANG: under Russian and German
# locales the C library reads and writes numbers with a decimal comma. Both
# suites run again, each as one process, under each of them side by side.
echo "== core and window suites under ru_RU.UTF-8 and de_DE.UTF-8"
suites_under() {
  local loc=$1 log="locale-$1.log" tmp
  # Each locale's suites get their own scratch folder: the two run side by
  # side and write files of the same names.
  tmp=$(mktemp -d) || return 1
  if (unset LC_ALL LC_NUMERIC LANGUAGE SONREL_LANG; export LANG="$loc" TEST_TMPDIR="$tmp/" TMPDIR="$tmp"
      ./core_tests --gtest_brief=1 && ./ui_tests --gtest_brief=1) >"$log" 2>&1; then
    echo "== $loc: $(grep -h 'PASSED' "$log" | tr '\n' ' ')"
    rm -rf "$tmp"
  else
    echo "== $loc: a suite failed:"
    grep -v 'does not support' "$log" | tail -n 60
    return 1
  fi
}
pids=()
for loc in ru_RU.UTF-8 de_DE.UTF-8; do
  suites_under "$loc" &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit "$failed"
