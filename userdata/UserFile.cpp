#include "userdata/UserFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

std::optional<std::vector<std::uint8_t>> ReadUserRecord(const std::string& name, std::size_t size) {
  const std::string path = files::userPath(name);
  // The file is read at start; whatever a save cut short by a kill left beside it goes first.
  files::removeLeftTemporaries(path);
  if (!files::exists(path)) return std::nullopt;
  // Only the record is read: a longer file (whatever was appended) still holds it.
  auto bytes = files::readAt(path, 0, size);
  if (bytes && bytes->size() == size) return bytes;
  SetAsideUserFile(path, bytes ? "too short" : "unreadable");
  return std::nullopt;
}

void SetAsideUserFile(const std::string& path, const std::string& why) {
  const std::string kept = path + ".bad";
  std::fprintf(stderr, "glintbreaker: %s is %s; using the defaults (the old file is kept as %s)\n",
               path.c_str(), why.c_str(), kept.c_str());
  files::rename(path, kept);
}

bool SaveUserRecord(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::string path = files::userPath(name);
  if (files::writeAtomic(path, bytes)) return true;
  std::fprintf(stderr, "glintbreaker: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
  return false;
}
