#!/usr/bin/env bash
# Builds gl_bench and runs it under Wine at 1024x768 and 1920x1080: the time from start
# to the saver's first frame, and frames per second of the scene next to a minimal
# textured-quad program in the same run.
#   tests/bench/gl/run-gl-bench.sh [seconds per measurement]
set -eu
top=$(cd "$(dirname "$0")/../../.." && pwd)
WHIRL_TREES=win64 "$top/scripts/build.sh" >/dev/null
cmake --build "$top/build/win64" -j 2 --target gl_bench >/dev/null
for screen in 1024x768x24 1920x1080x24; do
  echo "== $screen"
  WHIRL_SCREEN=$screen WHIRL_TEST_TIMEOUT=300 "$top/build/win64/wine-run" \
    "$top/build/win64/bin/gl_bench.exe" "${1:-5}"
done
