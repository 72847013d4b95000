#!/usr/bin/env bash
# Installs the libraries that the benchmarks compare our 3DS reader with (lib3ds and
# assimp). Optional: neither the product nor the test suite uses them.
set -eu
packages="lib3ds-dev libassimp-dev libbenchmark-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "bench-deps: installing$missing"
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
