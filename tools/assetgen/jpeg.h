// JPEG encoding and decoding of cairo surfaces (through the stb single-file libraries).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

// The JPEG file of the surface, composited over black (JPEG has no transparency).
std::vector<uint8_t> encodeJpeg(cairo_surface_t* surface, int quality);

// An opaque full-screen backdrop (stars, nebulae, a planet): a JPEG at full colour resolution
// (quality 92, no chroma subsampling) looks the same as a PNG and decodes in a fraction of its
// time, which the first frame of the menu and of each level waits for.
std::vector<uint8_t> encodeBackdrop(cairo_surface_t* surface);

// A new ARGB32 surface (caller destroys it), or nullptr when the bytes are not a readable JPEG.
cairo_surface_t* decodeJpeg(const std::vector<uint8_t>& jpeg);

}  // namespace assetgen
