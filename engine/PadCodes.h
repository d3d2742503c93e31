// The engine's gamepad buttons and axes, in the layout of the common console pad (A at the bottom
// of the four face buttons, B on its right). Every pad plugged in reports into the same buttons
// and axes, so two pads play as one.
#pragma once

enum : int {
  kPadA = 0,
  kPadB,
  kPadX,
  kPadY,
  kPadBack,
  kPadGuide,
  kPadStart,
  kPadLeftStick,
  kPadRightStick,
  kPadLeftShoulder,
  kPadRightShoulder,
  kPadUp,
  kPadDown,
  kPadLeft,
  kPadRight,
  kPadButtons,
};

enum : int {
  kPadLeftX = 0,
  kPadLeftY,
  kPadRightX,
  kPadRightY,
  kPadLeftTrigger,
  kPadRightTrigger,
  kPadAxes,
};

// An axis at full deflection (left or up is negative, to -32768; the triggers go 0 to 32767).
inline constexpr int kPadAxisFull = 32767;
