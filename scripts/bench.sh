#!/usr/bin/env bash
# Builds the benchmarks without sanitizers (build/bench, Release) and runs them; extra
# arguments go to Google Benchmark (e.g. --benchmark_filter=Normals). Installs the
# comparison libraries first (scripts/bench-deps.sh).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/bench-deps.sh"
tree=$top/build/bench
[ -f "$tree/CMakeCache.txt" ] ||
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DWHIRL_SANITIZE=OFF \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build "$tree" -j 2 --target model_bench >/dev/null
exec "$tree/tests/bench/model_bench" "$@"
