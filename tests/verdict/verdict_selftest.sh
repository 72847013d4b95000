#!/usr/bin/env bash
# Shows that the suite's verdict check works: runs the early-exiting case (early_exit.cpp)
# the way the suite runs every case and passes only when that run failed and said why.
#   verdict_selftest.sh <runner...> <early_exit program>
set -u
out=$("$@" --gtest_filter=EarlyExit.EndsBeforeItsVerdict 2>&1)
rc=$?
echo "$out"
if [ $rc != 0 ] && grep -q "ended before its verdict" <<<"$out"; then
  echo "verdict self-test: PASS: the case that ended early failed (exit code $rc)"
  exit 0
fi
echo "verdict self-test: FAIL: the case that ended early was not failed (exit code $rc)"
exit 1
