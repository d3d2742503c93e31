#include "runtime/live_input.h"

#include <algorithm>
#include <cmath>

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
}

LiveInput& liveInput() {
  static LiveInput instance;
  return instance;
}

}  // namespace rt
