// Full-screen overlays over a game (game over, pause) and the six help pages.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

Bytes gameOverPicture();
Bytes pausePicture();
// Help page 1..6, 323 x 241.
Bytes helpPage(int page);

}  // namespace assetgen
