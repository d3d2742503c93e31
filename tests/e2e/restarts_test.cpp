// Closing the engine and opening it again, as a full-screen game does when it is minimised (the
// screen lost, the boss key) and every switch between window and full screen does, brings the
// same scene back and leaves nothing behind: the pictures before and after are the same, and
// neither the engine's objects nor the resident memory grow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "tests/e2e/shot_image.h"
#include "tests/e2e/window_game.h"
#include "tests/support/full_screen_settings.h"

namespace {

using e2e::DifferingShare;
using e2e::LoadShot;
using e2e::Shot;
using e2e::ShotCommand;
using e2e::ShotPath;
using testing_support::Field;
using testing_support::FullScreenSettings;
using testing_support::Member;
using testing_support::TempDir;
using testing_support::WriteFile;

using Dumps = std::vector<std::string>;

constexpr int kMinimiseCycles = 100;
constexpr int kDisplaySwitches = 20;
// The allocator now and then moves a picture's worth of memory (an 800 x 600 canvas, about 2 MB)
// between its heap and mapped pages, so the resident memory wanders by that much. A leak of
// 100 KB an engine open outgrows this within fifty opens; the engine's own objects are counted
// exactly.
constexpr long kResidentSlackKiB = 4096;

// Less than a microsecond a frame: the virtual clock stands still, so everything that moves with
// time (the pulsing logo, the pointer's glint, the field) stays put and pictures can be compared
// pixel for pixel.
constexpr const char* kStillClock = "period 0.0001\n";

// The engine closed by losing the screen, or by the boss key, and opened again by activating the
// window, `times` times, a dump after each; pictures after the first and the last. The rebuilt
// scene runs a few frames each time (button highlights fade in).
std::string MinimiseAndRestore(int times, const std::string& shots) {
  std::string script;
  for (int cycle = 1; cycle <= times; ++cycle) {
    script += std::string(cycle % 2 == 0 ? "key 88\n" : "message deactivate\n") +
              "frames 2\nexpect displayMode == 0\nmessage activate\nframes 30\n"
              "expect displayMode == 1\ndump\n";
    if (cycle == 1) script += ShotCommand(shots, "after-first-restore");
  }
  return script + ShotCommand(shots, "after-last-restore");
}

// From the main menu with the options item selected: the options opened, the display mode
// switched and back on the main menu in the new mode, `times` times from full screen, a dump
// after each; pictures after the second and the last switch, both in full screen.
std::string SwitchDisplay(int times, const std::string& shots) {
  std::string script;
  for (int change = 1; change <= times; ++change) {
    script += std::string(
                  "key 28\nframes 1\nexpect GameState == gsOptions\n"
                  "until screens.options.Slide == 100 60\nkey 205\nframes 2\n"
                  "expect GameState == gsMainMenu\nexpect displayMode == ") +
              (change % 2 == 0 ? "1" : "0") + "\nframes 30\ndump\n";
    if (change == 2) script += ShotCommand(shots, "after-second-switch");
  }
  return script + ShotCommand(shots, "after-last-switch");
}

// The engine's counts of a dump but the backend's pictures: those are decoded as they first
// show, so how many there are depends on what was on screen since the engine opened.
std::string EngineObjects(const std::string& dump) {
  return std::regex_replace(Member(dump, "engine"), std::regex(R"("backendTextures":\d+,?)"), "");
}

// Every dump's engine counts equal those of the first, and the backend never holds more pictures
// than the engine has (textures, font atlases, particle pictures).
void ExpectSameEngineObjects(const Dumps& dumps, const char* what) {
  const std::string first = EngineObjects(dumps.front());
  ASSERT_FALSE(first.empty());
  for (std::size_t i = 0; i < dumps.size(); ++i) {
    ASSERT_EQ(EngineObjects(dumps[i]), first) << what << ", dump " << i;
    const std::string engine = Member(dumps[i], "engine");
    EXPECT_LE(Field(engine, "backendTextures"),
              Field(engine, "textures") + Field(engine, "fonts") + Field(engine, "particleSets"))
        << what << ", dump " << i;
  }
  std::printf("%s: the engine holds %s each time\n", what, first.c_str());
}

// The resident memory of the second half of the dumps stays within the first half's.
void ExpectFlatMemory(const Dumps& dumps, const char* what) {
  const auto peak = [&](std::size_t from, std::size_t to) {
    double most = 0;
    for (std::size_t i = from; i < to; ++i) most = std::max(most, Field(dumps[i], "residentKiB"));
    return static_cast<long>(most);
  };
  const std::size_t half = dumps.size() / 2;
  const long first = peak(0, half), second = peak(half, dumps.size());
  std::printf(
      "%s: resident %.0f KiB at the start, at most %ld KiB in the first half, %ld KiB in "
      "the second\n",
      what, Field(dumps.front(), "residentKiB"), first, second);
  EXPECT_GT(first, 0);
  EXPECT_LE(second, first + kResidentSlackKiB) << what;
}

// The two pictures are the same, pixel for pixel, and not black.
void ExpectSamePicture(const std::string& folder, const std::string& first,
                       const std::string& second) {
  const Shot a = LoadShot(ShotPath(folder, first)), b = LoadShot(ShotPath(folder, second));
  EXPECT_EQ(DifferingShare(a, b, a.whole()), 0.0) << first << " and " << second;
  EXPECT_GT(a.MeanLuma(a.whole()), 20) << first << " is black";
}

class Restarts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
    // Full screen: only there does minimising close the engine.
    WriteFile(user_.file("data/settings.dat"), FullScreenSettings());
  }

  // Runs the script; its dumps, split after the first `minimised` (the start and the minimise
  // cycles) from the display switches.
  void Play(const std::string& script, Dumps& minimised, Dumps& switched) {
    const auto run = e2e::PlayInWindow(display_, script, user_.path());
    ASSERT_EQ(run.status, 0) << run.err;
    const Dumps dumps = run.Dumps();
    ASSERT_EQ(dumps.size(), 1u + kMinimiseCycles + kDisplaySwitches);
    minimised.assign(dumps.begin(), dumps.begin() + 1 + kMinimiseCycles);
    switched.assign(dumps.begin() + 1 + kMinimiseCycles, dumps.end());
  }

  e2e::PrivateDisplay display_;
  TempDir user_;
};

