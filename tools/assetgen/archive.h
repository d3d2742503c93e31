// Picture archives: a table of (offset, length) pairs, 8 little-endian bytes per picture, followed
// by the whole encoded pictures (PNG or JPEG files). Picture i is described at byte 8 * i.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// Writes the archive; an empty entry becomes a 1x1 transparent PNG so every index decodes.
// Throws std::runtime_error when the file cannot be written.
void writeArchive(const std::string& path, const std::vector<Bytes>& pictures);

// The encoded picture at `index`, or nothing when the file is missing, too short for the table
// entry, or the entry points outside the file.
std::optional<Bytes> readArchiveEntry(const std::string& path, size_t index);

// How many table entries the archive has: the first picture starts right after the table.
std::optional<size_t> archiveEntryCount(const std::string& path);

}  // namespace assetgen
