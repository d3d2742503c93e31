#!/usr/bin/env bash
# Cross-builds SDL2, SDL2_image and SDL2_mixer for Windows from Debian's own source packages (the
# versions the Linux build links), into PREFIX. Only what the game uses is enabled: PNG and JPEG
# through the bundled decoder, WAV sound. Done once: a finished prefix is kept.
#   usage: windows-sdl.sh x86_64|i686 PREFIX
set -euo pipefail
arch=$1
prefix=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
stamp=$prefix/.built
[ -f "$stamp" ] && exit 0

work=$prefix/../sdl-sources
mkdir -p "$work"
cd "$work"
for package in libsdl2 libsdl2-mixer libsdl2-image; do
  version=$(dpkg-query -W -f='${source:Version}' "$package-dev")
  if ! ls -d "$package"-*/ >/dev/null 2>&1; then
    apt-get source --download-only -qq "$package=$version"
    dpkg-source --no-check -x "${package}_${version#*:}.dsc" >/dev/null
  fi
done

build() {  # source folder, then its options
  local source=$1; shift
  local dir=$prefix/../sdl-build-$arch/$(basename "$source")
  cmake -S "$source" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
    -DGLINT_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)" >/dev/null
  cmake --install "$dir" >/dev/null
}
echo "windows-sdl: building SDL2 for $arch into $prefix"
build "$(ls -d "$work"/libsdl2-2*/)" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
build "$(ls -d "$work"/libsdl2-image-*/)" -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_VENDORED=OFF \
  -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_LBM=OFF \
  -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF \
  -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF \
  -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF
build "$(ls -d "$work"/libsdl2-mixer-*/)" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
  -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF \
  -DSDL2MIXER_WAVE=ON
touch "$stamp"
