// The inner loops of the software renderer: a row of canvas pixels drawn from a row of
// premultiplied texels (one texel a pixel, already sampled), four pixels at a time in the
// compiler's vector types (SSE2 on x86-64). Every colour channel is worked in 16 bits with the
// same integer rounding as one pixel at a time would use, so a pixel's value never depends on its
// neighbours or on where a span starts.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt::raster {

// A card's colour as factors 0..256 (256 leaves a channel as it is): the texel's colour channels
// are scaled by r, g, b and its alpha by a.
struct Modulation {
  Modulation() = default;
  Modulation(int red, int green, int blue, int alpha);
  bool none() const { return r == 256 && g == 256 && b == 256 && a == 256; }

  int r = 256, g = 256, b = 256, a = 256;
  // The factors in the order the rows use them: blue, green, red, alpha, twice.
  alignas(16) std::uint16_t lanes[8] = {256, 256, 256, 256, 256, 256, 256, 256};
};

// out = the texel, for pictures that hide what is under them.
void copyRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count);
// out = the modulated texel, for opaque pictures at full opacity.
void coverRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
              const Modulation& m);
// out = the modulated texel over out (premultiplied alpha).
void blendRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
              const Modulation& m);
// out = out + the modulated texel, each channel saturated at 255.
void addRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
            const Modulation& m);

// out = the texels of straight RGBA bytes premultiplied: each colour channel c·a/255 rounded
// (an opaque texel keeps its colour). Gives the AND of every texel's alpha (255: all opaque).
std::uint8_t premultiplyRow(std::uint32_t* out, const std::uint8_t* rgba, std::size_t count);

}  // namespace rt::raster
