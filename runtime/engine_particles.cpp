// Particle sets and emitters of the engine core.
#include <algorithm>

#include "engine/impact.h"
#include "runtime/engine_assets.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"

using rt::engineState;

namespace {

rt::ParticleSet* particleSet(iHandle handle) {
  auto* rec = engineState().particleSets.find(handle);
  return rec ? rec->set.get() : nullptr;
}
rt::EmitterSettings* emitter(iHandle handle) {
  auto* rec = engineState().emitters.find(handle);
  return rec ? &rec->settings : nullptr;
}

}  // namespace

iHandle iParticleCreate(const char* textureFile, int count) {
  rt::ParticleSetRec rec;
  rec.set = std::make_unique<rt::ParticleSet>(count, &engineState().particlesKept);
  if (textureFile) rec.picture = rt::EnginePicture::fromFile(textureFile);
  return engineState().particleSets.add(std::move(rec));
}

void iParticleGravitySet(iHandle handle, iVector3 gravity) {
  if (auto* p = particleSet(handle)) p->look.gravity = gravity;
}
void iParticleAirResistanceSet(iHandle handle, float resistance) {
  if (auto* p = particleSet(handle)) p->look.airResistance = std::max(0.0f, resistance);
}
void iParticleLifeTimeSet(iHandle handle, float seconds) {
  if (auto* p = particleSet(handle)) p->look.lifeTime = std::max(0.0f, seconds);
}
void iParticleColorSet(iHandle handle, iVector3 from, iVector3 to) {
  if (auto* p = particleSet(handle)) {
    p->look.from = from;
    p->look.to = to;
  }
}
void iParticleRenderModeSet(iHandle, int) {}  // particles are always drawn additively
void iParticleShow(iHandle handle) {
  if (auto* p = particleSet(handle)) p->shown = true;
}

iHandle iParticleEmitterCreate(iHandle set) {
  auto& s = engineState();
  if (!s.particleSets.find(set)) return 0;
  return s.emitters.add({set, {}, {}});
}

void iParticleEmitterLocationSet(iHandle handle, iVector3 location) {
  if (auto* e = emitter(handle)) e->location = location;
}
void iParticleEmitterDirectionSet(iHandle handle, iVector3 low, iVector3 high) {
  if (auto* e = emitter(handle)) {
    e->directionLow = low;
    e->directionHigh = high;
  }
}
void iParticleEmitterScaleSet(iHandle handle, iVector2 low, iVector2 high) {
  if (auto* e = emitter(handle)) {
    e->scaleLow = low;
    e->scaleHigh = high;
  }
}
void iParticleEmitterSpeedSet(iHandle handle, float low, float high) {
  if (auto* e = emitter(handle)) {
    e->speedLow = low;
    e->speedHigh = high;
  }
}

void iParticleEmitterEmit(iHandle handle, int count, int) {
  auto& s = engineState();
  auto* e = s.emitters.find(handle);
  rt::ParticleSet* set = e ? particleSet(e->set) : nullptr;
  if (!set) return;
  const double now = rt::clock().seconds();
  set->expire(now);
  // Every set is asked to forget its spent particles only when the cap is near: short of it, a
  // burst fits whatever the spent ones are.
  if (s.particlesKept + rt::kLargestBurst > rt::kMaxLiveParticles) {
    for (auto& [h, rec] : s.particleSets) rec.set->expire(now);
  }
  set->emit(e->settings, count, rt::kMaxLiveParticles - s.particlesKept, now, s.random, e->trail);
  ++s.emissions;
}
