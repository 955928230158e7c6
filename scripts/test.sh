#!/usr/bin/env bash
# Builds Tabulo and runs every test: once in a release build, once under
# AddressSanitizer + UndefinedBehaviorSanitizer so that memory faults fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-format.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULO_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --timeout 300

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULO_SANITIZE=ON -DTABULO_BENCHMARKS=OFF -DTABULO_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  ctest --test-dir build-asan -j "$jobs" --timeout 600
