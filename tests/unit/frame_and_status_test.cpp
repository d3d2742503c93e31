// Frame timing, the status line's time text and the main loop's key table.
#include <gtest/gtest.h>

#include "app/MLCore.h"
#include "runtime/clock.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/FrameTiming.h"
#include "scene/StatusLine.h"

namespace {

class FrameFactorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto clock = std::make_unique<rt::VirtualClock>();
    clock_ = clock.get();
    rt::setClock(std::move(clock));
    sys::setSystem(sys::makeHeadlessSystem());
    SecondsPerCount = 1.0L / clock_->frequency();
    StartFrameTiming();
  }
  void Frame(double ms) {
    clock_->advanceMillis(ms);
    StartFrameTiming();
  }
  rt::VirtualClock* clock_ = nullptr;
};

TEST_F(FrameFactorTest, SteadyFramesGiveOnePlusTheElapsedPartOfThisFrame) {
  Frame(13);
  Frame(13);
  EXPECT_NEAR(static_cast<double>(FrameFactor()), 1.0, 1e-9);
  clock_->advanceMillis(6.5);
  EXPECT_NEAR(static_cast<double>(FrameFactor()), 1.5, 1e-9);
}

TEST_F(FrameFactorTest, ASlowFrameMovesTwiceAsFar) {
  Frame(13);
  Frame(26);
  EXPECT_NEAR(static_cast<double>(FrameFactor()), 2.0, 1e-9);
}

TEST_F(FrameFactorTest, AStallOfMoreThanASecondGivesZero) {
  Frame(13);
  Frame(1500);
  EXPECT_EQ(FrameFactor(), 0);
  Frame(13);
  EXPECT_NEAR(static_cast<double>(FrameFactor()), 1.0, 1e-9);
}

TEST_F(FrameFactorTest, NoTimeAtAllGivesZero) {
  Frame(0);
  EXPECT_EQ(FrameFactor(), 0);
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
