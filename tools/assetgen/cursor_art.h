// The mouse pointer: a glass arrow with a glint that runs over it in ten frames.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

// Frame 0..9 of the pointer, 64 x 64.
Bytes cursorFrame(int frame);
std::vector<Bytes> cursorArchive();

}  // namespace assetgen
