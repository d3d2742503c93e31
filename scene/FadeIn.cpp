#include "scene/FadeIn.h"

#include "engine/impact.h"

std::int32_t FadeLevel = 0;

void ApplyFadeLight(std::int32_t level) {
  const float c = static_cast<float>(level) / 100.0f;
  iLightDirectionalSet({1, -1, 1}, {c, c, c, 0.3f});
}

bool StepFadeIn() {
  if (FadeLevel <= 0 || FadeLevel >= 200) return false;
  ++FadeLevel;
  if (FadeLevel > 100) ++FadeLevel;
  ApplyFadeLight(FadeLevel);
  return true;
}
