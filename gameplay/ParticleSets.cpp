#include "gameplay/ParticleSets.h"

FlameSet CreateFlames(const FlameLook& look) {
  FlameSet flames;
  flames.particles = iParticleCreate("data\\particle_clot.dds", 100);
  iParticleGravitySet(flames.particles, look.gravity);
  iParticleAirResistanceSet(flames.particles, 10);
  iParticleColorSet(flames.particles, {1, 1, 0}, {1, 0, 0});
  iParticleLifeTimeSet(flames.particles, look.lifeTime);
  flames.emitter = iParticleEmitterCreate(flames.particles);
  iParticleEmitterLocationSet(flames.emitter, {0, -3, 0});
  iParticleEmitterDirectionSet(flames.emitter, look.direction, look.direction);
  iParticleEmitterSpeedSet(flames.emitter, 4, 4.1f);
  iParticleEmitterScaleSet(flames.emitter, look.scaleLow, look.scaleHigh);
  iParticleRenderModeSet(flames.particles, 0);
  iParticleShow(flames.particles);
  return flames;
}

void Burst(const FlameSet& flames, iVector3 at) {
  iParticleEmitterLocationSet(flames.emitter, at);
  iParticleEmitterEmit(flames.emitter, 100, 1);
}
