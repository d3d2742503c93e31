#include "scene/StartupFile.h"

#include <cstdio>

#include "runtime/files.h"

std::optional<std::vector<std::uint8_t>> ReadStartupFile(const std::string& name,
                                                         std::size_t minSize) {
  const std::string path = files::userPath(name);
  if (!files::exists(path)) return std::nullopt;
  auto bytes = files::readAll(path, 1u << 20);
  if (bytes && bytes->size() >= minSize) return bytes;

  const std::string kept = path + ".bad";
  std::fprintf(stderr, "glintbreaker: %s is %s; using the defaults (the old file is kept as %s)\n",
               path.c_str(), bytes ? "too short" : "unreadable", kept.c_str());
  files::rename(path, kept);
  return std::nullopt;
}

bool SaveStartupRecord(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::string path = files::userPath(name);
  if (files::writeAtomic(path, bytes)) return true;
  std::fprintf(stderr, "glintbreaker: cannot write %s\n", path.c_str());
  return false;
}
