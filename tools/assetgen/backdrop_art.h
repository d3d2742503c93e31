// The main-menu backdrop with the game's logo, the logo's three glowing layers, the loading
// screen and the light-burst overlay of the field.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> backgroundArchive();
Bytes loadingPicture();  // JPEG
Bytes splashPicture();

}  // namespace assetgen
