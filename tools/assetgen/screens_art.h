// Full-screen overlays over a game (game over, pause) and the six help pages.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/words.h"

namespace assetgen {

using Bytes = std::vector<uint8_t>;

Bytes gameOverPicture(Lang lang);
Bytes pausePicture(Lang lang);
// Help page 1..6, 323 x 241.
Bytes helpPage(int page, Lang lang);

}  // namespace assetgen
