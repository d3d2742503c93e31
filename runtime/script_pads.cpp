#include "runtime/script_pads.h"

#include <cmath>
#include <cstdlib>

#include "runtime/live_input.h"

namespace rt {
namespace {

// The headless pad: the live input's own bookkeeping, fed by the script instead of a device.
class MemoryPads final : public ScriptPads {
 public:
  void plug() override { pads_.padAdded(kPad); }
  void unplug() override { pads_.padRemoved(kPad); }
  void button(int button, bool down) override { pads_.padButton(kPad, button, down); }
  void axis(int axis, int value) override { pads_.padAxis(kPad, axis, value); }
  void take(InputFrame& frame) override { pads_.takePads(frame); }
  void rumble(float, int) override {}

 private:
  static constexpr int kPad = 0;
  LiveInput pads_;
};

}  // namespace

std::unique_ptr<ScriptPads> makeMemoryPads() {
  return std::make_unique<MemoryPads>();
}

}  // namespace rt

namespace rt {
namespace {

constexpr const char* kButtonNames[kPadButtons] = {"a",
                                                   "b",
                                                   "x",
                                                   "y",
                                                   "back",
                                                   "guide",
                                                   "start",
                                                   "leftstick",
                                                   "rightstick",
                                                   "leftshoulder",
                                                   "rightshoulder",
                                                   "dpup",
                                                   "dpdown",
                                                   "dpleft",
                                                   "dpright"};
constexpr const char* kAxisNames[kPadAxes] = {"leftx",  "lefty",       "rightx",
                                              "righty", "lefttrigger", "righttrigger"};

template <std::size_t N>
int indexOf(const char* const (&names)[N], const std::string& word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (word == names[i]) return static_cast<int>(i);
  }
  return -1;
}

bool parseDeflection(const std::string& word, double& value) {
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return !word.empty() && end == word.c_str() + word.size() && value >= -1 && value <= 1;
}

}  // namespace

std::string PadCommands::check(const std::vector<std::string>& w) {
  if (w.size() == 1 && (w[0] == "plug" || w[0] == "unplug")) return "";
  if (!w.empty() && (w[0] == "button" || w[0] == "hold" || w[0] == "release")) {
    if (w.size() < 2 || (w[0] != "button" && w.size() != 2)) return "expects button names";
    for (std::size_t i = 1; i < w.size(); ++i) {
      if (indexOf(kButtonNames, w[i]) < 0) return "unknown pad button \"" + w[i] + "\"";
    }
    return "";
  }
  if (!w.empty() && w[0] == "axis") {
    double value = 0;
    if (w.size() != 3 || !parseDeflection(w[2], value))
      return "expects axis NAME VALUE from -1 to 1";
    return indexOf(kAxisNames, w[1]) < 0 ? "unknown pad axis \"" + w[1] + "\"" : "";
  }
  return "expects plug, unplug, button, hold, release or axis";
}

std::string PadCommands::run(const std::vector<std::string>& w) {
  if (w[0] == "plug") {
    if (!plugged_) pads_->plug();
    plugged_ = true;
    return "";
  }
  if (!plugged_) return "no pad is plugged in";
  if (w[0] == "unplug") {
    pads_->unplug();
    plugged_ = false;
    held_ = pressed_ = 0;
  } else if (w[0] == "axis") {
    const double value = std::strtod(w[2].c_str(), nullptr);
    pads_->axis(indexOf(kAxisNames, w[1]), static_cast<int>(std::lround(value * kPadAxisFull)));
  } else if (w[0] == "button") {
    for (std::size_t i = 1; i < w.size(); ++i) press(indexOf(kButtonNames, w[i]));
  } else if (w[0] == "hold") {
    const int button = indexOf(kButtonNames, w[1]);
    press(button);
    held_ |= 1u << button;
  } else {
    const int button = indexOf(kButtonNames, w[1]);
    held_ &= ~(1u << button);
    pressed_ &= ~(1u << button);
    pads_->button(button, false);
  }
  return "";
}

void PadCommands::press(int button) {
  const std::uint32_t bit = 1u << button;
  // A button still down goes up first, so this press is a press of its own.
  if ((held_ | pressed_) & bit) pads_->button(button, false);
  pads_->button(button, true);
  pressed_ |= bit;
}

void PadCommands::startFrame() {
  const std::uint32_t up = pressed_ & ~held_;
  pressed_ = 0;
  if (!plugged_) return;
  for (int button = 0; button < kPadButtons; ++button) {
    if (up & (1u << button)) pads_->button(button, false);
  }
}

}  // namespace rt
