// The engine opened on the headless backend over the built game folder, with a virtual clock and
// input where nothing is ever pressed: the ground of the tests that run game objects in process.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "engine/impact.h"
#include "platform/files.h"
#include "runtime/runtime.h"

namespace testing_support {

class StillInput final : public rt::InputSource {
 public:
  void nextFrame(rt::InputFrame& frame) override { frame = {}; }
  void resetMouse(float, float) override {}
};

// Opens it (a gtest assertion fails when the engine refuses) and closes it when destroyed.
class HeadlessEngine {
 public:
  HeadlessEngine() {
    files::setGameDir(GLINT_GAME_DIR);
    rt::setBackend(rt::makeHeadlessBackend());
    rt::setClock(std::make_unique<rt::VirtualClock>());
    rt::setInput(input_);
    EXPECT_EQ(i3ImpactOpen(1, 0), 1);
    const std::int32_t settings[6] = {0, 0, 15360000, 0, 0, -1};
    EXPECT_EQ(i3ImpactSettings(settings), 1);
  }
  ~HeadlessEngine() { i3ImpactClose(); }
  HeadlessEngine(const HeadlessEngine&) = delete;
  HeadlessEngine& operator=(const HeadlessEngine&) = delete;

 private:
  StillInput input_;
};

}  // namespace testing_support
