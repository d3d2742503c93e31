#include "scene/FadeIn.h"

#include "engine/impact.h"
#include "scene/Program.h"

void ApplyFadeLight(std::int32_t level) {
  const float c = static_cast<float>(level) / 100.0f;
  iLightDirectionalSet({1, -1, 1}, {c, c, c, 0.3f});
}

bool StepFadeIn(TProgram& program) {
  std::int32_t& level = program.FadeLevel;
  if (level <= 0 || level >= 200) return false;
  ++level;
  if (level > 100) ++level;
  ApplyFadeLight(level);
  return true;
}
