// The engine core on the headless backend: what a frame's draw list holds, in which order and
// colour, and how printed text, handles and bad files behave.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/draw_list.h"
#include "runtime/engine_core.h"
#include "runtime/engine_scene.h"
#include "tests/unit/engine_fixtures.h"

namespace {

class EngineDraw : public enginetest::HeadlessEngine {
 protected:
  rt::DrawList frame() {
    rt::DrawList list;
    rt::buildDrawList(rt::engineState(), rt::clock().seconds(), list);
    return list;
  }
};

TEST_F(EngineDraw, MeshesAreScaledPlacedAndLitInPixels) {
  // An 800 x 600 picture placed with its top-left at the screen's corner covers the screen.
  visibleMesh({0, 0, 1}, {62.5f, 46.875f, 1});
  iLightDirectionalSet({1, -1, 1}, {1.0f, 3.0f, -1.0f, 0.3f});
  iMeshAlphaSet(rt::engineMeshes()[0].handle, 1.7f);
  const rt::DrawList list = frame();
  ASSERT_EQ(list.batches.size(), 1u);
  const auto& quads = list.batches[0].quads;
  ASSERT_EQ(quads.size(), 1u);
  const rt::DrawQuad& q = quads[0];
  EXPECT_FLOAT_EQ(q.x0, 0);
  EXPECT_FLOAT_EQ(q.y0, 0);
  EXPECT_FLOAT_EQ(q.x1, 800);
  EXPECT_FLOAT_EQ(q.y1, 600);
  EXPECT_FLOAT_EQ(q.u0, 0);
  EXPECT_FLOAT_EQ(q.v1, 1);
  // Light c gives min(1, c / 2), never below 0; opacity is clamped to 1.
  EXPECT_FLOAT_EQ(q.r, 0.5f);
  EXPECT_FLOAT_EQ(q.g, 1.0f);
  EXPECT_FLOAT_EQ(q.b, 0.0f);
  EXPECT_FLOAT_EQ(q.a, 1.0f);
  EXPECT_FLOAT_EQ(rt::engineLightRed(), 1.0f);
}

TEST_F(EngineDraw, LayersFollowPriorityThenCreationOrder) {
  // Mesh centres tell them apart: x = 10 * n mesh units.
  visibleMesh({10, 0, 1}, {1, 1, 1}, 5);
  visibleMesh({20, 0, 1}, {1, 1, 1}, 0);
  visibleMesh({30, 0, 1}, {1, 1, 1}, 5);
  const iHandle hidden = visibleMesh({40, 0, 1}, {1, 1, 1}, 9);
  iMeshHide(hidden);
  const iHandle bare = iMeshCreate("data/sprite.x");  // no texture: drawn nowhere
  iMeshShow(bare);

  const iHandle font = iFontCreate("data/font.wid", 0);
  iPrint("A", {0, 0}, {1, 1}, 0.1f, font);

  const iHandle cursor = iSpriteCreate("data\\sprite.x", 0);
  iSpriteTextureSet(cursor, iTextureCreate("data/pic.png"));
  iSpritePrioritySet(cursor, 1);
  iSpriteShow(cursor);
  const iHandle other = iSpriteCreate("data\\sprite.x", 0);
  iSpriteTextureSet(other, iTextureCreate("data/pic.png"));
  iSpriteShow(other);

  const iHandle particles = iParticleCreate("data/blob.dds", 100);
  iParticleShow(particles);
  iParticleEmitterEmit(iParticleEmitterCreate(particles), 100, 1);

  const rt::DrawList list = frame();
  std::vector<float> meshCentres;
  std::vector<rt::Blend> blends;
  for (const auto& batch : list.batches) {
    blends.push_back(batch.blend);
    if (batch.blend != rt::Blend::Alpha) continue;
    for (const rt::DrawQuad& q : batch.quads) {
      if (meshCentres.size() < 3) meshCentres.push_back((q.x0 + q.x1) / 2);
    }
  }
  // Low priority first; equal priorities in creation order; hidden and bare meshes are left out.
  EXPECT_EQ(meshCentres, (std::vector<float>{560, 480, 640}));
  // Then particles, the printed line and the two sprites.
  ASSERT_EQ(list.batches.size(), 7u);
  EXPECT_EQ(blends[3], rt::Blend::Additive);
  // The last two batches are the sprites: the cursor's priority 1 on top of priority 0.
  ASSERT_EQ(list.batches.back().quads.size(), 1u);
  EXPECT_EQ(list.batches.back().texture,
            rt::engineState().textures.find(rt::engineSprites()[0].texture)->picture.backendRef());
}

TEST_F(EngineDraw, SpritesCoverTheirScaleInPrintUnits) {
  const iHandle sprite = iSpriteCreate("data\\sprite.x", 0);
  iSpriteTextureSwap(sprite, iTextureCreate("data/pic.png"));
  iSpriteScaleSet(sprite, {2.56f, 2});
  iSpriteLocationSet(sprite, {-4, 2});
  EXPECT_TRUE(frame().batches.empty()) << "new sprites start hidden";
  iSpriteShow(sprite);
  const rt::DrawQuad q = frame().batches.at(0).quads.at(0);
  // Centre (300, 250); 64 x 50 pixels.
  EXPECT_FLOAT_EQ(q.x0, 268);
  EXPECT_FLOAT_EQ(q.y0, 225);
  EXPECT_FLOAT_EQ(q.x1, 332);
  EXPECT_FLOAT_EQ(q.y1, 275);
  EXPECT_FLOAT_EQ(q.r, 1) << "sprites are not lit";
  iSpriteTextureReset(sprite);
  EXPECT_TRUE(frame().batches.empty());
}

TEST_F(EngineDraw, PrintedTextLastsOneRenderInItsColour) {
  const iHandle font = iFontCreate("data\\FONT.wid", 0);
  iPrintColorSet(1, 0.5f, 0.25f, 1);
  iPrint("AB", {-4, 2}, {0.5f, 2}, 0.1f, font);
  iPrintColorSet(0, 0, 0, 1);
  iLightDirectionalSet({1, -1, 1}, {0.01f, 0.01f, 0.01f, 0.3f});
  const auto quads = frame().batches.at(0).quads;
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_FLOAT_EQ(quads[0].x0, 300.5f);
  EXPECT_FLOAT_EQ(quads[0].y0, 194);
  EXPECT_FLOAT_EQ(quads[0].u1, 10.0f / 32);
  EXPECT_FLOAT_EQ(quads[0].g, 0.5f) << "the colour at the time of the print, unlit";

  iRender();
  ASSERT_EQ(rt::enginePrintedAtLastRender().size(), 1u);
  EXPECT_EQ(rt::enginePrintedAtLastRender()[0].text, "AB");
  EXPECT_FLOAT_EQ(rt::enginePrintedAtLastRender()[0].x, -4);
  iRender();
  EXPECT_TRUE(rt::enginePrintedAtLastRender().empty()) << "texts last one frame";

  iPrint("A", {0, 0}, {1, 1}, 0.1f, font);
  iPrintsHide();
  iPrint("B", {0, 0}, {1, 1}, 0.1f, font);
  iPrint("ignored", {0, 0}, {1, 1}, 0.1f, 0);
  iRender();
  ASSERT_EQ(rt::enginePrintedAtLastRender().size(), 1u);
  EXPECT_EQ(rt::enginePrintedAtLastRender()[0].text, "B");
}

TEST_F(EngineDraw, AFrameRequestsItsPictureAndThePassDrawsItOnceWithItsText) {
  const iHandle font = iFontCreate("data\\FONT.wid", 0);
  const long before = rt::engineFramesRendered();
  i3ImpactMain();
  i3ImpactRunBegin();
  iPrint("AB", {0, 0}, {1, 1}, 0.1f, font);
  iRender();
  i3ImpactRunEnd();
  EXPECT_EQ(rt::engineFramesRendered(), before) << "not drawn inside the run phase";
  i3ImpactRender();
  EXPECT_EQ(rt::engineFramesRendered(), before + 1);
  ASSERT_EQ(rt::enginePrintedAtLastRender().size(), 1u);
  EXPECT_EQ(rt::enginePrintedAtLastRender()[0].text, "AB");
}

TEST_F(EngineDraw, RenderingDisabledDrawsNothingUntilTheNextRender) {
  const long before = rt::engineFramesRendered();
  iRenderingDisable();
  i3ImpactRender();
  EXPECT_EQ(rt::engineFramesRendered(), before);
  iRender();
  i3ImpactRender();
  EXPECT_EQ(rt::engineFramesRendered(), before + 2);
}

TEST_F(EngineDraw, BadFilesGiveEmptyObjectsWithValidHandles) {
  write("data/broken.png", enginetest::text("\x89PNG but not really"));
  write("data/broken.x", enginetest::text("xof 0303txt 0032\nMesh { 2; }"));
  write("data/broken.wid", enginetest::text("WID1"));
  write("sound/broken.wav", enginetest::text("MThd"));
  const iHandle texture = iTextureCreate("data/missing.png");
  const iHandle broken = iTextureCreate("data/broken.png");
  const iHandle fromMemory = iTextureCreateFromMemory("junk", 4, 77);
  const iHandle mesh = iMeshCreate("data/broken.x");
  const iHandle font = iFontCreate("data/broken.wid", 0);
  const iHandle sound = iSoundCreate("sound/broken.wav", 0);
  const iHandle missingSound = iSoundCreate("sound/none.wav", 0);
  for (iHandle h : {texture, broken, fromMemory, mesh, font, sound, missingSound}) EXPECT_GT(h, 0);

  iMeshTextureSet(mesh, texture);
  iMeshShow(mesh);
  const iHandle good = iMeshCreate("data/sprite.x");
  iMeshTextureSet(good, broken);
  iMeshShow(good);
  iPrint("A", {0, 0}, {1, 1}, 0.1f, font);
  EXPECT_TRUE(frame().batches.empty());

  // A silent sound still counts as started, for the state dump.
  i3ImpactMain();
  iSoundPlayNow(sound, 0);
  EXPECT_EQ(rt::engineSoundsStarted(), std::vector<std::string>{"sound/broken.wav"});
  EXPECT_EQ(rt::engineMeshes().front().textureSource, "data/missing.png");
}

TEST_F(EngineDraw, SoundsStartedPerPassAndLoopingSoundsAreNotRestarted) {
  const iHandle click = iSoundCreate("sound\\CLICK.wav", 0);
  const iHandle music = iSoundCreate("sound/click.wav", 0);
  i3ImpactMain();
  iSoundPlay(music, -1);
  iSoundPlay(music, -1);  // already playing: not started again
  iSoundPlay(click, 0);
  iSoundPlay(click, 0);  // a one-shot is over at once on the headless backend
  iSoundPlayNow(music, -1);
  EXPECT_EQ(rt::engineSoundsStarted(),
            (std::vector<std::string>{"sound/click.wav", "sound\\CLICK.wav", "sound\\CLICK.wav",
                                      "sound/click.wav"}));
  i3ImpactMain();
  EXPECT_TRUE(rt::engineSoundsStarted().empty());
  iSoundStop(music);
  iSoundPlay(music, -1);
  EXPECT_EQ(rt::engineSoundsStarted().size(), 1u);
}

TEST_F(EngineDraw, CloseReleasesEverythingAndHandlesAreNeverReused) {
  const iHandle first = visibleMesh({0, 0, 1}, {1, 1, 1});
  EXPECT_TRUE(i3ImpactIsInitializing());
  i3ImpactInitEnd();
  EXPECT_FALSE(i3ImpactIsInitializing());
  EXPECT_TRUE(i3ImpactIsRendering());
  EXPECT_EQ(iDisplayMode(), 0);
  i3ImpactClose();
  EXPECT_FALSE(i3ImpactIsReady());
  EXPECT_TRUE(rt::engineMeshes().empty());
  iMeshShow(first);  // a stale handle is ignored

  ASSERT_EQ(i3ImpactOpen(1, 0), 1);
  const std::int32_t fullScreen[6] = {0, 0, 15360000, 0, -1, -1};
  ASSERT_EQ(i3ImpactSettings(fullScreen), 1);
  EXPECT_EQ(iDisplayMode(), 1);
  EXPECT_TRUE(i3ImpactIsInitializing());
  EXPECT_GT(iMeshCreate("data/sprite.x"), first);
  iExit();
  EXPECT_FALSE(i3ImpactIsRendering());
}

TEST_F(EngineDraw, InputIsTheFrameTakenAtTheLastPass) {
  input_.next.down[203] = true;
  input_.next.clicked[203] = true;
  input_.next.mouseClicked[1] = true;
  EXPECT_FALSE(iKeyDown(203)) << "nothing before the pass";
  i3ImpactMain();
  EXPECT_TRUE(iKeyDown(203));
  EXPECT_TRUE(iKeyClick(203));
  EXPECT_TRUE(iMouseButtonClick(1));
  EXPECT_FALSE(iKeyDown(-1));
  EXPECT_FALSE(iKeyClick(256));
  EXPECT_FALSE(iMouseButtonClick(2));
  iMouseReset({0.25f, 0.75f});
  EXPECT_FLOAT_EQ(iMouseX(), 0.25f);
  EXPECT_FLOAT_EQ(input_.next.mouseY, 0.75f) << "the source is told too";
}

TEST_F(EngineDraw, SystemTimerCountsFromTheFirstOpen) {
  const double start = iSystemTimer();
  clock_->advanceMillis(1500);
  EXPECT_NEAR(iSystemTimer() - start, 1.5, 1e-9);
}

}  // namespace
