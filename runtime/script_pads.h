// Where a script's gamepad is plugged in. On the headless engine it is a pad in memory; in a real
// window it is one of SDL's virtual joysticks, so its buttons come back through SDL's game
// controllers and the live input exactly as a real pad's do.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/input.h"

namespace rt {

class ScriptPads {
 public:
  virtual ~ScriptPads() = default;
  // One pad plugged in or taken out; a pad taken out lets go of everything it held.
  virtual void plug() = 0;
  virtual void unplug() = 0;
  // Take effect at once: the frame that follows sees them.
  virtual void button(int button, bool down) = 0;
  virtual void axis(int axis, int value) = 0;
  // The pads' part of this frame, clicks since the last one included.
  virtual void take(InputFrame& frame) = 0;
  virtual void rumble(float strength, int milliseconds) = 0;
};

std::unique_ptr<ScriptPads> makeMemoryPads();
// SDL's virtual joystick (runtime/sdl); only a program that links the SDL layer has it.
std::unique_ptr<ScriptPads> makeVirtualPads();

// The script's "pad" command on one pad: "pad plug", "pad unplug", "pad button NAME…" (pressed
// in the next frame only), "pad hold NAME", "pad release NAME", "pad axis NAME VALUE" (-1..1,
// from the next frame on). Buttons and axes go by their names on the pad: a, b, x, y, back,
// guide, start, leftstick, rightstick, leftshoulder, rightshoulder, dpup, dpdown, dpleft, dpright;
// leftx, lefty, rightx, righty, lefttrigger, righttrigger.
class PadCommands {
 public:
  PadCommands() : pads_(makeMemoryPads()) {}
  void setPads(std::unique_ptr<ScriptPads> pads) { pads_ = std::move(pads); }

  // "" when the words after "pad" are well formed, else the reason.
  static std::string check(const std::vector<std::string>& words);
  // Runs checked words; "" or why they cannot run now (no pad plugged in).
  std::string run(const std::vector<std::string>& words);
  // At the start of a frame: the buttons pressed for the last frame alone go up.
  void startFrame();
  void take(InputFrame& frame) { pads_->take(frame); }
  void rumble(float strength, int milliseconds) { pads_->rumble(strength, milliseconds); }

 private:
  void press(int button);

  std::unique_ptr<ScriptPads> pads_;
  bool plugged_ = false;
  std::uint32_t held_ = 0;     // by "pad hold"
  std::uint32_t pressed_ = 0;  // by "pad button", for one frame
};

}  // namespace rt
