// The headless backend and system: what they record and answer in place of a screen.
#include <gtest/gtest.h>

#include "runtime/backend.h"
#include "runtime/headless/headless_system.h"
#include "runtime/system.h"
#include "tests/unit/engine_fixtures.h"

namespace {

TEST(EngineHeadless, BackendAcceptsWaveFilesAndTracksLoopingSounds) {
  auto backend = rt::makeHeadlessBackend();
  EXPECT_EQ(backend->pictureDecoder(), nullptr);
  EXPECT_EQ(backend->loadSound(enginetest::text("RIFF")), 0);
  EXPECT_EQ(backend->loadSound(enginetest::text("RIFF....AVI LIST")), 0);
  const int sound = backend->loadSound(enginetest::wave());
  ASSERT_GT(sound, 0);
  backend->playSound(sound, false);
  EXPECT_FALSE(backend->soundPlaying(sound));
  backend->playSound(sound, true);
  EXPECT_TRUE(backend->soundPlaying(sound));
  backend->stopSound(sound);
  EXPECT_FALSE(backend->soundPlaying(sound));
  EXPECT_EQ(backend->saveShot("x.png"), "the headless engine has no pixels");
  const int a = backend->createTexture({}), b = backend->createTexture({});
  EXPECT_GT(a, 0);
  EXPECT_NE(a, b);
}

TEST(EngineHeadless, BackendIsActiveOnlyWhileTheWindowIsShown) {
  auto system = sys::makeHeadlessSystem();
  ASSERT_TRUE(system->RegisterClass(
      "Game", [](sys::HWND, sys::UINT, sys::WPARAM, sys::LPARAM) -> sys::LRESULT { return 0; }));
  const sys::HWND window =
      system->CreateWindowEx("Game", "Glintbreaker", sys::WS_GAME_WINDOW, 112, 84, 800, 624);
  ASSERT_NE(window, 0u);
  EXPECT_FALSE(system->IsWindowVisible(window)) << "windows are created hidden";
  sys::RECT rect;
  ASSERT_TRUE(system->GetWindowRect(window, rect));
  EXPECT_EQ(rect.right, 912);
  EXPECT_EQ(rect.bottom, 708);
  EXPECT_EQ(system->GetSystemMetrics(sys::SM_CXSCREEN), 1024);
  EXPECT_EQ(system->GetSystemMetrics(sys::SM_CYCAPTION), 24);

  auto backend = rt::makeHeadlessBackend();
  ASSERT_TRUE(backend->open(window, true));
  EXPECT_TRUE(backend->active()) << "the engine shows its window";
  EXPECT_TRUE(backend->fullScreen());
  system->ShowWindow(window, sys::SW_MINIMIZE);
  EXPECT_TRUE(system->IsIconic(window));
  EXPECT_FALSE(backend->active());
  system->ShowWindow(window, sys::SW_SHOWNORMAL);
  EXPECT_TRUE(backend->active());
  system->ShowWindow(window, sys::SW_HIDE);
  EXPECT_FALSE(backend->active());
  backend->close();
  EXPECT_FALSE(backend->fullScreen());

  sys::POINT p;
  system->SetCursorPos(10, 20);
  ASSERT_TRUE(system->GetCursorPos(p));
  EXPECT_EQ(p.y, 20);
  EXPECT_EQ(system->MessageBox("Try to reset program?", "Fatal error", sys::MB_YESNO), sys::IDNO);
}

}  // namespace
