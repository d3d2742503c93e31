// The modifier keys as the screens and the boss key read them: either key of each pair counts.
#pragma once

#include "engine/FrameInput.h"

struct TModifiers {
  bool shift = false, alt = false, ctrl = false;

  bool operator==(const TModifiers&) const = default;
};

// The modifier keys held in this frame.
TModifiers HeldModifiers(const TFrameInput& input);
