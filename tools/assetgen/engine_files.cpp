#include "tools/assetgen/engine_files.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

std::string squareModel() {
  return "xof 0303txt 0032\n"
         "\n"
         "Mesh Square {\n"
         "  4;\n"
         "  -0.800000;0.800000;0.000000;,\n"
         "  0.800000;0.800000;0.000000;,\n"
         "  0.800000;-0.800000;0.000000;,\n"
         "  -0.800000;-0.800000;0.000000;;\n"
         "  2;\n"
         "  3;0,1,2;,\n"
         "  3;0,2,3;;\n"
         "\n"
         "  MeshTextureCoords {\n"
         "    4;\n"
         "    0.000000;0.000000;,\n"
         "    1.000000;0.000000;,\n"
         "    1.000000;1.000000;,\n"
         "    0.000000;1.000000;;\n"
         "  }\n"
         "}\n";
}

std::string ballBody() {
  return "SPG1 sphere radius 0.5 mass 1\n";
}

namespace {

void putU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

std::vector<uint8_t> particleDds(int size) {
  constexpr uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPitch = 0x8, kPixelFormat = 0x1000;
  constexpr uint32_t kAlphaPixels = 0x1, kRgb = 0x40, kTexture = 0x1000;
  const auto side = static_cast<uint32_t>(size);
  std::vector<uint8_t> dds = {'D', 'D', 'S', ' '};
  putU32(dds, 124);
  putU32(dds, kCaps | kHeight | kWidth | kPitch | kPixelFormat);
  putU32(dds, side);      // height
  putU32(dds, side);      // width
  putU32(dds, side * 4);  // pitch
  putU32(dds, 0);         // depth
  putU32(dds, 0);         // mipmaps
  for (int i = 0; i < 11; ++i) putU32(dds, 0);
  putU32(dds, 32);  // pixel format size
  putU32(dds, kRgb | kAlphaPixels);
  putU32(dds, 0);  // no FourCC
  putU32(dds, 32);
  putU32(dds, 0x00FF0000);
  putU32(dds, 0x0000FF00);
  putU32(dds, 0x000000FF);
  putU32(dds, 0xFF000000);
  putU32(dds, kTexture);
  for (int i = 0; i < 4; ++i) putU32(dds, 0);  // caps2..4, reserved
  const double centre = (size - 1) / 2.0, radius = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x - centre, y - centre) / radius;
      const double falloff = std::clamp(1.0 - d * d, 0.0, 1.0);
      const auto alpha = static_cast<uint8_t>(std::lround(255 * falloff * falloff));
      dds.insert(dds.end(), {0xFF, 0xFF, 0xFF, alpha});
    }
  }
  return dds;
}

}  // namespace assetgen
