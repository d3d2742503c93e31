// The software rasteriser: which pixels a card covers, how it samples, modulates and blends, and
// the damage tracker's rectangles.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/raster/damage.h"
#include "runtime/raster/rasteriser.h"

namespace {

using rt::Blend;
using rt::DrawList;
using rt::DrawQuad;
using rt::raster::Canvas;
using rt::raster::DamageTracker;
using rt::raster::Picture;
using rt::raster::Rect;

struct Pixels {
  Pixels(int w, int h, std::uint32_t colour = 0) : data(static_cast<std::size_t>(w) * h, colour) {
    canvas = {data.data(), w, h, w};
  }
  std::uint32_t at(int x, int y) const {
    return data[static_cast<std::size_t>(y * canvas.width + x)];
  }
  std::vector<std::uint32_t> data;
  Canvas canvas;
};

// A picture whose texel (x, y) is 0xFF0000xy: opaque, and its blue says where it came from.
Picture Numbered(int w, int h) {
  Picture p{w, h, {0, 0, w, h}, {}, true, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x << 4 | y));
  return p;
}

TEST(Raster, ACardCoversThePixelsWhoseCentresItHolds) {
  EXPECT_EQ(rt::raster::coverage({0.4f, 0.4f, 2.6f, 2.5f}), (Rect{0, 0, 3, 2}));
  EXPECT_EQ(rt::raster::coverage({0.6f, 1.5f, 1.4f, 1.5f}), (Rect{1, 1, 1, 1}));
  EXPECT_TRUE(rt::raster::coverage({0.6f, 1.5f, 1.4f, 1.5f}).empty());
}

TEST(Raster, NearestTexelsScaleAndMirror) {
  const Picture picture = Numbered(2, 2);
  Pixels upscaled(4, 4);
  rt::raster::drawCard(upscaled.canvas, {0, 0, 4, 4}, &picture, {0, 0, 4, 4}, Blend::Alpha);
  EXPECT_EQ(upscaled.at(1, 0), 0x00u) << "texel (0, 0)";
  EXPECT_EQ(upscaled.at(2, 3), 0x11u) << "texel (1, 1)";
  Pixels mirrored(2, 1);
  rt::raster::drawCard(mirrored.canvas, {0, 0, 2, 1}, &picture, {0, 0, 2, 1, 1, 0, 0, 1},
                       Blend::Alpha);
  EXPECT_EQ(mirrored.at(0, 0), 0x11u) << "texel (1, 1)";
  EXPECT_EQ(mirrored.at(1, 0), 0x01u) << "texel (0, 1)";
}

TEST(Raster, ColourAlphaAndBlendModes) {
  const Picture white{1, 1, {0, 0, 1, 1}, {0xFFFFFFFFu}, true, {}};
  const Picture halfRed{1, 1, {0, 0, 1, 1}, {0x80800000u}, false, {}};  // premultiplied
  const struct {
    const char* what;
    const Picture* picture;
    DrawQuad colour;
    Blend blend;
    std::uint32_t under, expected;
  } cases[] = {
      {"an opaque copy", &white, {0, 0, 1, 1}, Blend::Alpha, 0x123456, 0xFFFFFF},
      {"lit at half",
       &white,
       {0, 0, 1, 1, 0, 0, 1, 1, 0.5f, 0.5f, 0.5f, 1},
       Blend::Alpha,
       0x123456,
       0x808080},
      {"half opacity over black",
       &white,
       {0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0.5f},
       Blend::Alpha,
       0x000000,
       0x808080},
      {"a half-transparent texel", &halfRed, {0, 0, 1, 1}, Blend::Alpha, 0x0000FF, 0x80007F},
      {"fully transparent",
       &white,
       {0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0},
       Blend::Alpha,
       0x123456,
       0x123456},
      {"added and saturated",
       &white,
       {0, 0, 1, 1, 0, 0, 1, 1, 1, 0.5f, 0, 1},
       Blend::Additive,
       0x40F040,
       0xFFFF40},
      {"no picture is white",
       nullptr,
       {0, 0, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1},
       Blend::Alpha,
       0x000000,
       0x00FF00},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pixels pixel(1, 1, c.under);
    rt::raster::drawCard(pixel.canvas, {0, 0, 1, 1}, c.picture, c.colour, c.blend);
    EXPECT_EQ(pixel.at(0, 0), c.expected);
  }
}

TEST(Raster, OnlyTheBoxAroundWhatIsNotClearIsKeptAndDrawn) {
  rt::Image image{4, 4, std::vector<std::uint8_t>(4 * 4 * 4, 0)};
  const std::size_t red = (2 * 4 + 1) * 4;  // texel (1, 2)
  image.rgba[red] = 255;
  image.rgba[red + 3] = 255;
  const Picture picture = rt::raster::pictureFromImage(image);
  EXPECT_EQ(picture.box, (Rect{1, 2, 2, 3}));
  EXPECT_EQ(picture.pixels.size(), 1u);
  Pixels scaled(8, 8, 0x0000FF);
  rt::raster::drawCard(scaled.canvas, {0, 0, 8, 8}, &picture, {0, 0, 8, 8}, Blend::Alpha);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x / 2 == 1 && y / 2 == 2;
      EXPECT_EQ(scaled.at(x, y), inside ? 0xFF0000u : 0x0000FFu) << x << ", " << y;
    }
  }
  const Picture clear = rt::raster::pictureFromImage({2, 2, std::vector<std::uint8_t>(16, 0)});
  EXPECT_TRUE(clear.box.empty());
  EXPECT_TRUE(clear.pixels.empty());
  rt::raster::drawCard(scaled.canvas, {0, 0, 8, 8}, &clear, {0, 0, 8, 8}, Blend::Alpha);
}

