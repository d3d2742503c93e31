#include "runtime/raster/spans.h"

#include <cstring>
#include <type_traits>

namespace rt::raster {
namespace {

// Four pixels as bytes in memory order (blue, green, red, alpha, four times), and two pixels'
// channels widened to 16 bits.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
using Words8 = std::uint16_t __attribute__((vector_size(16)));

constexpr Bytes16 kRgb = {0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0,
                          0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0};
constexpr Words8 kRgbWords = {0xFFFF, 0xFFFF, 0xFFFF, 0, 0xFFFF, 0xFFFF, 0xFFFF, 0};
constexpr Words8 kHalf = {128, 128, 128, 128, 128, 128, 128, 128};
constexpr Words8 kFull = {255, 255, 255, 255, 255, 255, 255, 255};

Words8 lowPair(Bytes16 b) {
  return reinterpret_cast<Words8>(__builtin_shufflevector(b, Bytes16{}, 0, 16, 1, 17, 2, 18, 3, 19,
                                                          4, 20, 5, 21, 6, 22, 7, 23));
}
Words8 highPair(Bytes16 b) {
  return reinterpret_cast<Words8>(__builtin_shufflevector(b, Bytes16{}, 8, 24, 9, 25, 10, 26, 11,
                                                          27, 12, 28, 13, 29, 14, 30, 15, 31));
}
// The high byte of every channel, back in memory order.
Bytes16 highBytes(Words8 low, Words8 high) {
  return __builtin_shufflevector(reinterpret_cast<Bytes16>(low), reinterpret_cast<Bytes16>(high), 1,
                                 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31);
}

// a + b, each byte held at 255.
Bytes16 addSaturated(Bytes16 a, Bytes16 b) {
  const Bytes16 room = ~b;
  return (a < room ? a : room) + b;
}

Words8 factors(const Modulation& m) {
  Words8 lanes;
  std::memcpy(&lanes, m.lanes, sizeof lanes);
  return lanes;
}

// c * f + 128 for every channel c of two pixels: the high byte is c * f / 256, rounded (at most
// 255 * 256 + 128, which 16 bits hold).
Words8 products(Words8 texels, Words8 f) {
  return texels * f + kHalf;
}

Bytes16 modulated(Bytes16 texels, Words8 f) {
  return highBytes(products(lowPair(texels), f), products(highPair(texels), f));
}

// under * (255 - alpha) / 255, rounded, each channel, for two pixels whose products with their
// factors are given: the high byte of x + x / 256, x = under * (255 - alpha) + 128.
Words8 behind(Words8 under, Words8 overProducts) {
  const Words8 alpha = overProducts >> 8;
  const Words8 keep = kFull - __builtin_shufflevector(alpha, alpha, 3, 3, 3, 3, 7, 7, 7, 7);
  const Words8 x = under * keep + kHalf;
  return x + (x >> 8);
}

// Applies `block` (four texels and the four pixels under them to four new pixels) along the
// row: four pixels at a time, then two, then one.
template <typename Block>
void eachBlock(std::uint32_t* out, const std::uint32_t* texels, std::size_t count, Block block) {
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    Bytes16 t, d;
    std::memcpy(&t, texels + i, sizeof t);
    std::memcpy(&d, out + i, sizeof d);
    const Bytes16 result = block(t, d);
    std::memcpy(out + i, &result, sizeof result);
  }
  const auto few = [&](auto pixels) {
    constexpr std::size_t kBytes = decltype(pixels)::value * 4;
    Bytes16 t{}, d{};
    std::memcpy(&t, texels + i, kBytes);
    std::memcpy(&d, out + i, kBytes);
    const Bytes16 result = block(t, d);
    std::memcpy(out + i, &result, kBytes);
    i += decltype(pixels)::value;
  };
  if (count - i >= 2) few(std::integral_constant<std::size_t, 2>{});
  if (count - i == 1) few(std::integral_constant<std::size_t, 1>{});
}

// c·a/255 rounded for every channel of two pixels, given t = c·a + 127 (at most 65152): the
// low byte of (t + 1 + t/256)/256, exact for every t up to 65535.
Words8 dividedBy255(Words8 t) {
  return (t + 1 + (t >> 8)) >> 8;
}

// The low byte of every channel, back in memory order.
Bytes16 lowBytes(Words8 low, Words8 high) {
  return __builtin_shufflevector(reinterpret_cast<Bytes16>(low), reinterpret_cast<Bytes16>(high), 0,
                                 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
}

std::uint32_t premultiplied(const std::uint8_t* rgba) {
  const std::uint32_t a = rgba[3];
  const auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | channel(rgba[0]) << 16 | channel(rgba[1]) << 8 | channel(rgba[2]);
}

}  // namespace

std::uint8_t premultiplyRow(std::uint32_t* out, const std::uint8_t* rgba, std::size_t count) {
  constexpr Words8 kRounding = {127, 127, 127, 127, 127, 127, 127, 127};
  constexpr Words8 kAlphaWords = {0, 0, 0, 255, 0, 0, 0, 255};
  Bytes16 alphas = ~Bytes16{};
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    Bytes16 t;
    std::memcpy(&t, rgba + 4 * i, sizeof t);
    alphas &= t;
    // In 16-bit lanes, where SSE2 shuffles cheaply: red, green, blue, alpha to blue, green,
    // red, alpha, each channel multiplied by its pixel's alpha and alpha by 255.
    const auto premultiplyPair = [](Words8 w) {
      const Words8 texels = __builtin_shufflevector(w, w, 2, 1, 0, 3, 6, 5, 4, 7);
      const Words8 f =
          (__builtin_shufflevector(w, w, 3, 3, 3, 3, 7, 7, 7, 7) & kRgbWords) | kAlphaWords;
      return dividedBy255(texels * f + kRounding);
    };
    const Bytes16 result = lowBytes(premultiplyPair(lowPair(t)), premultiplyPair(highPair(t)));
    std::memcpy(out + i, &result, sizeof result);
  }
  std::uint8_t all = alphas[3] & alphas[7] & alphas[11] & alphas[15];
  for (; i < count; ++i) {
    out[i] = premultiplied(rgba + 4 * i);
    all &= rgba[4 * i + 3];
  }
  return all;
}

