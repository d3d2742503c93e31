#include "engine/PictureArchive.h"

#include <cstdio>

#include "platform/byte_reader.h"
#include "platform/files.h"

namespace {

// No picture of the game comes near this; a larger length is a damaged table.
constexpr std::uint32_t kMaxPictureBytes = 32u << 20;

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadArchivePicture(const std::string& archive,
                                                            std::uint16_t index) {
  files::OpenedFile file(files::gamePath(archive));
  const auto fileSize = file.size();
  const auto head = file.readAt(0, 8);
  const auto entry = file.readAt(8ull * index, 8);
  if (!fileSize || !head || !entry || head->size() < 8) {
    std::fprintf(stderr, "glintbreaker: cannot read the picture archive %s\n", archive.c_str());
    return std::nullopt;
  }
  const std::uint64_t tableEnd = rt::readLe32(*head, 0);
  if (entry->size() < 8 || 8ull * index + 8 > tableEnd) {
    std::fprintf(stderr, "glintbreaker: %s has no picture %u\n", archive.c_str(), index);
    return std::nullopt;
  }
  const std::uint64_t offset = rt::readLe32(*entry, 0);
  const std::uint64_t length = rt::readLe32(*entry, 4);
  if (length == 0 || length > kMaxPictureBytes || offset + length > *fileSize) {
    std::fprintf(stderr, "glintbreaker: picture %u of %s lies outside the file\n", index,
                 archive.c_str());
    return std::nullopt;
  }
  auto picture = file.readAt(offset, length);
  if (!picture || picture->size() != length) {
    std::fprintf(stderr, "glintbreaker: cannot read picture %u of %s\n", index, archive.c_str());
    return std::nullopt;
  }
  return picture;
}
