#!/usr/bin/env bash
# Cross-builds the Windows game for one width into build-win32/ or build-win64/: SDL's libraries
# from Debian's sources into its sdl/ folder (once), then the game and its tests, then the zip.
#   usage: build-windows.sh win32|win64 HOST_BUILD
set -euo pipefail
name=$1
host=$(cd "$2" && pwd)
cd "$(dirname "$0")/.."
case $name in
  win32) arch=i686 ;;
  win64) arch=x86_64 ;;
  *) echo "build-windows: win32 or win64, not $name" >&2; exit 2 ;;
esac
build=build-$name
start=$(date +%s)
bash scripts/windows-sdl.sh "$arch" "$build/sdl/prefix"
sdl_done=$(date +%s)
prefix=$(cd "$build/sdl/prefix" && pwd)
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLINT_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DGLINT_HOST_GAME_DIR="$host/game" >/dev/null
cmake --build "$build" -j "$(nproc)"
cmake --build "$build" --target windows-zip
echo "build-windows: $name: SDL $((sdl_done - start)) s, game and tests $(($(date +%s) - sdl_done)) s;" \
  "the zip is $build/glintbreaker-$name.zip"
