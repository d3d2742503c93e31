// The modifier keys as the screens and the boss key read them: either key of each pair counts.
#pragma once

struct TModifiers {
  bool shift = false, alt = false, ctrl = false;

  bool operator==(const TModifiers&) const = default;
};

// The modifier keys held now.
TModifiers HeldModifiers();
