#include "runtime/files.h"

#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace files {
namespace fs = std::filesystem;
namespace {

std::string theGameDir = ".";
std::string theUserDir = ".";

std::string withSlashes(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

// The entry of a folder whose name equals part regardless of case, or "" when none.
std::string matchWithoutCase(const fs::path& dir, const std::string& part) {
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (strcasecmp(name.c_str(), part.c_str()) == 0) return name;
  }
  return "";
}

}  // namespace

void setGameDir(const std::string& dir) {
  theGameDir = dir;
}
void setUserDir(const std::string& dir) {
  theUserDir = dir;
}
const std::string& gameDir() {
  return theGameDir;
}
const std::string& userDir() {
  return theUserDir;
}

std::string resolve(const std::string& dir, const std::string& name) {
  const fs::path relative(withSlashes(name));
  const fs::path exact = fs::path(dir) / relative;
  std::error_code error;
  if (fs::exists(exact, error)) return exact.string();

  fs::path found(dir);
  for (const fs::path& part : relative) {
    if (part.empty() || part == ".") continue;
    if (fs::exists(found / part, error)) {
      found /= part;
      continue;
    }
    const std::string match = matchWithoutCase(found, part.string());
    if (match.empty()) return exact.string();
    found /= match;
  }
  return found.string();
}

std::string gamePath(const std::string& name) {
  return resolve(theGameDir, name);
}
std::string userPath(const std::string& name) {
  return resolve(theUserDir, name);
}

bool exists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

std::optional<std::uint64_t> size(const std::string& path) {
  std::error_code error;
  const auto bytes = fs::file_size(path, error);
  if (error) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> readAll(const std::string& path, std::uint64_t maxBytes) {
  const auto total = size(path);
  if (!total || *total > maxBytes) return std::nullopt;
  return readAt(path, 0, *total);
}

std::optional<std::vector<std::uint8_t>> readAt(const std::string& path, std::uint64_t offset,
                                                std::uint64_t count) {
  const auto total = size(path);
  if (!total) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::uint64_t available = offset >= *total ? 0 : std::min(count, *total - offset);
  std::vector<std::uint8_t> bytes(available);
  if (available > 0) {
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(available));
    if (!in) return std::nullopt;
  }
  return bytes;
}

bool writeAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const fs::path target(path);
  std::error_code error;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  const std::string temporary = path + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() &&
                       std::fflush(out) == 0 && fsync(fileno(out)) == 0;
  const bool closed = std::fclose(out) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool remove(const std::string& path) {
  std::error_code error;
  return fs::remove(path, error);
}

bool rename(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

}  // namespace files
