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
