#!/usr/bin/env bash
# The i686 smoke stage: runs the shipped 32-bit programs of the installation medium
# (build/win32/medium) under emulated 32-bit Wine (scripts/wine32-setup.sh: the host's,
# or that of a private root, run through scripts/wine32-chroot.sh) and drives
# them with the 32-bit smoke driver (tests/i686/smoke_*.cpp), one short test at a time,
# in one WoW64 prefix on a small Xvfb screen. Ends with "N passed, N failed, N skipped".
# Exit code: 0 nothing failed; 1 a test failed; 77 32-bit Wine cannot run here (one
# line says why).
# Environment: WHIRL_SMOKE_TESTS (names to run, default all), WHIRL_SMOKE_SCREEN
# (default 640x480x24), WHIRL_SMOKE_TIMEOUT (seconds per test, default 300),
# WHIRL_SMOKE_MEDIUM (another medium folder), WHIRL_KEEP_RUN=1 keeps the scratch folder
# (prefix, logs) for inspection; the screenshots stay in build/win32/i686-smoke/shots.
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
tests=${WHIRL_SMOKE_TESTS:-saver-fullscreen saver-config saver-preview saver-password saver-change-password setup uninstall silent-round-trip in-use-round-trip planted-dlls setup-win98 saver-fullscreen-win98 saver-password-win98}
screen=${WHIRL_SMOKE_SCREEN:-640x480x24}
limit=${WHIRL_SMOKE_TIMEOUT:-300}
medium=${WHIRL_SMOKE_MEDIUM:-$top/build/win32/medium}
bin=$top/build/win32/bin
work=$top/build/win32/i686-smoke
wine=/usr/lib/wine/wine
source "$top/scripts/private-wine.sh"
count=$(($(wc -w <<<"$tests") + 1))

say() { echo "i686 smoke: $*"; }
summary() { echo "$1 passed, $2 failed, $3 skipped"; }
winpath() { echo "Z:${1//\//\\}"; }
seconds() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }

stage_start=$(date +%s.%N)
setup_log=$(mktemp)
"$top/scripts/wine32-setup.sh" 2>&1 | tee "$setup_log"
rc=${PIPESTATUS[0]}
reason=$(sed -n 's/^wine32-setup: SKIP: //p' "$setup_log")
wine_root=$(sed -n 's/^wine32-setup: ready in the private root \([^:]*\):.*/\1/p' "$setup_log")
rm -f "$setup_log"
if [ "$rc" = 77 ]; then
  say "all $count tests skipped: 32-bit Wine cannot run on this machine: $reason"
  summary 0 0 "$count"
  exit 77
elif [ "$rc" != 0 ]; then
  say "setting up 32-bit Wine failed (scripts/wine32-setup.sh exit code $rc)"
  summary 0 1 0
  exit 1
fi
say "32-bit Wine ready after $(seconds "$stage_start") s"

if [ ! -x "$bin/smoke-driver.exe" ] || [ ! -f "$bin/PASSWORD.CPL" ] || [ ! -f "$bin/mpr_double.dll" ] ||
   [ ! -f "$bin/planted_dll.dll" ]; then
  say "the smoke driver is not built: run scripts/build.sh (build/win32)"
  summary 0 1 0
  exit 1
fi

# Everything Wine and Mesa write goes into the scratch folder.
rm -rf "$work"
mkdir -p "$work/shots"
wine_env "$work"
# Where 32-bit Wine lives in the private root, every Wine command runs in there.
if [ -n "$wine_root" ]; then
  mkdir -p "$work/bin"
  for w in wine wine64 wineserver; do
    printf '#!/bin/sh\nexec env WHIRLMARK_WINE_ROOT=%q %q /usr/lib/wine/%s "$@"\n' \
      "$wine_root" "$top/scripts/wine32-chroot.sh" "$w" >"$work/bin/$w"
    chmod +x "$work/bin/$w"
  done
  wine=$work/bin/wine wine64=$work/bin/wine64 wineserver=$work/bin/wineserver
  say "Wine runs in the private root $wine_root"
fi
export WHIRL_SMOKE_SHOTS
WHIRL_SMOKE_SHOTS=$(winpath "$work/shots")

start_display "$work" "$screen"

cleanup() {
  timeout -k 2 20 "$wineserver" -k >/dev/null 2>&1
  stop_display
  if [ "${WHIRL_KEEP_RUN:-0}" = 1 ]; then
    say "scratch kept in $work"
  else
    rm -rf "$work/prefix" "$work/home"
  fi
}
trap cleanup EXIT

# One WoW64 prefix (64-bit Wine makes it; it runs 32-bit programs too), with a server
# that stays up between the tests so each start is quicker.
t=$(date +%s.%N)
if ! boot_prefix; then
  say "could not create the WoW64 prefix"
  summary 0 1 0
  exit 1
fi
"$wineserver" -p >/dev/null 2>&1 </dev/null
say "prefix ready after $(seconds "$t") s, screen $screen"

# Every DLL a medium program imports must be one that Windows itself provides (here:
# the prefix's 32-bit system folder); a mingw runtime DLL would be missing on a user's
# machine and the program would exit at once with code 53.
check_imports() {
  local sys="$WINEPREFIX/drive_c/windows/syswow64" bad="" program dll found=0
  for program in "$medium"/*.exe "$medium"/*.scr; do
    [ -f "$program" ] || continue
    found=1
    for dll in $(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p'); do
      [ -e "$sys/${dll,,}" ] || bad="$bad $(basename "$program"):$dll"
    done
  done
  if [ $found = 0 ]; then
    echo "  medium-imports: skip: no programs on the medium yet"
    return 77
  fi
  if [ -n "$bad" ]; then
    echo "  medium-imports: FAIL: imports that are not Windows system DLLs:$bad"
    echo "  medium-imports: a user's machine lacks them (the program exits with code 53); link with -static"
    return 1
  fi
  echo "  medium-imports: every import is a Windows system DLL"
}

passed=0 failed=0 skipped=0
tally() {  # tally <test> <exit code> <start time>
  case $2 in
    0) verdict=PASS passed=$((passed + 1)) ;;
    77) verdict=SKIP skipped=$((skipped + 1)) ;;
    124) verdict="FAIL (timed out after $limit s)" failed=$((failed + 1)) ;;
    *) verdict="FAIL (exit code $2)" failed=$((failed + 1)) ;;
  esac
  echo "$verdict $1 ($(seconds "$3") s)"
}

t=$(date +%s.%N)
check_imports
tally medium-imports $? "$t"
for test in $tests; do
  t=$(date +%s.%N)
  # Into a file, not a pipe: Wine's own background processes keep a pipe open.
  timeout -k 5 "$limit" "$wine" "$bin/smoke-driver.exe" "$test" "$(winpath "$medium")" \
    "$(winpath "$bin")" >"$work/$test.log" 2>&1
  rc=$?
  tr -d '\r' <"$work/$test.log"
  tally "$test" $rc "$t"
done

for shot in "$work"/shots/*.bmp; do
  [ -f "$shot" ] && /usr/bin/convert "$shot" "${shot%.bmp}.png" 2>/dev/null && rm -f "$shot"
done
ls "$work"/shots/*.png >/dev/null 2>&1 && say "screenshots in $work/shots"
say "stage took $(seconds "$stage_start") s"
summary "$passed" "$failed" "$skipped"
[ "$failed" = 0 ]
