// One frame of keyboard and mouse input, and where it comes from: live devices (the SDL layer)
// or a script. The engine core takes a frame at the start of every engine pass.
#pragma once

#include <array>

namespace rt {

struct InputFrame {
  std::array<bool, 256> down{};        // held, by DirectInput scan code
  std::array<bool, 256> clicked{};     // went down since the previous frame
  std::array<bool, 2> mouseClicked{};  // 0 left, 1 right: pressed since the previous frame
  float mouseX = 0.5f;                 // 0..1 across the window's picture, from the left
  float mouseY = 0.5f;                 // 0..1 from the top
};

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Fills this frame's input and starts collecting the next one.
  virtual void nextFrame(InputFrame& frame) = 0;
  // The game puts the engine's pointer back (0..1 window coordinates).
  virtual void resetMouse(float x, float y) = 0;
};

}  // namespace rt
