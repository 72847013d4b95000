#!/usr/bin/env bash
# The full-screen saver on two monitors: Xorg with the dummy video driver and two RandR
# outputs (1024x768 at 0,0 and 800x600 right of it, which Wine reports as two monitors),
# `Whirlmark.scr /s`, then a screenshot of the root window that must show the backdrop
# on both monitors and a logo near each centre. Then the second monitor goes off and
# comes back while the saver runs: it must keep running, fitted to the first monitor and
# then to both again, drawing on each. Keeps build/screenshots/two-monitors.png,
# two-monitors-second-off.png and two-monitors-second-back.png.
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
# Waits (up to 30 s) for the frames to show on the second monitor, or with `off` for the
# first one only, and saves the picture as $1.
shoot() {  # shoot FILE [off]
  local probe=1044
  [ "${2:-}" = off ] && probe=500
  for _ in $(seq 10); do
    /usr/bin/import -window root "$1" || { echo "FAIL: no screenshot"; exit 1; }
    [ "$(/usr/bin/convert "$1" -crop 40x40+$probe+20 -format '%[fx:maxima.intensity > 0]' info:)" = 1 ] && break
    sleep 3
  done
}
# The saver window's size as X has it, WIDTHxHEIGHT.
window_size() {
  xwininfo -name SaverWindow 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}
shoot "$shot"
failures=0
# Pixels of a region whose blue beats red and green (the sky), and whose green beats both.
count() {  # count GEOMETRY FX
  /usr/bin/convert "$picture" -crop "$1" +repage -fx "$2" -format '%[fx:mean*w*h]' info: | cut -d. -f1
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
picture=$shot
check_monitor "first monitor" 0 1024 768
check_monitor "second monitor" 1024 800 600
size=$(window_size)
[ "$size" = 1824x768 ] || { echo "FAIL: the saver window is $size over two monitors"; failures=$((failures + 1)); }

# The second monitor goes off (a monitor that drops off the bus when it sleeps)...
xrandr --output DUMMY1 --off
for _ in $(seq 40); do [ "$(window_size)" = 1024x768 ] && break; sleep 0.25; done
picture="$shots/two-monitors-second-off.png"
shoot "$picture" off
kill -0 "$run" 2>/dev/null || { echo "FAIL: the saver ended when the second monitor went off"; exit 1; }
size=$(window_size)
[ "$size" = 1024x768 ] || { echo "FAIL: with one monitor the saver window is $size"; failures=$((failures + 1)); }
check_monitor "first monitor alone" 0 1024 768

# ...and comes back.
xrandr --output DUMMY1 --mode 800x600 --right-of DUMMY0
for _ in $(seq 40); do [ "$(window_size)" = 1824x768 ] && break; sleep 0.25; done
sleep 2
picture="$shots/two-monitors-second-back.png"
shoot "$picture"
kill -0 "$run" 2>/dev/null || { echo "FAIL: the saver ended when the second monitor came back"; exit 1; }
size=$(window_size)
[ "$size" = 1824x768 ] || { echo "FAIL: with the second monitor back the saver window is $size"; failures=$((failures + 1)); }
check_monitor "first monitor again" 0 1024 768
check_monitor "second monitor again" 1024 800 600

xdotool key space >/dev/null 2>&1
echo "two-monitor screenshots: $shot, $shots/two-monitors-second-off.png, $shots/two-monitors-second-back.png"
[ "$failures" = 0 ] || { echo "FAIL: two-monitor test: $failures failures"; exit 1; }
echo "PASS: two-monitor test"
