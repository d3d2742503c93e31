#include "runtime/particles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rt {
namespace {

constexpr float kPixelsPerScale = 160.0f;
constexpr float kSpread = 0.15f;  // radians either side of the emitter's direction
constexpr float kGrowth = 0.8f;   // a flame puffs up: 80% larger at the end of its life
// A burst fills the way back to the last one only after an ordinary step: a frame or two of a
// moving bat, ball or missile. A longer jump (a new life, a stall) starts afresh where it is.
constexpr double kTrailSeconds = 0.05;
constexpr float kTrailReach = 4.0f;  // particle units, about 32 pixels

// A number from 0 to 1 (the top, 1, only by rounding) from one draw: cheaper than the standard
// distribution, which a burst of a trail asks seven times for each particle.
float unit(std::minstd_rand& rng) {
  return static_cast<float>(rng() - std::minstd_rand::min()) * 0x1p-31f;
}

float lerp(float a, float b, float t) {
  return a + (b - a) * t;
}

// Position along one axis after age seconds under constant acceleration g and drag r.
float travel(float x0, float v0, float g, float r, float age) {
  if (r <= 0) return x0 + v0 * age + 0.5f * g * age * age;
  const float terminal = g / r;
  return x0 + terminal * age + (v0 - terminal) * (1.0f - std::exp(-r * age)) / r;
}

}  // namespace

ParticleSet::ParticleSet(int capacity, int* kept)
    : capacity_(std::clamp(capacity, 1, kMaxLiveParticles)), kept_(kept) {}

ParticleSet::~ParticleSet() {
  if (kept_) *kept_ -= live();
}

void ParticleSet::counted(std::size_t before) {
  if (kept_) *kept_ += static_cast<int>(particles_.size()) - static_cast<int>(before);
}

int ParticleSet::emit(const EmitterSettings& e, int count, int budget, double now,
                      std::minstd_rand& rng, EmitterTrail& trail) {
  // An Emit call of 100 gives four particles: the game emits every frame, so a short life
  // makes a dense, short jet.
  const int burst = std::clamp(count / 25, 1, kLargestBurst);
  const float wayX = trail.valid ? e.location.x - trail.location.x : 0;
  const float wayY = trail.valid ? e.location.y - trail.location.y : 0;
  const double gap = now - trail.time;
  const bool fill = trail.valid && gap > 0 && gap <= kTrailSeconds &&
                    wayX * wayX + wayY * wayY <= kTrailReach * kTrailReach;
  trail = {true, e.location, now};
  const std::size_t before = particles_.size();
  int emitted = 0;
  for (; emitted < burst; ++emitted) {
    if (static_cast<int>(particles_.size()) >= capacity_) {
      particles_.pop_front();  // the oldest make room: the total does not grow
    } else if (budget-- <= 0) {
      break;
    }
    float dx = lerp(e.directionLow.x, e.directionHigh.x, unit(rng));
    float dy = lerp(e.directionLow.y, e.directionHigh.y, unit(rng));
    float angle = std::atan2(dy, dx) + lerp(-kSpread, kSpread, unit(rng));
    if (dx * dx + dy * dy < 1e-12f) angle = unit(rng) * 2.0f * std::numbers::pi_v<float>;
    const float speed = lerp(e.speedLow, e.speedHigh, unit(rng));
    // The last of the burst is at the emitter, the others back along its way, older.
    const float back = fill ? static_cast<float>(burst - 1 - emitted) / burst : 0;
    const double born = now - gap * back;
    if (particles_.empty() || born < oldestBirth_) oldestBirth_ = born;
    particles_.push_back(
        {e.location.x - wayX * back, e.location.y - wayY * back, speed * std::cos(angle),
         speed * std::sin(angle),
         std::max(0.0f, lerp(e.scaleLow.x, e.scaleHigh.x, unit(rng))) * kPixelsPerScale,
         std::max(0.0f, lerp(e.scaleLow.y, e.scaleHigh.y, unit(rng))) * kPixelsPerScale, born});
  }
  counted(before);
  return emitted;
}

void ParticleSet::expire(double now) {
  const double life = look.lifeTime;
  if (particles_.empty() || now - oldestBirth_ < life) return;
  const std::size_t before = particles_.size();
  std::erase_if(particles_, [&](const Particle& p) { return now - p.born >= life; });
  counted(before);
  oldestBirth_ = now;
  for (const Particle& p : particles_) oldestBirth_ = std::min(oldestBirth_, p.born);
}

void ParticleSet::appendQuads(double now, std::vector<DrawQuad>& out) const {
  const float life = std::max(look.lifeTime, 1e-6f);
  for (const Particle& p : particles_) {
    const float age = static_cast<float>(now - p.born);
    if (age < 0 || age >= life) continue;
    const float f = age / life;
    const float X = travel(p.x, p.vx, look.gravity.x, look.airResistance, age);
    const float Y = travel(p.y, p.vy, look.gravity.y, look.airResistance, age);
    const float cx = 400.0f + 25.0f * X / 3.12f, cy = 300.0f - 25.0f * Y / 3.0f;
    const float grow = 1.0f + kGrowth * f;
    const float hw = p.width * grow / 2, hh = p.height * grow / 2;
    const float r = lerp(look.from.x, look.to.x, f), g = lerp(look.from.y, look.to.y, f),
                b = lerp(look.from.z, look.to.z, f), a = 1.0f - f;
    out.push_back({cx - hw, cy - hh, cx + hw, cy + hh, 0, 0, 1, 1, r, g, b, a});
  }
}

}  // namespace rt