TEST_F(Restarts, TheMainMenuComesBackTheSameAfterMinimisingAndSwitchingTheDisplay) {
  const std::string shots = e2e::ShotsFolder("restarts-menu");
  Dumps minimised, switched;
  // Down to the options item for the switches: each lands on the main menu with it selected.
  ASSERT_NO_FATAL_FAILURE(Play(testing_support::kMenuReady + kStillClock + "frames 30\ndump\n" +
                                   MinimiseAndRestore(kMinimiseCycles, shots) +
                                   "key 208\nframes 30\n" + SwitchDisplay(kDisplaySwitches, shots),
                               minimised, switched));

  Dumps all = minimised;
  all.insert(all.end(), switched.begin(), switched.end());
  ExpectSameEngineObjects(all, "the main menu");
  ExpectFlatMemory(minimised, "minimising in the main menu");
  ExpectFlatMemory(switched, "switching the display");
  ExpectSamePicture(shots, "after-first-restore", "after-last-restore");
  ExpectSamePicture(shots, "after-second-switch", "after-last-switch");
}

TEST_F(Restarts, APausedGameComesBackTheSameAfterMinimisingAndItsResourcesSurviveSwitches) {
  const std::string shots = e2e::ShotsFolder("restarts-paused");
  Dumps minimised, switched;
  // A game on the first level, its ball in flight, paused; then the game quit for the main menu,
  // where every switch rebuilds the game's resources too.
  ASSERT_NO_FATAL_FAILURE(
      Play(testing_support::kMenuReady +
               std::string("key 28\nuntil gsPlaying 50\nuntil phase == play 2000\n"
                           "key 57\nframes 30\nkey 25\nframes 2\nexpect GameState == gsPaused\n") +
               kStillClock + "frames 5\ndump\n" + ShotCommand(shots, "before") +
               MinimiseAndRestore(kMinimiseCycles, shots) +
               "expect GameState == gsPaused\nkey 25\nframes 2\nkey 1\nframes 2\n"
               "expect GameState == gsQuitConfirm\nkey 28\nuntil gsMainMenu 400\nframes 30\n"
               "expect screens.main.Selected == 1\nkey 208\nframes 30\n" +
               SwitchDisplay(kDisplaySwitches, shots),
           minimised, switched));

  ExpectSameEngineObjects(minimised, "a paused game");
  ExpectSameEngineObjects(switched, "the main menu after a game");
  ExpectFlatMemory(minimised, "minimising a paused game");
  ExpectFlatMemory(switched, "switching the display after a game");
  // The game itself is untouched: the bat, the ball in flight, the bricks, the counters.
  for (const char* part :
       {"GameState", "bat", "balls", "bricks", "score", "lives", "timeLeft", "printed"}) {
    for (std::size_t i = 1; i < minimised.size(); ++i)
      ASSERT_EQ(Member(minimised[i], part), Member(minimised[0], part))
          << part << ", restart " << i;
  }
  ExpectSamePicture(shots, "after-first-restore", "after-last-restore");
  ExpectSamePicture(shots, "after-second-switch", "after-last-switch");
  // Only what lives in the engine alone is gone after the first restore: the bat's exhaust
  // flames and the bricks' glints start again once the game runs.
  const Shot before = LoadShot(ShotPath(shots, "before")),
             restored = LoadShot(ShotPath(shots, "after-first-restore"));
  const double changed = DifferingShare(before, restored, before.whole(), 8);
  std::printf("the picture before the first restart differs from the restored one in %.2f %%\n",
              changed * 100);
  EXPECT_LT(changed, 0.01);
}

}  // namespace
