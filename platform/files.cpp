#include "platform/files.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/os.h"

namespace files {
namespace fs = std::filesystem;
namespace {

std::string theGameDir = ".";
std::string theLanguageFolder;  // under the game's data/, empty for none
std::string theUserDir = ".";

std::string withSlashes(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

bool equalWithoutCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

// The entry of a folder whose name equals part regardless of case, or "" when none.
std::string matchWithoutCase(const fs::path& dir, const std::string& part) {
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = os::textOf(it->path().filename());
    if (equalWithoutCase(name, part)) return name;
  }
  return "";
}

// The temporary files of a path share the prefix "NAME.tmp" in its folder, so those a killed
// program left can be found again.
std::string temporaryPrefix(const fs::path& target) {
  return os::textOf(target.filename()) + ".tmp";
}

// Whether the game that names itself in a temporary's tail ("-PID-N") still runs: another copy
// of the game may be saving this very moment. The bare name of earlier builds has no writer.
bool writerRuns(const std::string& tail) {
  if (!tail.starts_with("-")) return false;
  char* end = nullptr;
  const long pid = std::strtol(tail.c_str() + 1, &end, 10);
  return *end == '-' && os::processRuns(pid);
}

// The bytes in a new file beside the target, under a name no other write uses, even one running
// at the same time in another instance of the game. Its path, or none with errno set.
std::optional<fs::path> writeTemporary(const fs::path& target,
                                       const std::vector<std::uint8_t>& bytes) {
  static std::atomic<unsigned> serial{0};
  const std::string stem = temporaryPrefix(target) + "-" + std::to_string(os::processId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path name = target.parent_path() / os::pathOf(stem + "-" + std::to_string(serial++));
    if (os::createWrittenFile(name, bytes)) return name;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
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
  const fs::path relative = os::pathOf(withSlashes(name));
  const fs::path exact = (os::pathOf(dir) / relative).make_preferred();
  std::error_code error;
  if (fs::exists(exact, error)) return os::textOf(exact);

  fs::path found = os::pathOf(dir);
  for (const fs::path& part : relative) {
    if (part.empty() || part == ".") continue;
    if (fs::exists(found / part, error)) {
      found /= part;
      continue;
    }
    const std::string match = matchWithoutCase(found, os::textOf(part));
    if (match.empty()) return os::textOf(exact);
    found /= os::pathOf(match);
  }
  return os::textOf(found);
}

void setLanguageFolder(const std::string& folder) {
  theLanguageFolder = folder;
}

std::string gamePath(const std::string& name) {
  const std::string path = withSlashes(name);
  constexpr std::string_view kData = "data/";
  if (!theLanguageFolder.empty() && path.size() > kData.size() &&
      std::equal(kData.begin(), kData.end(), path.begin(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
    const std::string translated =
        resolve(theGameDir, "data/" + theLanguageFolder + "/" + path.substr(kData.size()));
    if (exists(translated)) return translated;
  }
  return resolve(theGameDir, name);
}
std::string userPath(const std::string& name) {
  return resolve(theUserDir, name);
}

bool exists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(os::pathOf(path), error);
}

std::optional<std::uint64_t> size(const std::string& path) {
  std::error_code error;
  const auto bytes = fs::file_size(os::pathOf(path), error);
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
  return OpenedFile(path).readAt(offset, count);
}

OpenedFile::OpenedFile(const std::string& path) {
  // The size first: it also refuses what is not a file (a folder opens as a stream on Linux).
  const auto bytes = files::size(path);
  if (!bytes) return;
  in_.open(os::pathOf(path), std::ios::binary);
  if (in_) size_ = bytes;
}

std::optional<std::vector<std::uint8_t>> OpenedFile::readAt(std::uint64_t offset,
                                                            std::uint64_t count) {
  if (!size_) return std::nullopt;
  const std::uint64_t available = offset >= *size_ ? 0 : std::min(count, *size_ - offset);
  std::vector<std::uint8_t> bytes(available);
  if (available > 0) {
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(available));
    if (!in_) return std::nullopt;
  }
  return bytes;
}

bool writeAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const fs::path target = os::pathOf(path);
  std::error_code error;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  const auto temporary = writeTemporary(target, bytes);
  if (!temporary) return false;
  if (os::replaceFile(*temporary, target)) return true;
  const int reason = errno;
  fs::remove(*temporary, error);
  errno = reason;
  return false;
}

void removeLeftTemporaries(const std::string& path) {
  const fs::path target = os::pathOf(path);
  const std::string prefix = temporaryPrefix(target);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code error;
  std::vector<fs::path> left;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = os::textOf(it->path().filename());
    if (name.starts_with(prefix) && !writerRuns(name.substr(prefix.size())) &&
        it->is_regular_file(error)) {
      left.push_back(it->path());
    }
  }
  for (const fs::path& file : left) fs::remove(file, error);
}

bool remove(const std::string& path) {
  std::error_code error;
  return fs::remove(os::pathOf(path), error);
}

std::vector<std::string> listFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(os::pathOf(folder), error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error)) names.push_back(os::textOf(it->path().filename()));
  }
  return names;
}

bool rename(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(os::pathOf(from), os::pathOf(to), error);
  return !error;
}

}  // namespace files
