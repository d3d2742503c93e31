// One frame of keyboard, mouse and gamepad input, and where it comes from: live devices (the SDL
// layer) or a script. The engine core takes a frame at the start of every engine pass.
#pragma once

#include <array>
#include <cstdint>

#include "engine/PadCodes.h"

namespace rt {

struct InputFrame {
  std::array<bool, 256> down{};        // held, by DirectInput scan code
  std::array<bool, 256> clicked{};     // went down since the previous frame
  std::array<bool, 2> mouseClicked{};  // 0 left, 1 right: pressed since the previous frame
  float mouseX = 0.5f;                 // 0..1 across the window's picture, from the left
  float mouseY = 0.5f;                 // 0..1 from the top
  // Every pad plugged in, as one: a button's bit (1 << engine pad button) is held while any pad
  // holds it, clicked when it went down on any pad; an axis is the farthest from rest of all.
  std::uint32_t padDown = 0;
  std::uint32_t padClicked = 0;
  std::array<std::int16_t, kPadAxes> padAxes{};
};

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Fills this frame's input and starts collecting the next one.
  virtual void nextFrame(InputFrame& frame) = 0;
  // The game puts the engine's pointer back (0..1 window coordinates).
  virtual void resetMouse(float x, float y) = 0;
  // The game shakes the pads (strength 0..1); a source without pads does nothing.
  virtual void rumble(float /*strength*/, int /*milliseconds*/) {}
};

}  // namespace rt
