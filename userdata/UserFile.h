// Reading and writing the small fixed-size records the game keeps in the per-user folder
// ("data\settings.dat", "data\records.dat", "data\preferences.dat").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The first `size` bytes of a per-user file; bytes past the record are left unread. When the file
// is missing: nothing. When it is shorter than the record or unreadable: it is kept beside as
// NAME.bad, a line on stderr says so, and nothing is returned, so the caller falls back to its
// defaults. Temporary files that a save cut short left beside the file are removed first.
std::optional<std::vector<std::uint8_t>> ReadUserRecord(const std::string& name, std::size_t size);
// A per-user file that holds no record: it is kept beside as NAME.bad and a line on stderr says
// why, so the caller can fall back to its defaults.
void SetAsideUserFile(const std::string& path, const std::string& why);
// Replaces a per-user file atomically; when it cannot be written, the old file stays as it was
// and one line on stderr says why.
bool SaveUserRecord(const std::string& name, const std::vector<std::uint8_t>& bytes);

// A record read from its file, or the defaults written to a new file.
template <typename Record>
Record LoadUserRecord(const std::string& name, std::size_t size, const Record& defaults) {
  if (const auto bytes = ReadUserRecord(name, size)) {
    if (const auto record = Record::Decode(*bytes)) return *record;
  }
  SaveUserRecord(name, defaults.Encode());
  return defaults;
}
