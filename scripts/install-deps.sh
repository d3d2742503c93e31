#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and playing the game need.
# Idempotent: packages already present are skipped without touching the network.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libsdl2-dev libsdl2-mixer-dev libsdl2-image-dev
  libcairo2-dev libfreetype-dev libstb-dev fonts-dejavu-core fonts-dejavu-extra
  libcurl4-openssl-dev libcpp-httplib-dev libsqlite3-dev
  libpq-dev postgresql  # the score server's PostgreSQL store, and throw-away clusters for its tests
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  x11-apps openbox  # the screen itself read with xwd, full screen tested under a window manager
  chromium  # the score server's pages seen in a real browser
  clang libclang-rt-dev  # the fuzzers (make fuzz): clang's libFuzzer and sanitizer runtimes
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
run_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install packages" >&2; exit 1; }
  run_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run_root[@]}" apt-get update -qq
"${run_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
