// Live keyboard, mouse and gamepad input collected between frames.
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

TEST(LiveInput, SeveralPadsPlayAsOneAndAPadPulledOutTakesWhatItHeld) {
  constexpr std::uint32_t kA = 1u << kPadA, kLeft = 1u << kPadLeft;
  rt::LiveInput input;
  input.padAdded(7);
  input.padAdded(9);
  input.padButton(7, kPadA, true);
  input.padAxis(7, kPadLeftX, -20000);
  input.padAxis(9, kPadLeftX, 30000);
  auto frame = take(input);
  EXPECT_EQ(frame.padDown, kA);
  EXPECT_EQ(frame.padClicked, kA);
  EXPECT_EQ(frame.padAxes[kPadLeftX], 30000) << "the stick pushed farthest";

  // The second pad presses A too: a click of its own; the first's A is still held.
  input.padButton(9, kPadA, true);
  input.padButton(9, kPadLeft, true);
  frame = take(input);
  EXPECT_EQ(frame.padDown, kA | kLeft);
  EXPECT_EQ(frame.padClicked, kA | kLeft);

  input.padRemoved(9);
  frame = take(input);
  EXPECT_EQ(frame.padDown, kA) << "the first pad holds A still";
  EXPECT_EQ(frame.padClicked, 0u);
  EXPECT_EQ(frame.padAxes[kPadLeftX], -20000);
  input.padRemoved(7);
  frame = take(input);
  EXPECT_EQ(frame.padDown, 0u);
  EXPECT_EQ(frame.padAxes[kPadLeftX], 0);

  // Buttons and axes outside the engine's are ignored; values are kept within an axis' range.
  input.padAdded(1);
  input.padButton(1, kPadButtons, true);
  input.padButton(1, -1, true);
  input.padAxis(1, kPadAxes, 5);
  input.padAxis(1, kPadLeftY, -99999);
  frame = take(input);
  EXPECT_EQ(frame.padDown, 0u);
  EXPECT_EQ(frame.padAxes[kPadLeftY], -32768);
}

TEST(LiveInput, LosingFocusLetsGoOfThePads) {
  rt::LiveInput input;
  input.padAdded(3);
  input.padButton(3, kPadRight, true);
  input.padAxis(3, kPadLeftX, 32767);
  take(input);
  input.releaseAll();
  const auto frame = take(input);
  EXPECT_EQ(frame.padDown, 0u);
  EXPECT_EQ(frame.padAxes[kPadLeftX], 0);
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
