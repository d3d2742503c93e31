// This frame's input as one value. The frame samples the keys, the mouse, the gamepads, the system
// pointer and the time once at its start and hands the value to the game and to every screen, so
// nothing above the field's objects reads a device or a clock itself: a recorded game, a gamepad or
// an automated player can come in through this one seam.
#pragma once

#include <array>
#include <cstdint>

struct TFrameInput {
  std::array<bool, 256> down{};     // keys held, by engine key code
  std::array<bool, 256> clicked{};  // keys that went down this frame
  bool leftClick = false;           // mouse buttons clicked this frame
  bool rightClick = false;
  float mouseX = 0.5f, mouseY = 0.5f;  // the engine's mouse, 0..1 across the window

  // The gamepads as one (engine/PadCodes.h): the buttons held and clicked this frame, a bit each
  // (1 << button), and the left stick across as the game reads it (scene/PadControls.h): -127
  // (all the way left) to 127, 0 within its dead zone.
  std::uint32_t padDown = 0;
  std::uint32_t padClicked = 0;
  std::int8_t padStick = 0;

  // In a window the system pointer counts (screen pixels), with the game window's rectangle (its
  // top moved down by a caption's height) and whether the window has the focus. Each is read
  // only when the system could tell.
  bool pointerKnown = false;
  int pointerX = 0, pointerY = 0;
  bool windowKnown = false;
  int windowLeft = 0, windowTop = 0, windowRight = 0, windowBottom = 0;
  bool windowFocused = false;
  int screenWidth = 0, screenHeight = 0;

  // The frame's time is read once, in whole milliseconds: the tick, and the time since the
  // previous frame started, of which the frame factor is made (scene/FrameTiming.h).
  std::uint32_t tick = 0;      // the millisecond tick
  std::int64_t stepMs = 0;     // milliseconds since the previous frame started
  long double k = 0;           // frame factor: that time in 13 ms units
  long double engineTime = 0;  // the engine's timer in seconds (carets blink by it)

  bool Down(int code) const { return code >= 0 && code < 256 && down[code]; }
  bool Clicked(int code) const { return code >= 0 && code < 256 && clicked[code]; }
  bool PadDown(int button) const { return button >= 0 && button < 32 && (padDown >> button & 1u); }
  bool PadClicked(int button) const {
    return button >= 0 && button < 32 && (padClicked >> button & 1u);
  }
  // The lowest key code 1..255 that went down this frame; 0 when none did.
  int LowestClicked() const {
    for (int code = 1; code <= 255; ++code) {
      if (clicked[code]) return code;
    }
    return 0;
  }
};
