// The main menu buttons and the pictures of the panels and dialogs.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> mainMenuArchive();
std::vector<Bytes> formsArchive();

}  // namespace assetgen
