// Scan codes of the keys the screens and the game's routing ask for by name.
#pragma once

enum : int {
  kKeyEscape = 1,
  kKeyP = 25,
  kKeyEnter = 28,
  kKeyLeftCtrl = 29,
  kKeyLeftShift = 42,
  kKeyRightShift = 54,
  kKeyLeftAlt = 56,
  kKeyRightCtrl = 157,
  kKeyRightAlt = 184,
  kKeyPause = 197,
  kKeyUp = 200,
  kKeyLeft = 203,
  kKeyRight = 205,
  kKeyDown = 208,
};
