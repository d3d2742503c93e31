// PNG encoding and decoding of cairo ARGB32 surfaces, as whole files in memory.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

// The PNG file of the surface (flushed first). Throws std::runtime_error when cairo fails.
std::vector<uint8_t> encodePng(cairo_surface_t* surface);

// A 1x1 fully transparent PNG, the filler of unused archive indices.
std::vector<uint8_t> transparentPixelPng();

// The decoded PNG as a new ARGB32 surface (caller destroys it), or nullptr when the bytes are not
// a PNG cairo can read.
cairo_surface_t* decodePng(const std::vector<uint8_t>& png);

}  // namespace assetgen
