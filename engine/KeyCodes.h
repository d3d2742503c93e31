// The engine's key codes (DirectInput keyboard scan codes) of the keys the game asks for by
// name: the screens, the routing, the bat's controls and the main loop's hot keys.
#pragma once

enum : int {
  kKeyEscape = 1,
  kKey1 = 2,
  kKey2 = 3,
  kKey4 = 5,
  kKey8 = 9,
  kKeyBackspace = 14,
  kKeyTab = 15,
  kKeyP = 25,
  kKeyEnter = 28,
  kKeyLeftCtrl = 29,
  kKeyLeftShift = 42,
  kKeyRightShift = 54,
  kKeyLeftAlt = 56,
  kKeySpace = 57,
  kKeyF4 = 62,
  kKeyF12 = 88,
  kKeyRightCtrl = 157,
  kKeyRightAlt = 184,
  kKeyPause = 197,
  kKeyUp = 200,
  kKeyLeft = 203,
  kKeyRight = 205,
  kKeyDown = 208,
};
