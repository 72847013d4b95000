#!/usr/bin/env bash
# Builds the saver and shows it full screen with its default settings under Wine.
# With a display ($DISPLAY set) it runs there until a key or a pointer move closes it.
# Without one it runs on a virtual Xvfb display, saves a screenshot and says where.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
WHIRL_TREES=win64 "$top/scripts/build.sh"
scratch="$top/build/run"
rm -rf "$scratch"
mkdir -p "$scratch/home"
export HOME="$scratch/home" XDG_CACHE_HOME="$scratch/home/.cache" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_DATA_HOME="$scratch/home/.local/share" WINEPREFIX="$scratch/prefix" WINEARCH=win64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
wine=/usr/lib/wine/wine64
saver="$top/build/win64/bin/Whirlmark.scr"
# The prefix is made with the display already there: a prefix booted without one tells
# the first program after it a 1024x768 screen.
make_prefix() {
  echo "run: making a Wine prefix in $WINEPREFIX (about 15 s)"
  timeout -k 5 180 "$wine" wineboot -i >/dev/null 2>&1
  timeout -k 5 60 /usr/lib/wine/wineserver -w
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  make_prefix
  echo "run: showing the saver on $DISPLAY; press a key or move the pointer to close it"
  timeout -k 5 3600 "$wine" "$saver" /s || true
  exit 0
fi

mkdir -p "$top/build/screenshots"
shot="$top/build/screenshots/saver.png"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
trap 'timeout 10 /usr/lib/wine/wineserver -k >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
make_prefix
echo "run: no display; running the saver on the virtual display $DISPLAY"
timeout -k 5 60 "$wine" "$saver" /s &
saver_pid=$!
# Start-up takes a few seconds (longer on a busy machine): wait for the saver's window,
# then let it draw a while before the screenshot.
for _ in $(seq 240); do
  xwininfo -root -tree 2>/dev/null | grep -q '"SaverWindow"' && break
  kill -0 $saver_pid 2>/dev/null || break
  sleep 0.25
done
xwininfo -root -tree 2>/dev/null | grep -q '"SaverWindow"' || echo "run: the saver window did not appear" >&2
# The window is black until the scene has loaded and drawn its first frame.
for _ in $(seq 60); do
  /usr/bin/import -window root "$shot"
  [ "$(/usr/bin/convert "$shot" -crop 40x40+620+200 -format '%[fx:maxima.intensity > 0]' info:)" = 1 ] && break
  kill -0 $saver_pid 2>/dev/null || break
  sleep 1
done
sleep "${WHIRL_SHOW_SECONDS:-3}"
/usr/bin/import -window root "$shot"
xdotool key Escape || true
wait $saver_pid || true
echo "run: screenshot saved to $shot"
