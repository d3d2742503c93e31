// The readers of outside bytes: DDS, PNG/JPEG headers, the .x model and the .wid font, on good
// files and on a table of truncated and corrupt ones.
#include <gtest/gtest.h>

#include <string>

#include "runtime/dds_image.h"
#include "runtime/image_loader.h"
#include "runtime/sdl/picture_decoder.h"
#include "runtime/wid_font.h"
#include "runtime/xmodel.h"
#include "tests/unit/engine_fixtures.h"

namespace {

using enginetest::Bytes;
using enginetest::dds;

TEST(EngineDds, DecodesBgraAndRgbaAlike) {
  for (const Bytes& file :
       {dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u), dds(0xFF, 0xFF00, 0xFF0000, 0xFF000000u)}) {
    EXPECT_EQ(file.size(), rt::kDdsHeaderBytes + 8);
    rt::Image image;
    std::string error;
    ASSERT_TRUE(rt::loadImage(file, &rt::sdl::decodeCompressedPicture, image, error)) << error;
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(image.rgba, (std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 255, 128}));
  }
}

TEST(EngineDds, RefusesBrokenFiles) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  Bytes truncated = dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u);
  truncated.resize(truncated.size() - 1);
  Bytes compressed = dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u);
  compressed[80] = 0x04;  // FourCC flag: compressed
  Bytes huge = dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u, 9000, 1);
  Bytes giantHeight = dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u, 1, 0x7FFFFFFF);
  Bytes zero = dds(0xFF0000, 0xFF00, 0xFF, 0xFF000000u, 0, 1);
  const Case cases[] = {
      {"header cut short", Bytes(truncated.begin(), truncated.begin() + 100)},
      {"pixels cut short", truncated},
      {"compressed", compressed},
      {"overlapping masks", dds(0xFF, 0xFF, 0xFF0000, 0xFF000000u)},
      {"mask not a byte", dds(0xF0F0, 0xFF00, 0xFF, 0xFF000000u)},
      {"wider than allowed", huge},
      {"absurd height", giantHeight},
      {"zero width", zero},
  };
  for (const Case& c : cases) {
    rt::Image image;
    std::string error;
    EXPECT_FALSE(rt::loadImage(c.bytes, &rt::sdl::decodeCompressedPicture, image, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_TRUE(image.rgba.empty()) << c.what;
  }
}

TEST(EnginePictures, PngDecodesWithPixelsAndChecksOnlyTheHeaderWithout) {
  const Bytes file = enginetest::png(3, 2, {10, 20, 30, 40});
  rt::Image image;
  std::string error;
  ASSERT_TRUE(rt::loadImage(file, &rt::sdl::decodeCompressedPicture, image, error)) << error;
  ASSERT_EQ(image.rgba.size(), 3u * 2u * 4u);
  EXPECT_EQ(image.rgba[4], 10);
  EXPECT_EQ(image.rgba[7], 40);

  ASSERT_TRUE(rt::loadImage(file, nullptr, image, error));
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_TRUE(image.rgba.empty());
}

TEST(EnginePictures, RefusesUnknownTruncatedAndOversizedPictures) {
  Bytes hugePng = enginetest::png(1, 1);
  hugePng[16] = 0x7F;  // width 0x7F000001: refused from the header, before any decoding
  Bytes brokenPng = enginetest::png(8, 8);
  brokenPng.resize(brokenPng.size() - 30);
  const Bytes jpegWithoutFrame = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00};
  const Bytes jpegBadLength = {0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF};
  const Bytes cases[] = {{},
                         enginetest::text("GIF89a......"),
                         hugePng,
                         jpegWithoutFrame,
                         jpegBadLength,
                         Bytes(hugePng.begin(), hugePng.begin() + 20)};
  for (const Bytes& bytes : cases) {
    for (bool pixels : {false, true}) {
      rt::Image image;
      std::string error;
      EXPECT_FALSE(
          rt::loadImage(bytes, pixels ? &rt::sdl::decodeCompressedPicture : nullptr, image, error))
          << bytes.size();
      EXPECT_FALSE(error.empty());
    }
  }
  rt::Image image;
  std::string error;
  EXPECT_FALSE(rt::loadImage(brokenPng, &rt::sdl::decodeCompressedPicture, image, error))
      << "damaged pixel data";
}

