// The main menu buttons and the pictures of the panels and dialogs.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/words.h"

namespace assetgen {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> mainMenuArchive(Lang lang);
std::vector<Bytes> formsArchive(Lang lang);

}  // namespace assetgen
