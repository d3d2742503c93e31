// Keyboard, mouse and gamepads from the devices, collected between frames. The SDL layer feeds
// it from its event pump; the engine core takes one frame at the start of every engine pass.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>

#include "runtime/input.h"

namespace rt {

// Where the 800 x 600 picture sits in a window of the given size: scaled to fit and centred,
// with bars on the two sides that are too long (the same in a plain 800 x 600 window).
struct PictureFrame {
  float left = 0, top = 0, scale = 1;
  static PictureFrame inWindow(int windowWidth, int windowHeight);
};

class LiveInput final : public InputSource {
 public:
  // Moves the system pointer to a position in window pixels.
  using PointerWarp = std::function<void(int x, int y)>;
  // Shakes every pad that can (strength 0..1).
  using Rumble = std::function<void(float strength, int milliseconds)>;

  void nextFrame(InputFrame& frame) override;
  // Puts the pointer at x, y (0..1 of the picture) now and, when a warp is set, moves the
  // system pointer there too.
  void resetMouse(float x, float y) override;
  void rumble(float strength, int milliseconds) override;

  // Key went down or up, by DirectInput code; repeats of a held key are not new presses.
  void keyDown(int code);
  void keyUp(int code);
  // 0 left, 1 right.
  void buttonDown(int button);
  // The pointer at a position in window pixels; outside the picture it stays on its edge.
  void pointerAt(int x, int y);
  void windowResized(int width, int height);
  // Focus went elsewhere: no key or pad button stays held and no stick stays pushed (their
  // releases would never arrive).
  void releaseAll();
  void setPointerWarp(PointerWarp warp) { warp_ = std::move(warp); }
  void setRumble(Rumble rumble) { rumble_ = std::move(rumble); }

  // Pads by an id of the device's, its own until the pad is removed. A pad removed takes its
  // held buttons and its pushed sticks with it; the other pads, the keys and the mouse go on.
  void padAdded(int pad);
  void padRemoved(int pad);
  void padButton(int pad, int button, bool down);
  void padAxis(int pad, int axis, int value);
  // The pads' part of the frame, as nextFrame gives it: every pad as one. The clicks start again.
  void takePads(InputFrame& frame);

 private:
  struct Pad {
    std::uint32_t down = 0;
    std::array<std::int16_t, kPadAxes> axes{};
  };

  InputFrame pending_;
  std::map<int, Pad> pads_;
  int windowWidth_ = 800;
  int windowHeight_ = 600;
  PointerWarp warp_;
  Rumble rumble_;
};

// The one live input of the program (the SDL layer feeds it; rt::setInput installs it).
LiveInput& liveInput();

}  // namespace rt
