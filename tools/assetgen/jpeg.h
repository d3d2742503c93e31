// JPEG encoding and decoding of cairo surfaces (through the stb single-file libraries).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

// The JPEG file of the surface, composited over black (JPEG has no transparency).
std::vector<uint8_t> encodeJpeg(cairo_surface_t* surface, int quality);

// A new ARGB32 surface (caller destroys it), or nullptr when the bytes are not a readable JPEG.
cairo_surface_t* decodeJpeg(const std::vector<uint8_t>& jpeg);

}  // namespace assetgen
