#!/usr/bin/env bash
# Sets up the machine, builds everything from scratch and runs every test:
# once as a normal build (warnings are errors) and once with AddressSanitizer
# and UndefinedBehaviorSanitizer. Exits non-zero on any failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc)

echo "== Build and test =="
rm -rf build
cmake -S . -B build -G Ninja -DVKT_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer =="
rm -rf build-asan
cmake -S . -B build-asan -G Ninja -DVKT_WERROR=ON -DVKT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
