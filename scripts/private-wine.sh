# A private Wine prefix and an X display of our own, for the scripts that run Windows
# programs: tests/wine/wine-run.in, tests/i686/run-smoke.sh and scripts/run-saver.sh
# source this file.
#   wine_env <scratch>              everything Wine and Mesa write goes below <scratch>;
#                                   the prefix is <scratch>/prefix
#   start_display <scratch> [WxHxD] an Xvfb of our own (default 1280x1024x24); sets
#                                   DISPLAY, and xvfb to its process id
#   stop_display                    ends that Xvfb
#   boot_prefix                     makes the prefix of wine_env and waits for the server;
#                                   fails when either does not finish in time
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

wine_env() {
  export HOME="$1/home" XDG_CACHE_HOME="$1/home/.cache" XDG_CONFIG_HOME="$1/home/.config"
  export XDG_DATA_HOME="$1/home/.local/share" WINEPREFIX="$1/prefix" WINEARCH=win64
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
  mkdir -p "$HOME"
}

start_display() {
  rm -f "$1/display"
  Xvfb -displayfd 3 -screen 0 "${2:-1280x1024x24}" -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    [ -s "$1/display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$1/display")"
}

stop_display() {
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}

# A prefix booted without a display tells the first program started in it that the
# screen is 1024x768: start the display first.
boot_prefix() {
  local rc=0
  timeout -k 5 300 "$wine64" wineboot -i >/dev/null 2>&1 || rc=1
  timeout -k 5 120 "$wineserver" -w || rc=1
  return $rc
}
