// The size of an encoded picture, read the way the engine tells the formats apart: by the first
// bytes. PNGs are decoded completely with cairo; JPEG and DDS sizes come from their headers.
#pragma once

#include <optional>
#include <utility>

#include "tests/assets/asset_bytes.h"

namespace asset_checks {

// (width, height), or nothing when the bytes are not a readable picture.
std::optional<std::pair<int, int>> pictureSize(const Bytes& bytes);

}  // namespace asset_checks
