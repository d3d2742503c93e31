// Any bytes as a picture archive: the table and every entry it may describe. An entry the reader
// hands out lies inside the file and has the length its table gives; its picture header is then
// checked as the engine would before decoding.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/PictureArchive.h"
#include "platform/files.h"
#include "runtime/image_loader.h"
#include "runtime/sdl/picture_decoder.h"

namespace {

// The reader takes a game file name, so each input becomes a scratch file of this process.
std::string scratchName;

std::uint32_t le32(const std::uint8_t* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where the system offers it: a scratch file on disk would make the run disk-bound.
  files::setGameDir(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
  scratchName = "glint-fuzz-archive-" + std::to_string(getpid()) + ".dat";
  std::atexit([] { std::remove(files::gamePath(scratchName).c_str()); });
  // SDL keeps its error text in a buffer made at the first error and never freed; make it
  // before the run so the leak checker does not count it against an input.
  rt::Image image;
  std::string error;
  const std::uint8_t badPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  rt::loadImage(badPng, &rt::sdl::decodeCompressedPicture, image, error);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = files::gamePath(scratchName);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) __builtin_trap();
  if (size != 0 && std::fwrite(data, 1, size, file) != size) __builtin_trap();
  std::fclose(file);

  const auto check = [&](std::uint16_t index) {
    const auto picture = ReadArchivePicture(scratchName, index);
    if (!picture) return;
    const std::size_t at = 8 * std::size_t(index);
    if (at + 8 > size) __builtin_trap();  // an entry read from beyond the file
    const std::uint64_t offset = le32(data + at), length = le32(data + at + 4);
    if (offset + length > size || picture->size() != length ||
        !std::equal(picture->begin(), picture->end(), data + offset)) {
      __builtin_trap();
    }
    rt::Image image;
    std::string error;
    rt::loadImage(*picture, nullptr, image, error);
  };
  // Every entry the file has room for (up to 64), the one after, and the last index there is.
  const std::size_t entries = std::min<std::size_t>(size / 8 + 1, 64);
  for (std::size_t index = 0; index < entries; ++index) check(static_cast<std::uint16_t>(index));
  check(0xFFFF);
  return 0;
}
