// Frame timing, the status line's time text and the main loop's key table.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/MLCore.h"
#include "runtime/clock.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/FrameTiming.h"
#include "scene/StatusLine.h"

namespace {

// Frames whose starts lie the given milliseconds apart on a counter of microseconds.
class FrameFactorTest : public ::testing::Test {
 protected:
  std::int64_t Step(double ms) {
    now_ += static_cast<std::int64_t>(ms * 1000);
    return timing_.StartFrame(now_);
  }
  long double Frame(double ms) { return FrameFactor(Step(ms)); }
  TFrameTiming timing_;  // a million counts a second
  std::int64_t now_ = 5'000'000;
};

TEST_F(FrameFactorTest, AFrameOf13MsIsOneAndASlowFrameMovesFurther) {
  Frame(13);
  EXPECT_NEAR(static_cast<double>(Frame(13)), 1.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(Frame(26)), 2.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(Frame(39)), 3.0, 1e-9);
}

TEST_F(FrameFactorTest, AFramesTimeIsReadInWholeMillisecondsWithNothingLost) {
  Step(0.25);  // 5000.25 ms
  // 5006.75, 5013.25, 5019.75, 5026.25: each start falls to its whole millisecond, so the steps
  // take turns and add up to the time that passed.
  EXPECT_EQ(Step(6.5), 6);
  EXPECT_EQ(Step(6.5), 7);
  EXPECT_EQ(Step(6.5), 6);
  EXPECT_EQ(Step(6.5), 7);
  EXPECT_EQ(Step(0.5), 0) << "within one millisecond";
}

TEST_F(FrameFactorTest, AStallOfMoreThanASecondOrNoTimeAtAllGivesZero) {
  Frame(13);
  EXPECT_EQ(Frame(1500), 0);
  EXPECT_NEAR(static_cast<double>(Frame(13)), 1.0, 1e-9) << "the next frame moves again";
  EXPECT_EQ(Frame(0), 0);
}

TEST(StatusLine, TimeIsMinutesAndSecondsWithTwoDigitsEach) {
  const struct {
    long double seconds;
    const char* text;
  } cases[] = {{125.9L, "02:05"}, {754, "12:34"}, {545, "09:05"},
               {0.9L, "00:00"},   {0, "00:00"},   {-3, "00:00"}};
  for (const auto& c : cases) EXPECT_EQ(FormatTimeLeft(c.seconds), c.text) << c.text;
}

TEST(KeyTable, MapsTheHotKeysAndTheRestOfTheKeyboard) {
  BuildKeyTable();
  const struct {
    int code, virtualKey;
  } cases[] = {{15, 9},   {62, 115}, {1, 27},   {11, 48},  {16, 81},  {28, 13},  {57, 32},
               {59, 112}, {68, 121}, {69, 144}, {87, 122}, {88, 123}, {156, 13}, {197, 19},
               {200, 38}, {203, 37}, {205, 39}, {208, 40}, {223, 95}, {84, 0},   {255, 0}};
  for (const auto& c : cases) EXPECT_EQ(KeyToVirtualKey[c.code], c.virtualKey) << c.code;
}

TEST(CoreConfig, CentresThe800By600PictureOnTheScreen) {
  auto clock = std::make_unique<rt::VirtualClock>();
  rt::setClock(std::move(clock));
  sys::setSystem(sys::makeHeadlessSystem());  // a 1024 x 768 screen
  TCoreConfig config;
  FillCoreConfig(config);
  const int caption = sys::system().GetSystemMetrics(sys::SM_CYCAPTION);
  EXPECT_EQ(config.Left, 112);
  EXPECT_EQ(config.Top, 84);
  EXPECT_EQ(config.Right, 912);
  EXPECT_EQ(config.Bottom, 684 + caption);
  EXPECT_EQ(config.EngineMode, 15360000);
  EXPECT_STREQ(config.ClassName, "Game");
  EXPECT_STREQ(config.Caption, "Glintbreaker");
}

}  // namespace
