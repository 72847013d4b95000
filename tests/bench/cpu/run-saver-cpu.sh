#!/usr/bin/env bash
# Processor time and frame rate of `Whirlmark.scr /s` under Wine on an Xvfb screen:
# for each size, the saver runs full screen, and over a 10 s window after its start the
# script reads the CPU time of the saver process (all its threads, llvmpipe's included)
# and counts the frames it presents (Wine's wgl trace of each SwapBuffers).
# Usage: run-saver-cpu.sh SAVER.scr [WIDTHxHEIGHT...]   (default 800x600 1024x768)
set -eu
saver=$(readlink -f "$1"); shift
sizes=${*:-800x600 1024x768}
scratch=$(mktemp -d /tmp/whirl-cpu.XXXXXX)
export HOME="$scratch/home" XDG_CACHE_HOME="$scratch/home/.cache" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_DATA_HOME="$scratch/home/.local/share" WINEPREFIX="$scratch/prefix" WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
mkdir -p "$HOME"
wine=/usr/lib/wine/wine64 ticks=$(getconf CLK_TCK) window=10
xvfb=""
cleanup() { WINEDEBUG=-all timeout 10 /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
            [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
for size in $sizes; do
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$scratch/display")"
  rm -rf "$WINEPREFIX"
  WINEDEBUG=-all timeout 180 "$wine" wineboot -i >/dev/null 2>&1
  WINEDEBUG=-all timeout 60 /usr/lib/wine/wineserver -w
  WINEDEBUG=trace+wgl timeout $((window + 30)) "$wine" "$saver" /s 2>"$scratch/trace" &
  run=$!
  sleep 5  # start-up and the first frames
  pid=""  # the process whose program is this saver (other savers may be running)
  for p in /proc/[0-9]*; do
    [ "$( (tr '\0' '\n' <"$p/cmdline") 2>/dev/null | head -n1)" = "$saver" ] && pid=${p#/proc/} && break
  done
  [ -n "$pid" ] || { echo "$size: the saver is not running"; kill $xvfb; continue; }
  c0=$(cpu_ticks "$pid") f0=$(grep -c wglSwapBuffers "$scratch/trace" || true)
  sleep $window
  c1=$(cpu_ticks "$pid") f1=$(grep -c wglSwapBuffers "$scratch/trace" || true)
  kill "$run" 2>/dev/null || true; wait "$run" 2>/dev/null || true
  WINEDEBUG=-all timeout 10 /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb"; wait "$xvfb" 2>/dev/null || true; xvfb=""
  awk -v s="$size" -v c=$((c1 - c0)) -v t="$ticks" -v f=$((f1 - f0)) -v w=$window \
    'BEGIN { printf "%s: %.1f s of processor time in %d s (%.2f cores), %.1f frames per second\n", s, c / t, w, c / t / w, f / w }'
done