Modulation::Modulation(int red, int green, int blue, int alpha)
    : r(red), g(green), b(blue), a(alpha), lanes{static_cast<std::uint16_t>(blue),
                                                 static_cast<std::uint16_t>(green),
                                                 static_cast<std::uint16_t>(red),
                                                 static_cast<std::uint16_t>(alpha),
                                                 static_cast<std::uint16_t>(blue),
                                                 static_cast<std::uint16_t>(green),
                                                 static_cast<std::uint16_t>(red),
                                                 static_cast<std::uint16_t>(alpha)} {}

void copyRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count) {
  eachBlock(out, texels, count, [](Bytes16 t, Bytes16) { return t & kRgb; });
}

void coverRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
              const Modulation& m) {
  const Words8 f = factors(m);
  eachBlock(out, texels, count, [f](Bytes16 t, Bytes16) { return modulated(t, f) & kRgb; });
}

void blendRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
              const Modulation& m) {
  const Words8 f = factors(m);
  eachBlock(out, texels, count, [f](Bytes16 t, Bytes16 under) {
    const Words8 low = products(lowPair(t), f), high = products(highPair(t), f);
    const Bytes16 shown =
        highBytes(behind(lowPair(under), low), behind(highPair(under), high)) & kRgb;
    return addSaturated(highBytes(low, high) & kRgb, shown);
  });
}

void addRow(std::uint32_t* out, const std::uint32_t* texels, std::size_t count,
            const Modulation& m) {
  // Alpha is not added: its factor is 0, so it stays 0.
  const Words8 f = factors(m) & kRgbWords;
  eachBlock(out, texels, count,
            [f](Bytes16 t, Bytes16 under) { return addSaturated(under, modulated(t, f)); });
}

}  // namespace rt::raster