// Every colour at every alpha is premultiplied to c·a/255 rounded, and a picture is opaque only
// when every texel is.
TEST(Raster, PicturesArePremultipliedExactlyForEveryColourAndAlpha) {
  rt::Image image{256, 256, std::vector<std::uint8_t>(256 * 256 * 4)};
  for (std::uint32_t a = 0; a < 256; ++a) {
    for (std::uint32_t c = 0; c < 256; ++c) {
      std::uint8_t* texel = &image.rgba[(a * 256 + c) * 4];
      texel[0] = static_cast<std::uint8_t>(c);
      texel[1] = static_cast<std::uint8_t>(255 - c);
      texel[2] = static_cast<std::uint8_t>(c / 2);
      texel[3] = static_cast<std::uint8_t>(a);
    }
  }
  const Picture picture = rt::raster::pictureFromImage(image);
  ASSERT_EQ(picture.box, (Rect{0, 1, 256, 256}));  // the row of alpha 0 is clear
  EXPECT_FALSE(picture.opaque);
  for (std::uint32_t a = 1; a < 256; ++a) {
    for (std::uint32_t c = 0; c < 256; ++c) {
      const auto premultiplied = [a](std::uint32_t v) { return (v * a + 127) / 255; };
      const std::uint32_t expected =
          a << 24 | premultiplied(c) << 16 | premultiplied(255 - c) << 8 | premultiplied(c / 2);
      ASSERT_EQ(picture.at(static_cast<int>(c), static_cast<int>(a)), expected) << c << " at " << a;
    }
  }
  const rt::Image opaque{2, 1, {1, 2, 3, 255, 4, 5, 6, 255}};
  EXPECT_TRUE(rt::raster::pictureFromImage(opaque).opaque);
  const rt::Image almost{2, 1, {1, 2, 3, 255, 4, 5, 6, 254}};
  EXPECT_FALSE(rt::raster::pictureFromImage(almost).opaque);
}

TEST(Raster, DrawingInPiecesGivesTheSamePixelsAsDrawingWhole) {
  const Picture picture = Numbered(7, 5);
  // An odd scale and offset, half transparent, so every pixel depends on sampling and blending.
  const DrawQuad card{1.3f, 0.7f, 38.9f, 27.2f, 0.1f, 0.05f, 0.93f, 1, 0.9f, 0.7f, 0.5f, 0.6f};
  Pixels whole(40, 30, 0x204060), pieces(40, 30, 0x204060);
  rt::raster::drawCard(whole.canvas, {0, 0, 40, 30}, &picture, card, Blend::Alpha);
  for (const Rect& piece :
       {Rect{0, 0, 17, 11}, Rect{17, 0, 40, 11}, Rect{0, 11, 23, 30}, Rect{23, 11, 40, 30}}) {
    rt::raster::drawCard(pieces.canvas, piece, &picture, card, Blend::Alpha);
  }
  EXPECT_EQ(whole.data, pieces.data);
}

DrawList OneCard(DrawQuad card, int texture = 1) {
  DrawList list;
  list.batches.push_back({texture, Blend::Alpha, {card}});
  return list;
}

long Area(const std::vector<Rect>& rects) {
  long area = 0;
  for (const Rect& r : rects) area += r.area();
  return area;
}

// The tracker over two plain pictures, references 1 and 2.
class Tracked {
 public:
  Tracked() {
    for (int i = 0; i < 2; ++i) pictures_.add(Picture{1, 1, {0, 0, 1, 1}, {0xFFFFFFFFu}, true, {}});
  }
  const std::vector<Rect>& update(const DrawList& list) {
    rt::raster::listFootprints(list, pictures_, footprints_);
    return damage_.update(list, footprints_);
  }

 private:
  rt::raster::PictureSet pictures_;
  std::vector<Rect> footprints_;
  DamageTracker damage_{320, 240};
};

TEST(DamageTracker, RedrawsWhatChangedAndNothingElse) {
  Tracked damage;
  const DrawQuad card{40, 40, 60, 50};
  EXPECT_EQ(Area(damage.update(OneCard(card))), 320 * 240) << "the first frame is whole";
  EXPECT_TRUE(damage.update(OneCard(card)).empty()) << "nothing changed";

  DrawQuad moved = card;
  moved.x0 += 100;
  moved.x1 += 100;
  const auto& rects = damage.update(OneCard(moved));
  // The tiles of the old place (32..64) and of the new one (128..160), rows 32..64.
  EXPECT_EQ(Area(rects), 2L * 32 * 32);
  for (const Rect& r : rects) EXPECT_TRUE(r.y0 == 32 && r.y1 == 64) << r.x0;

  DrawList fainter = OneCard(moved);
  fainter.batches[0].quads[0].a = 0.5f;
  EXPECT_EQ(Area(damage.update(fainter)), 32L * 32) << "a colour change";
  DrawList otherPicture = OneCard(moved, 2);
  otherPicture.batches[0].quads[0].a = 0.5f;
  EXPECT_EQ(Area(damage.update(otherPicture)), 32L * 32) << "a picture change";

  DrawList wiped = otherPicture;
  wiped.repaint = true;
  EXPECT_EQ(Area(damage.update(wiped)), 320 * 240);
  DrawList cleared = otherPicture;
  cleared.clearR = 1;
  EXPECT_EQ(Area(damage.update(cleared)), 320 * 240) << "a new clear colour";
}

}  // namespace
