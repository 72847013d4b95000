#!/usr/bin/env bash
# Builds gl_bench and runs it under Wine at 1024x768 and 1920x1080: start to first frame
# of the saver next to a minimal program (alternating launches), the InitScene
# breakdown, and frames per second of the scene next to a one-quad program, all in the
# same run. The saver's frame pacing lives in its message loop, which the frame-rate
# measurement does not use; the launches only time the first frame.
#   tests/bench/gl/run-gl-bench.sh [seconds per frame-rate measurement] [launches]
set -eu
top=$(cd "$(dirname "$0")/../../.." && pwd)
WHIRL_TREES=win64 "$top/scripts/build.sh" >/dev/null
cmake --build "$top/build/win64" -j 2 --target gl_bench >/dev/null
for screen in 1024x768x24 1920x1080x24; do
  echo "== $screen"
  WHIRL_SCREEN=$screen WHIRL_TEST_TIMEOUT=400 "$top/build/win64/wine-run" \
    "$top/build/win64/bin/gl_bench.exe" "${1:-5}" "${2:-8}"
done
