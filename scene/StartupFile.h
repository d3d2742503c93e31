// Reading and writing the small fixed-size files the game keeps in the per-user folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of a per-user file of at least minSize bytes. When the file is missing: nothing.
// When it exists but is shorter or unreadable: it is kept beside as NAME.bad, a line on stderr
// says so, and nothing is returned, so the caller falls back to its defaults.
std::optional<std::vector<std::uint8_t>> ReadStartupFile(const std::string& name,
                                                         std::size_t minSize);
// Replaces a per-user file atomically; a line on stderr when it cannot be written.
bool SaveStartupRecord(const std::string& name, const std::vector<std::uint8_t>& bytes);

// A record read from its file, or the defaults written to a new file.
template <typename Record>
Record LoadStartupRecord(const std::string& name, std::size_t size, const Record& defaults) {
  if (const auto bytes = ReadStartupFile(name, size)) {
    if (const auto record = Record::Decode(*bytes)) return *record;
  }
  SaveStartupRecord(name, defaults.Encode());
  return defaults;
}
