#!/usr/bin/env bash
# Installs the libraries that the benchmarks compare our 3DS reader with (lib3ds and
# assimp). Optional: neither the product nor the test suite uses them.
exec "$(dirname "$0")/deps.sh" lib3ds-dev libassimp-dev libbenchmark-dev
