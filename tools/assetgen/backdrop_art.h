// The main-menu backdrop with the game's logo, the logo's three glowing layers, the loading
// screen and the light-burst overlay of the field.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/words.h"

namespace assetgen {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> backgroundArchive();
Bytes loadingPicture(Lang lang);  // JPEG
Bytes splashPicture();

}  // namespace assetgen
