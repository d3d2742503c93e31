// Live keyboard and mouse input collected between frames.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "runtime/live_input.h"

namespace {

rt::InputFrame take(rt::LiveInput& input) {
  rt::InputFrame frame;
  input.nextFrame(frame);
  return frame;
}

TEST(LiveInput, APressIsAClickOnceAndHeldUntilReleased) {
  rt::LiveInput input;
  input.keyDown(57);
  input.keyDown(57);  // auto-repeat of the held key
  auto frame = take(input);
  EXPECT_TRUE(frame.down[57]);
  EXPECT_TRUE(frame.clicked[57]);
  frame = take(input);
  EXPECT_TRUE(frame.down[57]);
  EXPECT_FALSE(frame.clicked[57]);
  input.keyUp(57);
  frame = take(input);
  EXPECT_FALSE(frame.down[57]);
  EXPECT_FALSE(frame.clicked[57]);
}

TEST(LiveInput, PressAndReleaseWithinOneFrameStillClicks) {
  rt::LiveInput input;
  input.keyDown(28);
  input.keyUp(28);
  input.buttonDown(1);
  auto frame = take(input);
  EXPECT_TRUE(frame.clicked[28]);
  EXPECT_FALSE(frame.down[28]);
  EXPECT_TRUE(frame.mouseClicked[1]);
  EXPECT_FALSE(frame.mouseClicked[0]);
  frame = take(input);
  EXPECT_FALSE(frame.clicked[28]);
  EXPECT_FALSE(frame.mouseClicked[1]);
}

TEST(LiveInput, CodesOutsideTheTableAreIgnored) {
  rt::LiveInput input;
  for (int code : {0, -5, 256, 1000}) input.keyDown(code);
  input.buttonDown(2);
  const auto frame = take(input);
  for (bool down : frame.down) EXPECT_FALSE(down);
  EXPECT_FALSE(frame.mouseClicked[0] || frame.mouseClicked[1]);
}

TEST(LiveInput, LosingFocusReleasesHeldKeys) {
  rt::LiveInput input;
  input.keyDown(203);
  take(input);
  input.releaseAll();
  EXPECT_FALSE(take(input).down[203]);
}

TEST(LiveInput, PointerIsMeasuredOnTheLetterboxedPicture) {
  const struct {
    int width, height, x, y;
    float mouseX, mouseY;
  } cases[] = {
      {800, 600, 0, 0, 0, 0},         {800, 600, 400, 300, 0.5f, 0.5f},
      {800, 600, 800, 600, 1, 1},     {1920, 1080, 960, 540, 0.5f, 0.5f},
      {1920, 1080, 240, 0, 0, 0},     {1920, 1080, 100, 540, 0, 0.5f},  // left bar
      {1920, 1080, 1800, 1080, 1, 1}, {1024, 1280, 512, 256, 0.5f, 0},  // bar above
  };
  for (const auto& c : cases) {
    rt::LiveInput input;
    input.windowResized(c.width, c.height);
    input.pointerAt(c.x, c.y);
    const auto frame = take(input);
    EXPECT_NEAR(frame.mouseX, c.mouseX, 1e-4) << c.width << "x" << c.height << " " << c.x;
    EXPECT_NEAR(frame.mouseY, c.mouseY, 1e-4) << c.width << "x" << c.height << " " << c.y;
  }
}

TEST(LiveInput, ResetMovesThePointerIntoThePicture) {
  rt::LiveInput input;
  std::vector<std::pair<int, int>> warps;
  input.setPointerWarp([&](int x, int y) { warps.emplace_back(x, y); });
  input.windowResized(1920, 1080);
  input.resetMouse(0.5f, 0.5f);
  input.resetMouse(0, 1);
  const auto frame = take(input);
  EXPECT_FLOAT_EQ(frame.mouseX, 0);
  EXPECT_FLOAT_EQ(frame.mouseY, 1);
  ASSERT_EQ(warps.size(), 2u);
  EXPECT_EQ(warps[0], std::make_pair(960, 540));
  EXPECT_EQ(warps[1], std::make_pair(240, 1080));
}

}  // namespace
