#!/usr/bin/env bash
# The whole test suite: builds the three trees, runs the native unit tests, the Windows
# tests under Wine (a fresh template prefix for this run), the checks on the shipped
# i686 programs (imports, manifests) and the i686 smoke stage.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" || { echo "0 passed, 1 failed, 0 skipped"; exit 1; }
rm -rf "$top/build/win64/wine"
echo "tests: making the Wine template prefix"
"$top/build/win64/wine-run" --template || { echo "0 passed, 1 failed, 0 skipped"; exit 1; }
passed=0 failed=0 skipped=0 skipped_names=""
skip() {  # skip <count> <what>: counts skips and names them for the closing lines
  skipped=$((skipped + $1))
  skipped_names="${skipped_names:+$skipped_names; }$2"
}
run_ctest() {  # run_ctest <tree>
  local log="$top/build/$1/ctest.log"
  echo "tests: $1"
  (cd "$top/build/$1" && ctest -j "${WHIRL_JOBS:-2}" --output-on-failure --timeout 300) 2>&1 | tee "$log"
  local line total bad skips names
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$line" ]; then
    grep -q "No tests were found" "$log" || failed=$((failed + 1))
    return
  fi
  total=${line##* }
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  # Cases that said they were skipped (ctest lists them as "(Skipped)") passed nothing.
  names=$(sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) \(Skipped\)$/\1/p' "$log")
  skips=$(grep -c . <<<"$names")
  [ "$skips" -gt 0 ] && skip "$skips" "$1: $(tr '\n' ' ' <<<"$names" | sed 's/ $//')"
  passed=$((passed + total - bad - skips)) failed=$((failed + bad))
}
run_ctest native
run_ctest win64
run_ctest win32
if [ -x "$top/tests/i686/run-smoke.sh" ]; then
  echo "tests: i686 smoke"
  "$top/tests/i686/run-smoke.sh" 2>&1 | tee "$top/build/win32/smoke.log"
  rc=${PIPESTATUS[0]}
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed, [0-9]+ skipped' "$top/build/win32/smoke.log" | tail -n1)
  if [ -n "$line" ]; then
    read -r p _ f _ k _ <<<"${line//,/}"
    passed=$((passed + p)) failed=$((failed + f))
    if [ "$k" -gt 0 ]; then
      why=$(sed -n 's/^i686 smoke: all [0-9]* tests skipped: //p' "$top/build/win32/smoke.log" | tail -n1)
      skip "$k" "i686 smoke stage${why:+ ($why)}"
    fi
  elif [ $rc != 0 ]; then
    failed=$((failed + 1))
  fi
fi
[ -n "$skipped_names" ] && echo "skipped: $skipped_names"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
