#!/bin/sh
# Builds the tape file reader's fuzz target with clang (libFuzzer, address
# and undefined-behaviour sanitizers) and runs it for a while.
# Usage: scripts/fuzz-tape-reader.sh [seconds]   (default 60)
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_CXX_COMPILER=clang++ -DTARVOLIX_FUZZ=ON -DTARVOLIX_BUILD_TESTS=OFF -DTARVOLIX_BUILD_BENCH=OFF
cmake --build "$out" -j"$jobs" --target fuzz_tape_reader
mkdir -p "$out/corpus"
cp "$root"/tests/fuzz/tape-reader-corpus/* "$out/corpus/"
# Leaks inside the uninstrumented Qt library are not the reader's.
ASAN_OPTIONS=detect_leaks=0 "$out/tests/fuzz/fuzz_tape_reader" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
  -dict="$root/tests/fuzz/tape-reader.dict" "$out/corpus"
