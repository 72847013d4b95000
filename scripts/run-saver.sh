#!/usr/bin/env bash
# Builds the saver and shows it full screen with its default settings under Wine.
# With a display ($DISPLAY set) it runs there until a key or a pointer move closes it.
# Without one it runs on a virtual Xvfb display, saves a screenshot and says where.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# Only the saver and what its screenshot needs: no tests, no other tree.
WHIRL_TREES=win64 WHIRL_TARGETS=Whirlmark WHIRL_PACKAGES="g++-mingw-w64-x86-64 mingw-w64-tools cmake g++
  libgtest-dev wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick libgl1-mesa-dri
  libglx-mesa0" "$top/scripts/build.sh"
scratch="$top/build/run"
rm -rf "$scratch"
source "$top/scripts/private-wine.sh"
wine_env "$scratch"
saver="$top/build/win64/bin/Whirlmark.scr"
make_prefix() {
  echo "run: making a Wine prefix in $WINEPREFIX (about 15 s)"
  boot_prefix
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  make_prefix
  echo "run: showing the saver on $DISPLAY; press a key or move the pointer to close it"
  timeout -k 5 3600 "$wine64" "$saver" /s || true
  exit 0
fi

mkdir -p "$top/build/screenshots"
shot="$top/build/screenshots/saver.png"
start_display "$scratch"
trap 'timeout 10 "$wineserver" -k >/dev/null 2>&1; stop_display' EXIT
make_prefix
echo "run: no display; running the saver on the virtual display $DISPLAY"
timeout -k 5 60 "$wine64" "$saver" /s &
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
