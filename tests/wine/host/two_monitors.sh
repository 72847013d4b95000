#!/usr/bin/env bash
# The full-screen saver on two monitors: Xorg with the dummy video driver and two RandR
# outputs (1024x768 at 0,0 and 800x600 right of it, which Wine reports as two monitors),
# `Whirlmark.scr /s`, then a screenshot of the root window that must show the backdrop
# on both monitors and a logo near each centre. Keeps build/screenshots/two-monitors.png.
# Skips (exit 77) with one line when Xorg cannot start here.
# Usage: two_monitors.sh SAVER.scr XORG_CONFIG SCRATCH SCREENSHOT_DIR
set -u
saver=$1 config=$2 scratch=$3 shots=$4
rm -rf "$scratch" 2>/dev/null; mkdir -p "$scratch/home" "$shots"
export HOME="$scratch/home" XDG_CACHE_HOME="$scratch/home/.cache" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_DATA_HOME="$scratch/home/.local/share" WINEPREFIX="$scratch/prefix" WINEARCH=win64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
wine=/usr/lib/wine/wine64 shot="$shots/two-monitors.png"
xorg="" run=""
cleanup() {
  [ -n "$run" ] && kill "$run" 2>/dev/null
  timeout 10 /usr/lib/wine/wineserver -k >/dev/null 2>&1
  [ -n "$xorg" ] && kill "$xorg" 2>/dev/null && wait "$xorg" 2>/dev/null
}
trap cleanup EXIT
skip() { echo "SKIP: two-monitor test: $*"; exit 77; }
command -v Xorg >/dev/null && command -v xrandr >/dev/null || skip "Xorg or xrandr is not installed"

# A display number nobody uses.
for n in $(seq 60 99); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xorg ":$n" -config "$config" -noreset -nolisten tcp -sharevts -novtswitch -logfile "$scratch/xorg.log" \
  >/dev/null 2>&1 &
xorg=$!
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; kill -0 $xorg 2>/dev/null || break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { xorg=""; skip "Xorg with the dummy driver did not start (log: $scratch/xorg.log)"; }
xrandr --addmode DUMMY1 800x600 && xrandr --output DUMMY1 --mode 800x600 --right-of DUMMY0 ||
  skip "xrandr could not add the second output"
sleep 1
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || skip "xrandr shows $(xrandr --listmonitors | head -n1)"

timeout -k 5 300 "$wine" wineboot -i >/dev/null 2>&1
timeout -k 5 60 /usr/lib/wine/wineserver -w
# On this server (no input devices) Wine reports the pointer late: its jump from 0,0 to
# where the pointer really is counts as travel and closes the saver after a few seconds.
# Pointer travel is not what this test is about, so it is taken out of play.
timeout -k 5 60 "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Screen Savers' \
  /v 'Mouse Threshold' /t REG_DWORD /d 100000 /f >/dev/null 2>&1
timeout -k 5 200 "$wine" "$saver" /s &
run=$!
for _ in $(seq 240); do
  xwininfo -root -tree 2>/dev/null | grep -q '"SaverWindow"' && break
  sleep 0.25
done
# Let the scene load and draw a while (a screenshot taken while it starts up can keep it
# from drawing), then take the picture; a few more tries on a slow machine.
sleep 8
for _ in $(seq 10); do
  /usr/bin/import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
  [ "$(/usr/bin/convert "$shot" -crop 40x40+1044+20 -format '%[fx:maxima.intensity > 0]' info:)" = 1 ] && break
  sleep 3
done
xdotool key space >/dev/null 2>&1

failures=0
# Pixels of a region whose blue beats red and green (the sky), and whose green beats both.
count() {  # count GEOMETRY FX
  /usr/bin/convert "$shot" -crop "$1" +repage -fx "$2" -format '%[fx:mean*w*h]' info: | cut -d. -f1
}
sky='b > r + 0.08 && b > g + 0.04' green='g > r + 0.04 && g > b + 0.04'
check_monitor() {  # check_monitor NAME LEFT WIDTH HEIGHT
  local name=$1 left=$2 w=$3 h=$4 corner
  for corner in "+$((left + 10))+10" "+$((left + w - 60))+10" "+$((left + 10))+$((h - 60))" "+$((left + w - 60))+$((h - 60))"; do
    local n; n=$(count "50x50$corner" "$sky")
    [ "${n:-0}" -gt 2000 ] || { echo "FAIL: $name: backdrop missing at corner $corner ($n sky pixels of 2500)"; failures=$((failures + 1)); }
  done
  local cw=$((w / 4)) ch=$((h / 4)) logo
  logo=$(count "${cw}x${ch}+$((left + w / 2 - cw / 2))+$((h / 2 - ch / 2))" "$green")
  [ "${logo:-0}" -gt 300 ] || { echo "FAIL: $name: no logo near the centre ($logo green pixels)"; failures=$((failures + 1)); }
  echo "$name: logo $logo green pixels near the centre"
}
check_monitor "first monitor" 0 1024 768
check_monitor "second monitor" 1024 800 600
echo "two-monitor screenshot: $shot"
[ "$failures" = 0 ]
