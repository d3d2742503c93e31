// The CPU particle system: a set of particles sharing a texture, motion and colour, fed by
// emitters. Particle space: a point (X, Y) sits at pixel (400 + 25 X / 3.12, 300 - 25 Y / 3);
// z is ignored. Each particle's path is computed from its age (gravity and air resistance have a
// closed form), so drawing at any moment needs no stepping.
#pragma once

#include <deque>
#include <random>
#include <vector>

#include "engine/impact.h"
#include "runtime/backend.h"

namespace rt {

// No more particles than this are alive at once over all sets.
constexpr int kMaxLiveParticles = 4000;
// The most particles one emission makes.
constexpr int kLargestBurst = 8;

struct ParticleLook {
  iVector3 gravity;                     // particle units per second squared
  float airResistance = 0;              // velocity falls by exp(-resistance * seconds)
  float lifeTime = 1;                   // seconds
  iVector3 from{1, 1, 1}, to{1, 1, 1};  // colour at birth and at the end of the life
};

struct EmitterSettings {
  iVector3 location;
  iVector3 directionLow, directionHigh;                      // zero: every direction
  iVector2 scaleLow{0.05f, 0.05f}, scaleHigh{0.05f, 0.05f};  // 1 = 160 pixels
  float speedLow = 1, speedHigh = 1;                         // particle units per second
};

// Where and when an emitter last emitted: the next burst fills the way it has come since.
struct EmitterTrail {
  bool valid = false;
  iVector3 location;
  double time = 0;
};

class ParticleSet {
 public:
  // capacity: live particles of this set; when full, the oldest make room. kept: a count over
  // several sets (the particles they keep, spent or not) that this one keeps up to date.
  explicit ParticleSet(int capacity, int* kept = nullptr);
  ~ParticleSet();
  ParticleSet(const ParticleSet&) = delete;
  ParticleSet& operator=(const ParticleSet&) = delete;

  ParticleLook look;
  bool shown = false;

  // Emits a small burst for an Emit call of the given count. budget: how many particles the
  // total alive may grow by (a full set replaces its oldest instead). Returns how many were
  // emitted. An emitter that moved a short way since its last burst (`trail`, which is brought
  // up to date) spreads this one back along that way, each particle as if born on the way, so a
  // moving jet leaves one flame instead of a bead a frame.
  int emit(const EmitterSettings& emitter, int count, int budget, double now, std::minstd_rand& rng,
           EmitterTrail& trail);
  // Forgets the particles whose life is over. Cheap when none is: every emission asks it of
  // every set.
  void expire(double now);
  int live() const { return static_cast<int>(particles_.size()); }
  int capacity() const { return capacity_; }
  // Appends a card per particle alive at now, in pixels: coloured from `from` to `to`, fading
  // out and growing as they age.
  void appendQuads(double now, std::vector<DrawQuad>& out) const;

 private:
  struct Particle {
    float x, y, vx, vy;
    float width, height;  // pixels
    double born;
  };
  // Adds the change of this set's size since `before` to the shared count.
  void counted(std::size_t before);

  int capacity_;
  int* kept_;
  std::deque<Particle> particles_;
  double oldestBirth_ = 0;  // no later than the birth of any particle alive
};

}  // namespace rt
