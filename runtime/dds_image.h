// Our DDS pictures: the "DDS " magic, the 124-byte header and uncompressed 32-bit pixels with
// byte-aligned channel masks (BGRA or RGBA), top row first. Nothing compressed is read.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/backend.h"

namespace rt {

constexpr std::size_t kDdsHeaderBytes = 128;  // magic and header; pixels follow

bool isDds(std::span<const std::uint8_t> bytes);
// Checks the header and reads the size; false (with the reason) for anything we cannot decode.
bool ddsSize(std::span<const std::uint8_t> bytes, int& width, int& height, std::string& error);
// Decodes into straight RGBA.
bool decodeDds(std::span<const std::uint8_t> bytes, Image& image, std::string& error);

}  // namespace rt
