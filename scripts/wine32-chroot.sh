#!/bin/bash
# Runs one command inside the private Wine root that scripts/wine32-setup.sh made
# (scripts/wine32-root.sh), with the environment, the working folder and the paths of
# this work tree unchanged:
#
#   wine32-chroot.sh /usr/lib/wine/wine PROGRAM [ARG...]
#
# /proc, /sys, /dev, the X server sockets (/tmp/.X11-unix) and this work tree are bound
# into the root at their own paths, in a mount namespace of the command's own: the
# host never sees these mounts, and the kernel drops them when the last process
# started in it (a wineserver that outlives the command, for example) has ended.
# The command replaces this script, so signals and the exit code are its own.
# Environment: WHIRLMARK_WINE_ROOT (default /opt/whirlmark-i386-root).
set -u
root=${WHIRLMARK_WINE_ROOT:-/opt/whirlmark-i386-root}
top=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: wine32-chroot.sh COMMAND [ARG...]" >&2; exit 2; }
[ -x "$root/usr/lib/wine/wine64" ] ||
  { echo "wine32-chroot: no private Wine root in $root (run scripts/wine32-setup.sh)" >&2; exit 1; }
# shellcheck disable=SC2016
exec unshare --mount --propagation private /bin/bash -c '
  root=$1 top=$2 dir=$3; shift 3
  for d in /proc /sys /dev /tmp/.X11-unix "$top"; do
    [ -d "$d" ] || continue
    mkdir -p "$root$d" && mount --rbind "$d" "$root$d" ||
      { echo "wine32-chroot: cannot bind $d into $root" >&2; exit 1; }
  done
  exec chroot "$root" /bin/sh -c '\''cd "$0" 2>/dev/null || cd /; exec "$@"'\'' "$dir" "$@"
' wine32-chroot "$root" "$top" "$PWD" "$@"
