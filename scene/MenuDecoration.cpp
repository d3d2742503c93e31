#include "scene/MenuDecoration.h"

#include <cmath>
#include <numbers>

#include "engine/MeshSprite.h"
#include "scene/FrameTiming.h"
#include "scene/Scene.h"

long double DecorationPhase = 0;

namespace {

struct DecorationPlace {
  std::uint16_t index;
  int textureId;
  float width, height, x, y;
};

constexpr DecorationPlace kPlaces[3] = {
    {0, 1000007, 118, 110, 521, 507},
    {1, 1001444, 304, 92, 546, 512},
    {2, 1001445, 212, 47, 595, 562},
};

}  // namespace

void CreateDecorations() {
  for (int i = 0; i < 3; ++i) {
    const DecorationPlace& place = kPlaces[i];
    Decorations[i] =
        TMeshSprite::CreateFromArchive("data\\Background.dat", place.index, place.textureId,
                                       place.width, place.height, place.x, place.y, 2, false);
  }
  DecorationPhase = 0;
  constexpr double kPi = std::numbers::pi;
  Decorations[0]->SetAlpha(static_cast<float>(std::cos(0.0)));
  Decorations[1]->SetAlpha(static_cast<float>(std::cos(2 * kPi / 3)));
  Decorations[2]->SetAlpha(static_cast<float>(std::cos(4 * kPi / 3)));
}

void ShowMenuBackground() {
  MenuBackground->Show();
  for (TMeshSprite* decoration : Decorations) decoration->Show();
}

void HideMenuBackground() {
  MenuBackground->Hide();
  for (TMeshSprite* decoration : Decorations) decoration->Hide();
}

void PulseDecorations() {
  constexpr long double kPi = std::numbers::pi_v<long double>;
  DecorationPhase += FrameFactor() * 0.02L;
  if (DecorationPhase > 2 * kPi) DecorationPhase = 0;
  Decorations[0]->SetAlpha(static_cast<float>(std::sin(DecorationPhase)));
  Decorations[1]->SetAlpha(static_cast<float>(std::sin(DecorationPhase + 4 * kPi / 3)));
  Decorations[2]->SetAlpha(static_cast<float>(std::sin(DecorationPhase + 2 * kPi / 3)));
}
