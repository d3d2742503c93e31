// Flat pictures in screen pixels, two-layer buttons and the picture archive reader.
#include "engine/MeshSprite.h"

#include <gtest/gtest.h>

#include "runtime/engine_core.h"
#include "tests/unit/engine_fixtures.h"

namespace {

using enginetest::Bytes;
using enginetest::putLe32;

// An archive whose table holds `entries` (offset, length) pairs, followed by the pictures.
Bytes Archive(const std::vector<Bytes>& pictures) {
  Bytes out;
  std::uint32_t offset = static_cast<std::uint32_t>(8 * pictures.size());
  for (const Bytes& picture : pictures) {
    putLe32(out, offset);
    putLe32(out, static_cast<std::uint32_t>(picture.size()));
    offset += static_cast<std::uint32_t>(picture.size());
  }
  for (const Bytes& picture : pictures) out.insert(out.end(), picture.begin(), picture.end());
  return out;
}

rt::MeshView View(iHandle mesh) {
  for (const rt::MeshView& view : rt::engineMeshes()) {
    if (view.handle == mesh) return view;
  }
  return {};
}

class MeshSpriteTest : public enginetest::HeadlessEngine {
 protected:
  // The game keeps its buttons for the whole run; a test lets them go.
  static void Release(TMeshButton* button) {
    button->Base->Destroy();
    button->Lit->Destroy();
    delete button;
  }
};

TEST_F(MeshSpriteTest, ArchiveEntriesAreReadByIndexWithTheirOwnIds) {
  write("data/Pics.dat", Archive({enginetest::png(2, 2), enginetest::png(3, 3),
                                  enginetest::png(4, 4), enginetest::png(5, 5)}));
  const iHandle texture = LoadArchiveFrame("data\\pics.DAT", 3, 1000123);
  ASSERT_NE(texture, 0);
  const iHandle mesh = iMeshCreate("data/sprite.x");
  iMeshTextureSet(mesh, texture);
  EXPECT_EQ(View(mesh).textureId, 1000123);
}

TEST_F(MeshSpriteTest, BrokenArchivesGiveNoTexture) {
  Bytes outside = Archive({enginetest::png(2, 2)});
  outside[4] = 0xFF;  // length far past the end of the file
  Bytes hugeOffset = Archive({enginetest::png(2, 2), enginetest::png(2, 2)});
  hugeOffset[8] = hugeOffset[9] = hugeOffset[10] = hugeOffset[11] = 0xFF;
  write("data/outside.dat", outside);
  write("data/offset.dat", hugeOffset);
  write("data/tiny.dat", Bytes{1, 2, 3});
  write("data/good.dat", Archive({enginetest::png(2, 2), enginetest::png(2, 2)}));
  const struct {
    const char* archive;
    std::uint16_t index;
  } cases[] = {
      {"data/missing.dat", 0},  {"data/tiny.dat", 0},    {"data/good.dat", 2},
      {"data/good.dat", 65535}, {"data/outside.dat", 0}, {"data/offset.dat", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.archive) + " #" + std::to_string(c.index));
    EXPECT_EQ(LoadArchiveFrame(c.archive, c.index, 7), 0);
  }
  EXPECT_NE(LoadArchiveFrame("data/good.dat", 1, 7), 0);
}

TEST_F(MeshSpriteTest, PixelsBecomeEngineUnits) {
  TMeshSprite* full = TMeshSprite::Create("data/pic.png", 800, 600, 0, 0, 3, false);
  const rt::MeshView view = View(full->Mesh);
  EXPECT_FLOAT_EQ(view.location.x, 0);
  EXPECT_FLOAT_EQ(view.location.y, 0);
  EXPECT_FLOAT_EQ(view.location.z, 1);
  EXPECT_FLOAT_EQ(view.scale.x, 62.5f);
  EXPECT_FLOAT_EQ(view.scale.y, 46.875f);
  EXPECT_EQ(view.priority, 3);
  EXPECT_FALSE(view.visible) << "new sprites start hidden";

  TMeshSprite* centred = TMeshSprite::Create("data/pic.png", 800, 600, 0, 0, 3, true);
  EXPECT_FLOAT_EQ(View(centred->Mesh).location.x, -50);
  EXPECT_FLOAT_EQ(View(centred->Mesh).location.y, 37.5f);

  TMeshSprite* small = TMeshSprite::Create("data/pic.png", 40, 20, 100, 50, 0, false);
  EXPECT_FLOAT_EQ(small->ScreenX(), 120);
  EXPECT_FLOAT_EQ(small->ScreenY(), 60);

  const int meshesBefore = static_cast<int>(rt::engineMeshes().size());
  for (TMeshSprite* sprite : {full, centred, small}) sprite->Destroy();
  EXPECT_LT(static_cast<int>(rt::engineMeshes().size()), meshesBefore);
}

TEST_F(MeshSpriteTest, ButtonHitsAreStrictlyInsideTheMargins) {
  write("data/buttons.dat", Archive({enginetest::png(2, 2), enginetest::png(2, 2)}));
  TMeshButton* button =
      TMeshButton::Create("data/buttons.dat", 1, 0, 11, 10, 366, 133, -19, 420, 1, false);
  button->SetMargins(-20, 40);
  const struct {
    int x, y;
    bool hit;
  } points[] = {{-38, 461, true},  {366, 512, true},  {-39, 480, false}, {367, 480, false},
                {100, 460, false}, {100, 513, false}, {100, 470, true}};
  for (const auto& p : points) {
    EXPECT_EQ(button->HitTest(p.x, p.y), p.hit) << p.x << "," << p.y;
  }
  // The rectangle is the creation one whatever the centred flag.
  TMeshButton* centred =
      TMeshButton::Create("data/buttons.dat", 1, 0, 11, 10, 100, 50, 200, 200, 1, true);
  EXPECT_TRUE(centred->HitTest(250, 220));
  EXPECT_FALSE(centred->HitTest(180, 190));
  Release(button);
  Release(centred);
}

TEST_F(MeshSpriteTest, HighlightFadesInAndOutByFixedSteps) {
  write("data/buttons.dat", Archive({enginetest::png(2, 2), enginetest::png(2, 2)}));
  TMeshButton* button =
      TMeshButton::Create("data/buttons.dat", 1, 0, 11, 10, 200, 100, 0, 0, 4, false);
  EXPECT_FLOAT_EQ(button->LitAlpha, 0);
  EXPECT_FLOAT_EQ(View(button->Base->Mesh).alpha, 0.9f);
  EXPECT_EQ(View(button->Lit->Mesh).priority, 5);

  button->Highlight();
  EXPECT_FLOAT_EQ(button->LitAlpha, 0) << "highlighting alone changes nothing";
  button->UpdateFade();
  EXPECT_NEAR(button->LitAlpha, 0.05f, 1e-6);
  button->UpdateFade();
  EXPECT_NEAR(button->LitAlpha, 0.10f, 1e-6);
  for (int i = 0; i < 30; ++i) button->UpdateFade();
  EXPECT_FLOAT_EQ(button->LitAlpha, 0.99f);
  EXPECT_FLOAT_EQ(View(button->Lit->Mesh).alpha, 0.99f);

  button->Unhighlight();
  button->UpdateFade();
  EXPECT_NEAR(button->LitAlpha, 0.94f, 1e-6);
  for (int i = 0; i < 30; ++i) button->UpdateFade();
  EXPECT_FLOAT_EQ(button->LitAlpha, 0);
  EXPECT_FLOAT_EQ(View(button->Base->Mesh).alpha, 0.9f) << "the base never fades";
  Release(button);
}

}  // namespace
