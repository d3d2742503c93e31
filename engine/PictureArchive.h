// The picture archives (data\*.dat): a table of (offset, length) pairs of 32-bit little-endian
// values from the start of the file, picture i described at byte 8 * i, each picture a whole
// image file. The table ends where the first picture begins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of picture `index` of an archive (a game file name). Nothing, with a line on stderr,
// when the archive cannot be read, the index lies beyond its table or the entry points outside
// the file.
std::optional<std::vector<std::uint8_t>> ReadArchivePicture(const std::string& archive,
                                                            std::uint16_t index);
