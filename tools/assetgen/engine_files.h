// The engine's own files: the flat square model, the placeholder body and the particle texture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// The DirectX text model of a square 1.6 units on a side, centred, texture (0,0) at top-left.
std::string squareModel();

// The body file the game hands to the engine and never uses further.
std::string ballBody();

// An uncompressed 32-bit DDS of a soft white round blob, `size` pixels square (BGRA in memory).
std::vector<uint8_t> particleDds(int size);

}  // namespace assetgen
