#include "scene/MenuDecoration.h"

#include <cmath>
#include <numbers>

#include "engine/MeshSprite.h"
#include "scene/Program.h"

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

void CreateDecorations(TProgram& program) {
  TMeshSprite** decorations = program.Media.Decorations;
  for (int i = 0; i < 3; ++i) {
    const DecorationPlace& place = kPlaces[i];
    decorations[i] =
        TMeshSprite::CreateFromArchive("data\\Background.dat", place.index, place.textureId,
                                       place.width, place.height, place.x, place.y, 2, false);
  }
  program.DecorationPhase = 0;
  constexpr double kPi = std::numbers::pi;
  decorations[0]->SetAlpha(static_cast<float>(std::cos(0.0)));
  decorations[1]->SetAlpha(static_cast<float>(std::cos(2 * kPi / 3)));
  decorations[2]->SetAlpha(static_cast<float>(std::cos(4 * kPi / 3)));
}

void TProgram::ShowMenuBackground() {
  Media.MenuBackground->Show();
  for (TMeshSprite* decoration : Media.Decorations) decoration->Show();
}

void TProgram::HideMenuBackground() {
  Media.MenuBackground->Hide();
  for (TMeshSprite* decoration : Media.Decorations) decoration->Hide();
}

void PulseDecorations(TProgram& program, long double k) {
  constexpr long double kPi = std::numbers::pi_v<long double>;
  long double& phase = program.DecorationPhase;
  phase += k * 0.02L;
  if (phase > 2 * kPi) phase = 0;
  TMeshSprite** decorations = program.Media.Decorations;
  decorations[0]->SetAlpha(static_cast<float>(std::sin(phase)));
  decorations[1]->SetAlpha(static_cast<float>(std::sin(phase + 4 * kPi / 3)));
  decorations[2]->SetAlpha(static_cast<float>(std::sin(phase + 2 * kPi / 3)));
}
