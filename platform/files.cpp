#include "platform/files.h"

#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

// The temporary files of a path share the prefix "NAME.tmp" in its folder, so those a killed
// program left can be found again.
std::string temporaryPrefix(const fs::path& target) {
  return target.filename().string() + ".tmp";
}

// Whether the game that names itself in a temporary's tail ("-PID-N") still runs: another copy
// of the game may be saving this very moment. The bare name of earlier builds has no writer.
bool writerRuns(const std::string& tail) {
  if (!tail.starts_with("-")) return false;
  char* end = nullptr;
  const long pid = std::strtol(tail.c_str() + 1, &end, 10);
  if (pid <= 0 || *end != '-') return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A new file beside the target under a name no other write uses, even one running at the same
// time in another instance of the game. Its descriptor, or -1 with errno set.
int createTemporary(const fs::path& target, std::string& name) {
  static std::atomic<unsigned> serial{0};
  const std::string stem =
      (target.parent_path() / temporaryPrefix(target)).string() + "-" + std::to_string(getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = stem + "-" + std::to_string(serial++);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// All of the bytes, through short writes and interrupted calls.
bool writeWhole(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool syncFile(int fd) {
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// The rename lasts through a power cut only once the folder's entry is on disk too. This is
// done as well as the system allows: the file is already in place, so a folder that cannot be
// flushed is no failed write.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  syncFile(fd);
  ::close(fd);
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
  std::string temporary;
  const int fd = createTemporary(target, temporary);
  if (fd < 0) return false;
  const bool written = writeWhole(fd, bytes) && syncFile(fd);
  // Linux releases the descriptor even when close is interrupted.
  const bool closed = ::close(fd) == 0 || errno == EINTR;
  if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) {
    syncFolder(target.parent_path());
    return true;
  }
  const int reason = errno;
  ::unlink(temporary.c_str());
  errno = reason;
  return false;
}

void removeLeftTemporaries(const std::string& path) {
  const fs::path target(path);
  const std::string prefix = temporaryPrefix(target);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code error;
  std::vector<fs::path> left;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(prefix) && !writerRuns(name.substr(prefix.size())) &&
        it->is_regular_file(error)) {
      left.push_back(it->path());
    }
  }
  for (const fs::path& file : left) fs::remove(file, error);
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
