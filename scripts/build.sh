#!/usr/bin/env bash
# Builds all three trees: build/native (portable core, unit tests, tools),
# build/win64 (programs and Wine tests) and build/win32 (the shipped programs and the
# installation medium, build/win32/medium and its zip).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
jobs=${WHIRL_JOBS:-$(nproc)}
configure() {  # configure <tree> [cmake args...]
  local tree=$1; shift
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
for tree in ${WHIRL_TREES:-native win64 win32}; do
  echo "build: $tree"
  cmake --build "$top/build/$tree" -j "$jobs"
done
if [[ " ${WHIRL_TREES:-win32} " == *" win32 "* ]]; then
  (cd "$top/build/win32" && cpack -G ZIP >/dev/null && echo "build: medium in build/win32/medium, zip in build/win32/$(ls -t Whirlmark-*.zip | head -n1)")
fi
