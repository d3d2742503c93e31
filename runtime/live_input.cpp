#include "runtime/live_input.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rt {
namespace {

constexpr float kPictureWidth = 800;
constexpr float kPictureHeight = 600;

bool validCode(int code) {
  return code > 0 && code < 256;
}

}  // namespace

PictureFrame PictureFrame::inWindow(int windowWidth, int windowHeight) {
  if (windowWidth <= 0 || windowHeight <= 0) return {};
  const float scale = std::min(windowWidth / kPictureWidth, windowHeight / kPictureHeight);
  return {(windowWidth - kPictureWidth * scale) / 2, (windowHeight - kPictureHeight * scale) / 2,
          scale};
}

void LiveInput::nextFrame(InputFrame& frame) {
  frame = pending_;
  pending_.clicked.fill(false);
  pending_.mouseClicked.fill(false);
  takePads(frame);
}

void LiveInput::takePads(InputFrame& frame) {
  frame.padDown = 0;
  frame.padClicked = pending_.padClicked;
  frame.padAxes = {};
  for (const auto& [id, pad] : pads_) {
    frame.padDown |= pad.down;
    for (std::size_t axis = 0; axis < pad.axes.size(); ++axis) {
      if (std::abs(pad.axes[axis]) > std::abs(frame.padAxes[axis])) {
        frame.padAxes[axis] = pad.axes[axis];
      }
    }
  }
  pending_.padClicked = 0;
}

void LiveInput::rumble(float strength, int milliseconds) {
  if (rumble_) rumble_(strength, milliseconds);
}

void LiveInput::padAdded(int pad) {
  pads_.try_emplace(pad);
}

void LiveInput::padRemoved(int pad) {
  pads_.erase(pad);
}

void LiveInput::padButton(int pad, int button, bool down) {
  if (button < 0 || button >= kPadButtons) return;
  const std::uint32_t bit = 1u << button;
  std::uint32_t& held = pads_[pad].down;
  if (down && (held & bit) == 0) pending_.padClicked |= bit;
  held = down ? held | bit : held & ~bit;
}

void LiveInput::padAxis(int pad, int axis, int value) {
  if (axis < 0 || axis >= kPadAxes) return;
  pads_[pad].axes[static_cast<std::size_t>(axis)] =
      static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

void LiveInput::resetMouse(float x, float y) {
  pending_.mouseX = std::clamp(x, 0.0f, 1.0f);
  pending_.mouseY = std::clamp(y, 0.0f, 1.0f);
  if (!warp_) return;
  const PictureFrame frame = PictureFrame::inWindow(windowWidth_, windowHeight_);
  warp_(static_cast<int>(std::lround(frame.left + pending_.mouseX * kPictureWidth * frame.scale)),
        static_cast<int>(std::lround(frame.top + pending_.mouseY * kPictureHeight * frame.scale)));
}

void LiveInput::keyDown(int code) {
  if (!validCode(code) || pending_.down[code]) return;
  pending_.down[code] = true;
  pending_.clicked[code] = true;
}

void LiveInput::keyUp(int code) {
  if (validCode(code)) pending_.down[code] = false;
}

void LiveInput::buttonDown(int button) {
  if (button == 0 || button == 1) pending_.mouseClicked[button] = true;
}

void LiveInput::pointerAt(int x, int y) {
  const PictureFrame frame = PictureFrame::inWindow(windowWidth_, windowHeight_);
  pending_.mouseX = std::clamp((x - frame.left) / (kPictureWidth * frame.scale), 0.0f, 1.0f);
  pending_.mouseY = std::clamp((y - frame.top) / (kPictureHeight * frame.scale), 0.0f, 1.0f);
}

void LiveInput::windowResized(int width, int height) {
  if (width <= 0 || height <= 0) return;
  windowWidth_ = width;
  windowHeight_ = height;
}

void LiveInput::releaseAll() {
  pending_.down.fill(false);
  for (auto& [id, pad] : pads_) pad = Pad{};
}

LiveInput& liveInput() {
  static LiveInput instance;
  return instance;
}

}  // namespace rt
