#!/usr/bin/env bash
# Installs Debian packages when any is missing: the ones named on the command line, or
# by default everything the build and the tests need.
#   deps.sh [package...]
set -eu
packages="${*:-g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 xvfb xauth
  x11-utils xdotool imagemagick fonts-wine libgl1-mesa-dri libglx-mesa0 mesa-utils cmake g++ clang
  libgtest-dev libbenchmark-dev xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  libxml2-utils locales}"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "deps: installing missing Debian packages:$missing"
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
echo "deps: done"
