// The particle system: bursts, motion, fading and the caps on live particles.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/engine_core.h"
#include "runtime/particles.h"
#include "tests/unit/engine_fixtures.h"

namespace {

rt::EmitterSettings downwardJet() {
  rt::EmitterSettings e;
  e.location = {3.12f, 3.0f, 1.5f};  // field point (1, 1): pixel (425, 275)
  e.directionLow = e.directionHigh = {0, -1, 0};
  e.speedLow = e.speedHigh = 4;
  e.scaleLow = {0.05f, 0.05f};
  e.scaleHigh = {0.05f, 0.1f};
  return e;
}

TEST(EngineParticles, AJetMovesAlongItsDirectionChangesColourAndFades) {
  rt::ParticleSet set(100);
  set.look.gravity = {0, -100, 80};
  set.look.airResistance = 10;
  set.look.lifeTime = 0.2f;
  set.look.from = {1, 1, 0};
  set.look.to = {1, 0, 0};
  std::minstd_rand random(7);
  rt::EmitterTrail trail;
  EXPECT_EQ(set.emit(downwardJet(), 100, 1000, 10.0, random, trail), 4);

  std::vector<rt::DrawQuad> born, later;
  set.appendQuads(10.0, born);
  set.appendQuads(10.1, later);
  ASSERT_EQ(born.size(), 4u);
  ASSERT_EQ(later.size(), 4u);
  for (std::size_t q = 0; q < 4; ++q) {
    const float x0 = (born[q].x0 + born[q].x1) / 2, y0 = (born[q].y0 + born[q].y1) / 2;
    EXPECT_NEAR(x0, 425, 1e-3);
    EXPECT_NEAR(y0, 275, 1e-3);
    EXPECT_NEAR(born[q].x1 - born[q].x0, 8, 1e-3) << "scale 0.05 is 8 pixels";
    EXPECT_GE(born[q].y1 - born[q].y0, 8 - 1e-3);
    EXPECT_LE(born[q].y1 - born[q].y0, 16 + 1e-3);
    const float y1 = (later[q].y0 + later[q].y1) / 2;
    EXPECT_GT(y1, y0 + 2) << "falls down the screen";
    EXPECT_LT(y1, y0 + 30) << "a short jet";
    EXPECT_FLOAT_EQ(born[q].g, 1);
    EXPECT_FLOAT_EQ(born[q].a, 1);
    EXPECT_NEAR(later[q].g, 0.5f, 1e-4);
    EXPECT_NEAR(later[q].a, 0.5f, 1e-4);
  }
  set.expire(10.21);
  EXPECT_EQ(set.live(), 0);
}

TEST(EngineParticles, ASetKeepsItsNewestParticlesAndTheTotalIsCapped) {
  std::minstd_rand random(1);
  rt::EmitterTrail trail;
  rt::ParticleSet set(10);
  for (int i = 0; i < 20; ++i) set.emit(downwardJet(), 100, 1000, 0.0, random, trail);
  EXPECT_EQ(set.live(), 10);
  // A full set replaces its oldest, so the budget is not touched.
  EXPECT_EQ(set.emit(downwardJet(), 100, 0, 0.0, random, trail), 4);
  rt::ParticleSet other(100);
  EXPECT_EQ(other.emit(downwardJet(), 100, 2, 0.0, random, trail), 2);
  EXPECT_EQ(other.emit(downwardJet(), 100, 0, 0.0, random, trail), 0);
  EXPECT_EQ(rt::ParticleSet(1000000).capacity(), rt::kMaxLiveParticles);
}

TEST(EngineParticles, AMovingJetFillsTheWayItCameAJumpStartsAfresh) {
  // The bat's jet one frame after it was 7.5 pixels to the left, and after a jump across the field.
  const struct {
    const char* what;
    float from;  // the last burst's x, in pixels
    bool filled;
  } cases[] = {{"a frame's move", 417.5f, true}, {"a jump", 100, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    rt::ParticleSet set(100);
    set.look.lifeTime = 0.2f;
    std::minstd_rand random(3);
    rt::EmitterTrail trail;
    rt::EmitterSettings jet = downwardJet();
    jet.speedLow = jet.speedHigh = 0;
    const float atX = jet.location.x;
    jet.location.x = (c.from - 400) * 3.12f / 25;
    set.emit(jet, 100, 1000, 10.0, random, trail);
    jet.location.x = atX;
    set.emit(jet, 100, 1000, 10.013, random, trail);
    std::vector<rt::DrawQuad> quads;
    set.appendQuads(10.013, quads);
    ASSERT_EQ(quads.size(), 8u);
    std::vector<float> centres;
    for (std::size_t q = 4; q < 8; ++q) centres.push_back((quads[q].x0 + quads[q].x1) / 2);
    EXPECT_NEAR(centres.back(), 425, 1e-3) << "the newest at the emitter";
    for (std::size_t q = 0; q + 1 < centres.size(); ++q) {
      if (c.filled) {
        EXPECT_NEAR(centres[q + 1] - centres[q], 7.5f / 4, 1e-3) << "evenly along the way";
        EXPECT_LT(quads[q + 4].a, quads[q + 5].a) << "older further back";
      } else {
        EXPECT_NEAR(centres[q], 425, 1e-3);
      }
    }
  }
}

class EngineParticleCalls : public enginetest::HeadlessEngine {};

TEST_F(EngineParticleCalls, EmissionsCountAndParticlesDieWithTime) {
  const iHandle set = iParticleCreate("data/blob.dds", 100);
  iParticleLifeTimeSet(set, 0.2f);
  const iHandle emitter = iParticleEmitterCreate(set);
  EXPECT_EQ(iParticleEmitterCreate(0), 0);
  const long before = rt::engineParticleEmissions();
  for (int frame = 0; frame < 100; ++frame) {
    iParticleEmitterEmit(emitter, 100, 1);
    clock_->advanceMillis(13);
  }
  EXPECT_EQ(rt::engineParticleEmissions(), before + 100);
  EXPECT_GT(rt::engineLiveParticles(), 40);
  EXPECT_LE(rt::engineLiveParticles(), 100);
  clock_->advanceMillis(250);
  EXPECT_EQ(rt::engineLiveParticles(), 0);
}

TEST_F(EngineParticleCalls, TheTotalStaysUnderTheHardCap) {
  std::vector<iHandle> emitters;
  for (int i = 0; i < 60; ++i) {
    const iHandle set = iParticleCreate("data/blob.dds", 100);
    iParticleLifeTimeSet(set, 100);
    emitters.push_back(iParticleEmitterCreate(set));
  }
  for (int round = 0; round < 30; ++round) {
    for (iHandle e : emitters) iParticleEmitterEmit(e, 100, 1);
  }
  EXPECT_EQ(rt::engineLiveParticles(), rt::kMaxLiveParticles);
}

}  // namespace
