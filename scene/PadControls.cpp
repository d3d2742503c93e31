#include "scene/PadControls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/KeyCodes.h"
#include "engine/PadCodes.h"
#include "menus/GameStates.h"

namespace {

// A stick at rest seldom reads 0: a quarter of the way out is still rest.
constexpr long double kDeadZone = kPadAxisFull / 4.0L;
constexpr int kStickSteps = 127;

struct PadKey {
  int button;
  int key;
};

constexpr PadKey kEveryScreen[] = {
    {kPadUp, kKeyUp},       {kPadDown, kKeyDown}, {kPadLeft, kKeyLeft},
    {kPadRight, kKeyRight}, {kPadB, kKeyEscape},
};
constexpr PadKey kMenus[] = {{kPadA, kKeyEnter}};
constexpr PadKey kGame[] = {{kPadA, kKeySpace}, {kPadStart, kKeyP}};

template <std::size_t N>
void AddKeys(TFrameInput& input, const PadKey (&keys)[N]) {
  for (const PadKey& pair : keys) {
    if (input.PadDown(pair.button)) input.down[pair.key] = true;
    if (input.PadClicked(pair.button)) input.down[pair.key] = input.clicked[pair.key] = true;
  }
}

}  // namespace

TFrameInput WithPadKeys(const TFrameInput& input, std::uint8_t state) {
  TFrameInput keys = input;
  if (input.padDown == 0 && input.padClicked == 0) return keys;
  AddKeys(keys, kEveryScreen);
  if (state == gsPlaying || state == gsPaused) {
    AddKeys(keys, kGame);
  } else {
    AddKeys(keys, kMenus);
  }
  return keys;
}

std::int8_t StickSteps(int axis) {
  const long double beyond = std::abs(static_cast<long double>(axis)) - kDeadZone;
  if (beyond <= 0) return 0;
  const long double share = std::min(1.0L, beyond / (kPadAxisFull - kDeadZone));
  const auto steps = static_cast<std::int8_t>(std::max(1.0L, std::round(share * kStickSteps)));
  return axis < 0 ? static_cast<std::int8_t>(-steps) : steps;
}

long double StickDeflection(std::int8_t steps) {
  return static_cast<long double>(steps) / kStickSteps;
}

bool PadInUse(const TFrameInput& input) {
  return input.padDown != 0 || input.padClicked != 0 || input.padStick != 0;
}
