#!/usr/bin/env bash
# The Windows builds' tests under Wine, after make windows: each build's unit and scenario tests
# as Windows programs, then seeded scripted games whose state dumps must equal the Linux game's,
# then a save into a read-only folder, then the game in a real window under Wine on a private
# Xvfb (the pictures are kept in the build's wine-shots/). A machine whose kernel runs no 32-bit programs cannot start Wine's 32-bit
# half: the 32-bit build is then made but its tests are skipped, and this says so.
#   usage: test-windows.sh HOST_BUILD
set -uo pipefail
host=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
failed=()
for name in win64 win32; do
  build=$PWD/build-$name
  if [ "$name" = win64 ]; then wine=/usr/lib/wine/wine64; else wine=/usr/lib/wine/wine; fi
  if ! "$wine" --version >/dev/null 2>&1; then
    echo "test-windows: $name: $wine does not start here ($(uname -m) kernel without 32-bit" \
      "programs), so the $name tests are skipped; the build and its zip are made"
    continue
  fi
  export WINEPREFIX=$build/wine
  start=$(date +%s)
  # A new Wine prefix takes a while to set up, once. One Wine server then stays up for all the
  # tests: a program started just as the server of the last one shuts down can fail at once.
  "$wine" cmd /c exit >/dev/null 2>&1
  /usr/lib/wine/wineserver -p
  (cd "$build" && ctest --output-on-failure -j "$(nproc)") || failed+=("$name tests")
  /usr/bin/python3 tests/windows/compare_dumps.py "$host/game/glintbreaker" \
    "$build/game/glintbreaker.exe" "$wine" || failed+=("$name dumps")
  bash tests/windows/read_only_save.sh "$build/game/glintbreaker.exe" "$wine" ||
    failed+=("$name read-only save")
  /usr/bin/python3 tests/windows/wine_window.py "$host/game/glintbreaker" \
    "$build/game/glintbreaker.exe" "$wine" "$build/wine-shots" || failed+=("$name window")
  /usr/lib/wine/wineserver -k
  echo "test-windows: $name: $(($(date +%s) - start)) s"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "test-windows: failed: ${failed[*]}"
  exit 1
fi
