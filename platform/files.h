// Where the game's files are and how they are read and written. Names are written in the game as
// stored ("data\_fontw\a_RubricaCn.wid", "sound/btn_clk.wav"): backslashes become slashes and,
// when the exact name is missing, each path component is matched without regard to case.
// Read-only game files live under the game folder; the files the game writes
// ("data\settings.dat", ...) under the per-user folder.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace files {

void setGameDir(const std::string& dir);
void setUserDir(const std::string& dir);
const std::string& gameDir();
const std::string& userDir();

// The pictures of another language: a file under data/FOLDER/ of the game folder stands in for
// the one of the same name under data/ ("data/en/Forms.dat" for "data\Forms.dat"); files it
// lacks are the usual ones. Empty (the default): none.
void setLanguageFolder(const std::string& folder);
// The path of a game file (read-only assets); the normalised path when nothing matches.
std::string gamePath(const std::string& name);
// The path of a file the game writes, in the per-user folder.
std::string userPath(const std::string& name);

// Resolves a name under a folder: slashes, then case-insensitive components.
std::string resolve(const std::string& dir, const std::string& name);

bool exists(const std::string& path);
std::optional<std::uint64_t> size(const std::string& path);
// The whole file, or nothing when it cannot be read or is larger than maxBytes.
std::optional<std::vector<std::uint8_t>> readAll(const std::string& path,
                                                 std::uint64_t maxBytes = 64u << 20);
// Up to count bytes from offset; fewer when the file is shorter; nothing when unreadable.
std::optional<std::vector<std::uint8_t>> readAt(const std::string& path, std::uint64_t offset,
                                                std::uint64_t count);

// A file opened once for several reads (an archive's table, then one of its pictures): one
// open and one size for all of them.
class OpenedFile {
 public:
  explicit OpenedFile(const std::string& path);
  // False when the file could not be opened; every read then gives nothing.
  bool ok() const { return size_.has_value(); }
  std::optional<std::uint64_t> size() const { return size_; }
  // Up to count bytes from offset, as readAt.
  std::optional<std::vector<std::uint8_t>> readAt(std::uint64_t offset, std::uint64_t count);

 private:
  std::ifstream in_;
  std::optional<std::uint64_t> size_;
};
// Replaces the file atomically: a temporary file of its own in the same folder ("NAME.tmp-..."),
// written whole and flushed to disk, renamed over the old one, then the folder flushed. Creates
// missing folders. On failure returns false with errno telling why; the old file is untouched
// and the temporary file removed. A program killed mid-write leaves the old file or the new one,
// and perhaps a temporary file.
bool writeAtomic(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Removes the temporary files that writes of this path cut short (the program killed) left behind.
void removeLeftTemporaries(const std::string& path);
bool remove(const std::string& path);
// The names of the files in a folder, in no order; none when it cannot be read.
std::vector<std::string> listFolder(const std::string& folder);
// Renames a file, replacing the target.
bool rename(const std::string& from, const std::string& to);

}  // namespace files
