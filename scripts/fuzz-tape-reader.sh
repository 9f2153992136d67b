#!/bin/sh
# Builds the tape file reader's fuzz target with clang (libFuzzer, address
# and undefined-behaviour sanitizers) and runs it for a while.
# Usage: scripts/fuzz-tape-reader.sh [seconds]   (default 60)
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
mkdir -p "$out/corpus"
cp "$root"/tests/fuzz/tape-reader-corpus/* "$out/corpus/"
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src" \
  "$root/tests/fuzz/fuzz_tape_reader.cpp" \
  "$root/src/tape/TapeFileFormat.cpp" "$root/src/tape/TapeFieldReader.cpp" "$root/src/tape/TapeLine.cpp" \
  "$root/src/tape/TapeLines.cpp" "$root/src/tape/Windows1252.cpp" "$root/src/calc/NumberText.cpp" \
  $(pkg-config --cflags --libs Qt6Core) \
  -o "$out/fuzz_tape_reader"
# Leaks inside the uninstrumented Qt library are not the reader's.
ASAN_OPTIONS=detect_leaks=0 "$out/fuzz_tape_reader" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
  -dict="$root/tests/fuzz/tape-reader.dict" "$out/corpus"
