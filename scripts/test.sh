#!/usr/bin/env bash
# The whole test suite: builds the three trees, runs the native unit tests, the Windows
# tests under Wine (a fresh template prefix for this run), the checks on the shipped
# i686 programs (imports, manifests) and the i686 smoke stage.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" || { echo "0 passed, 1 failed"; exit 1; }
rm -rf "$top/build/win64/wine"
echo "tests: making the Wine template prefix"
"$top/build/win64/wine-run" --template || { echo "0 passed, 1 failed"; exit 1; }
passed=0 failed=0
run_ctest() {  # run_ctest <tree>
  local log="$top/build/$1/ctest.log"
  echo "tests: $1"
  (cd "$top/build/$1" && ctest -j "${WHIRL_JOBS:-2}" --output-on-failure --timeout 300) 2>&1 | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  local total=${line##* } bad
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  if [ -z "$line" ]; then
    grep -q "No tests were found" "$log" || failed=$((failed + 1))
    return
  fi
  passed=$((passed + total - bad)) failed=$((failed + bad))
}
run_ctest native
run_ctest win64
run_ctest win32
if [ -x "$top/tests/i686/run-smoke.sh" ]; then
  echo "tests: i686 smoke"
  "$top/tests/i686/run-smoke.sh" 2>&1 | tee "$top/build/win32/smoke.log"
  rc=${PIPESTATUS[0]}
  line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$top/build/win32/smoke.log" | tail -n1)
  if [ -n "$line" ]; then
    read -r p _ f _ <<<"${line//,/}"
    passed=$((passed + p)) failed=$((failed + f))
  elif [ $rc != 0 ] && [ $rc != 77 ]; then
    failed=$((failed + 1))
  fi
fi
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
