#!/usr/bin/env bash
# Builds all three trees: build/native (portable core, unit tests, tools),
# build/win64 (programs and Wine tests) and build/win32 (the shipped programs and the
# installation medium, build/win32/medium and its zip).
# Environment: WHIRL_TREES (default "native win64 win32"), WHIRL_TARGETS (build only
# these targets, for example Whirlmark), WHIRL_PACKAGES (the Debian packages to make sure
# of, default everything), WHIRL_JOBS.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck disable=SC2086
"$top/scripts/deps.sh" ${WHIRL_PACKAGES:-}
jobs=${WHIRL_JOBS:-$(nproc)}
trees=${WHIRL_TREES:-native win64 win32}
configure() {  # configure <tree> [cmake args...]: only a tree that is built, only once
  local tree=$1; shift
  [[ " $trees " == *" $tree "* ]] || return 0
  [ -f "$top/build/$tree/CMakeCache.txt" ] ||
    cmake -S "$top" -B "$top/build/$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
configure native -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
configure win64 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake"
configure win32 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-i686.cmake" -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s
# An i686 tree configured with CMAKE_EXE_LINKER_FLAGS=-s lost the toolchain's -static.
if grep -qx 'CMAKE_EXE_LINKER_FLAGS:STRING=-s' "$top/build/win32/CMakeCache.txt" 2>/dev/null; then
  cmake -U CMAKE_EXE_LINKER_FLAGS -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s "$top/build/win32" >/dev/null
fi
for tree in $trees; do
  echo "build: $tree"
  # shellcheck disable=SC2086
  cmake --build "$top/build/$tree" -j "$jobs" ${WHIRL_TARGETS:+--target $WHIRL_TARGETS}
done
if [[ " $trees " == *" win32 "* ]] && [ -z "${WHIRL_TARGETS:-}" ]; then
  (cd "$top/build/win32" && cpack -G ZIP >/dev/null && echo "build: medium in build/win32/medium, zip in build/win32/$(ls -t Whirlmark-*.zip | head -n1)")
fi
