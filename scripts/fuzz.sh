#!/usr/bin/env bash
# Runs the 3DS reader's fuzz target (build/native) for a while: scripts/fuzz.sh [seconds]
# New inputs go to build/native/fuzz-corpus, seeded from tests/fuzz/corpus; the
# committed corpus is not changed. Prints libFuzzer's final statistics.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
"$top/scripts/deps.sh"
[ -f "$top/build/native/CMakeCache.txt" ] ||
  cmake -S "$top" -B "$top/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build "$top/build/native" -j 2 --target model_reader_fuzz
work=$top/build/native/fuzz-corpus
mkdir -p "$work" "$top/build/native/fuzz-artifacts"
cp -n "$top"/tests/fuzz/corpus/* "$work"/
exec "$top/build/native/tests/fuzz/model_reader_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -dict="$top/tests/fuzz/model_reader.dict" -artifact_prefix="$top/build/native/fuzz-artifacts/" "$work"
