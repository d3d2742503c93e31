// Full screen fills the screen, with a window manager and without one: what the X screen shows
// (read with xwd, not the game's own picture) is the game's picture scaled to the whole screen.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "tests/e2e/child_process.h"
#include "tests/e2e/screen_capture.h"
#include "tests/e2e/window_game.h"
#include "tests/e2e/window_manager.h"
#include "tests/support/full_screen_settings.h"

namespace {

using e2e::Shot;

// The share of 32-pixel blocks of the screen whose mean colour is more than `tolerance` from the
// mean of the picture's pixels shown there (the screen shows the picture scaled to its size).
double DifferingBlocks(const Shot& screen, const Shot& picture, int tolerance) {
  constexpr int kBlock = 32;
  int blocks = 0, differing = 0;
  for (int by = 0; by + kBlock <= screen.height(); by += kBlock) {
    for (int bx = 0; bx + kBlock <= screen.width(); bx += kBlock) {
      double shown[3] = {}, drawn[3] = {};
      for (int y = by; y < by + kBlock; ++y) {
        for (int x = bx; x < bx + kBlock; ++x) {
          const e2e::Rgb s = screen.at(x, y);
          const e2e::Rgb p = picture.at(x * picture.width() / screen.width(),
                                        y * picture.height() / screen.height());
          shown[0] += s.r, shown[1] += s.g, shown[2] += s.b;
          drawn[0] += p.r, drawn[1] += p.g, drawn[2] += p.b;
        }
      }
      bool differs = false;
      for (int c = 0; c < 3; ++c)
        differs |= std::fabs(shown[c] - drawn[c]) / (kBlock * kBlock) > tolerance;
      ++blocks;
      differing += differs ? 1 : 0;
    }
  }
  return blocks ? static_cast<double>(differing) / blocks : 1;
}

TEST(FullScreen, TheWholeScreenShowsTheMenuWithAndWithoutAWindowManager) {
  const std::string shots = e2e::ShotsFolder("full-screen");
  for (const bool managed : {false, true}) {
    const std::string name = managed ? "with-window-manager" : "without-window-manager";
    SCOPED_TRACE(name);
    e2e::PrivateDisplay display;
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    std::unique_ptr<e2e::WindowManager> manager;
    if (managed) {
      manager = std::make_unique<e2e::WindowManager>(display.name());
      ASSERT_TRUE(manager->running()) << "openbox did not start";
    }
    testing_support::TempDir user;
    testing_support::WriteFile(user.file("data/settings.dat"),
                               testing_support::FullScreenSettings());
    // The menu once its fade and the first button's highlight are done, shot; then the game goes on
    // (the virtual clock standing nearly still) until the test has read the screen and ends it.
    const std::string picture = e2e::ShotPath(shots, name + "-picture");
    const std::string script = "until fade == 200 400\nframes 100\nshot " + picture +
                               "\nperiod 0.0001\nframes 100000000\n";
    testing_support::WriteFile(user.file("script.txt"), script);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const pid_t game = e2e::StartProgram({GLINT_GAME_BINARY, "--script", user.file("script.txt"),
                                          "--user-dir", user.path(), "--seed", "1"},
                                         display.name());
    const bool shot = e2e::AppearsWithin(picture, std::chrono::seconds(20));
    // The frame shot has reached the screen well within this.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::string error;
    const Shot screen = e2e::CaptureScreen(display.name(), error);
    e2e::EndProgram(game);
    ASSERT_TRUE(shot) << "the game shot no picture";
    ASSERT_FALSE(screen.empty()) << error;
    ASSERT_TRUE(screen.Save(e2e::ShotPath(shots, name + "-screen"), error)) << error;
    const Shot drawn = e2e::LoadShot(picture);
    ASSERT_FALSE(drawn.empty());

    // 1024 x 768 is the picture's shape: it fills the screen exactly, without borders.
    const double differing = DifferingBlocks(screen, drawn, 24);
    std::printf("%s: %.1f %% of the screen's blocks differ from the picture\n", name.c_str(),
                100 * differing);
    EXPECT_LT(differing, 0.05) << "the screen does not show the whole picture";
  }
}

}  // namespace
