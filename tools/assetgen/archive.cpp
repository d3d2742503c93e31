#include "tools/assetgen/archive.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/assetgen/png.h"

namespace assetgen {
namespace {

void putU32(Bytes& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t getU32(const Bytes& in, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | in[at + static_cast<size_t>(i)];
  return value;
}

std::optional<Bytes> readWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

void writeArchive(const std::string& path, const std::vector<Bytes>& pictures) {
  const Bytes blank = transparentPixelPng();
  Bytes table;
  Bytes body;
  const size_t tableSize = 8 * pictures.size();
  for (const Bytes& picture : pictures) {
    const Bytes& data = picture.empty() ? blank : picture;
    const size_t offset = tableSize + body.size();
    if (offset + data.size() > UINT32_MAX) throw std::runtime_error(path + ": archive too large");
    putU32(table, static_cast<uint32_t>(offset));
    putU32(table, static_cast<uint32_t>(data.size()));
    body.insert(body.end(), data.begin(), data.end());
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(table.data()),
             static_cast<std::streamsize>(table.size()));
  file.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::optional<Bytes> readArchiveEntry(const std::string& path, size_t index) {
  const std::optional<Bytes> file = readWholeFile(path);
  if (!file || index >= file->size() / 8) return std::nullopt;
  const size_t at = 8 * index;
  const size_t offset = getU32(*file, at);
  const size_t length = getU32(*file, at + 4);
  if (offset > file->size() || length > file->size() - offset) return std::nullopt;
  return Bytes(file->begin() + static_cast<std::ptrdiff_t>(offset),
               file->begin() + static_cast<std::ptrdiff_t>(offset + length));
}

std::optional<size_t> archiveEntryCount(const std::string& path) {
  const std::optional<Bytes> file = readWholeFile(path);
  if (!file || file->size() < 8) return std::nullopt;
  const size_t firstOffset = getU32(*file, 0);
  if (firstOffset % 8 != 0 || firstOffset > file->size()) return std::nullopt;
  return firstOffset / 8;
}

}  // namespace assetgen