TEST(EngineXModel, ReadsTheSquareAndSkipsWhatItDoesNotNeed) {
  const std::string withExtras =
      "xof 0303txt 0032\n"
      "// a comment { with a brace\n"
      "template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD nVertices; }\n"
      "Frame Root { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }\n"
      "Mesh {\n 4; -1;1;0;, 1;1;0;, 1;-1;0;, -1;-1;0;;\n 1; 4;0,1,2,3;;\n"
      " MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } }\n"
      " MeshNormals { 1; 0;0;-1;; 1; 4;0,0,0,0;; }\n"
      "}\n}\n"
      "Mesh Second { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }\n";
  rt::XModel model;
  std::string error;
  ASSERT_TRUE(rt::parseXModel(enginetest::text(withExtras), model, error)) << error;
  ASSERT_EQ(model.vertices.size(), 4u);  // the first Mesh only
  EXPECT_EQ(model.triangles, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));
  // Without texture coordinates the picture spans the model: top-left (0, 0).
  EXPECT_FLOAT_EQ(model.vertices[0].u, 0);
  EXPECT_FLOAT_EQ(model.vertices[0].v, 0);
  EXPECT_FLOAT_EQ(model.vertices[2].u, 1);
  EXPECT_FLOAT_EQ(model.vertices[2].v, 1);

  ASSERT_TRUE(rt::parseXModel(enginetest::text(enginetest::kSquareModel), model, error));
  EXPECT_FLOAT_EQ(model.vertices[1].x, 0.8f);
  EXPECT_FLOAT_EQ(model.vertices[1].u, 1);
  EXPECT_FLOAT_EQ(model.vertices[3].v, 1);
}

TEST(EngineXModel, RefusesBrokenModels) {
  const std::string good = enginetest::kSquareModel;
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  const std::pair<const char*, std::string> cases[] = {
      {"no header", good.substr(17)},
      {"binary format", replaced("txt", "bin")},
      {"cut in the vertices", good.substr(0, 60)},
      {"cut before the end", good.substr(0, good.size() - 3)},
      {"absurd vertex count", replaced(" 4;\n -0.8", " 999999999;\n -0.8")},
      {"negative vertex count", replaced(" 4;\n -0.8", " -4;\n -0.8")},
      {"index out of range", replaced("3;0,2,3", "3;0,2,4")},
      {"pentagon face", replaced("3;0,2,3", "5;0,1,2,3,0")},
      {"bad number", replaced("0.8;0.8", "0.8;zz")},
      {"coordinates do not match", replaced("  4;\n  0.0", "  3;\n  0.0")},
      {"no mesh", "xof 0303txt 0032\nFrame Root { }\n"},
      {"no faces", "xof 0303txt 0032\nMesh { 1; 0;0;0;; 0; }\n"},
  };
  for (const auto& [what, text] : cases) {
    rt::XModel model;
    std::string error;
    EXPECT_FALSE(rt::parseXModel(enginetest::text(text), model, error)) << what;
    EXPECT_FALSE(error.empty()) << what;
    EXPECT_TRUE(model.vertices.empty()) << what;
  }
}

TEST(EngineWidFont, ReadsGlyphsAndLaysOutALine) {
  rt::WidFont font;
  std::string error;
  ASSERT_TRUE(rt::parseWidFont(enginetest::tinyFont(), font, error)) << error;
  EXPECT_EQ(font.lineHeight, 64);
  EXPECT_EQ(font.atlasWidth, 32);
  EXPECT_EQ(font.glyphs['B'].x, 10);
  EXPECT_EQ(font.glyphs['B'].advance, 9);

  // At print place (-4, 2) with scale (0.5, 2): left end 300 px, centre 250 px, top 186 px.
  std::vector<rt::PlacedGlyph> glyphs;
  rt::layoutLine(font, "AzB", {-4, 2}, {0.5f, 2}, glyphs);
  ASSERT_EQ(glyphs.size(), 2u);  // 'z' has no glyph and no advance
  EXPECT_FLOAT_EQ(glyphs[0].x, 300.5f);
  EXPECT_FLOAT_EQ(glyphs[0].y, 194);
  EXPECT_FLOAT_EQ(glyphs[0].width, 5);
  EXPECT_FLOAT_EQ(glyphs[0].height, 40);
  EXPECT_FLOAT_EQ(glyphs[1].x, 306);
  EXPECT_FLOAT_EQ(glyphs[1].y, 202);
  EXPECT_EQ(glyphs[1].glyph, &font.glyphs['B']);
}

TEST(EngineWidFont, RefusesBrokenFonts) {
  const Bytes good = enginetest::tinyFont();
  auto patched = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  const std::size_t glyphA = 8 + 'A' * 14;
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"wrong magic", patched(3, '2')},
      {"cut in the glyph table", Bytes(good.begin(), good.begin() + 1000)},
      {"no atlas", Bytes(good.begin(), good.begin() + rt::kWidHeaderBytes)},
      {"atlas not a PNG", patched(rt::kWidHeaderBytes + 1, 'X')},
      {"zero line height", patched(4, 0)},
      {"glyph beyond the atlas", patched(glyphA + 4, 40)},
      {"negative glyph position", patched(glyphA + 1, 0xFF)},
  };
  for (const auto& [what, bytes] : cases) {
    rt::WidFont font;
    std::string error;
    EXPECT_FALSE(rt::parseWidFont(bytes, font, error)) << what;
    EXPECT_FALSE(error.empty()) << what;
  }
}

}  // namespace
