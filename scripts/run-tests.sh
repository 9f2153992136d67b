#!/usr/bin/env bash
# Builds Tarvolix and runs every test: the normal build, a short fuzzing run
# of the tape file reader, then the AddressSanitizer + UndefinedBehaviorSanitizer
# build.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

# A new warning fails the normal build.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOLIX_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# No crash, hang or sanitizer report from the tape file reader.
bash scripts/fuzz-tape-reader.sh 60

# The package is built from the normal build only: a sanitizer binary is no
# program to ship.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLIX_SANITIZE=ON -DTARVOLIX_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE package
