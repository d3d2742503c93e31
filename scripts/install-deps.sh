#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and playing the game need.
# Idempotent: packages already present are skipped without touching the network.
#   --windows  also what the Windows builds need (make windows, make test-windows): the
#              mingw-w64 compilers, Wine with its 32-bit half (the i386 architecture is enabled
#              for it) and Debian's source packages of SDL (a deb-src entry is added).
set -euo pipefail
windows=false
[ "${1:-}" = "--windows" ] && windows=true

packages=(
  build-essential cmake pkg-config clang-format
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev
  libx11-dev  # Xlib: whether a window manager runs, for full screen without one
  libcairo2-dev libfreetype-dev libstb-dev fonts-dejavu-core fonts-dejavu-extra
  libcurl4-openssl-dev libcpp-httplib-dev libsqlite3-dev
  libpq-dev postgresql  # the score server's PostgreSQL store, and throw-away clusters for its tests
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  x11-apps openbox  # the screen itself read with xwd, full screen tested under a window manager
  chromium  # the score server's pages seen in a real browser
  clang libclang-rt-dev  # the fuzzers (make fuzz): clang's libFuzzer and sanitizer runtimes
  desktop-file-utils appstream  # the installed desktop entry and metainfo checked by their validators
)

if $windows; then
  packages+=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386
    dpkg-dev googletest python3 python3-pil)
fi

run_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install packages" >&2; exit 1; }
  run_root=(sudo)
fi

# The Windows builds: Wine's 32-bit half, and the sources SDL's Windows libraries are built from.
sources_changed=false
if $windows; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${run_root[@]}" dpkg --add-architecture i386
    sources_changed=true
  fi
  list=/etc/apt/sources.list.d/glintbreaker-src.sources
  if [ ! -f "$list" ]; then
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
      "Suites: bookworm bookworm-updates" "Components: main" \
      "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
      "${run_root[@]}" tee "$list" >/dev/null
    sources_changed=true
  fi
  $sources_changed && "${run_root[@]}" apt-get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${run_root[@]}" apt-get update -qq
"${run_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
