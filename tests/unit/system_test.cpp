// The operating-system layer's common half on the headless platform: the queue, outside
// signals, link files, and the main loop's minimise manoeuvre.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/MLCore.h"
#include "platform/files.h"
#include "runtime/clock.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"

namespace {

std::vector<sys::MSG> received;

sys::LRESULT Record(sys::HWND window, sys::UINT message, sys::WPARAM wParam, sys::LPARAM lParam) {
  received.push_back({window, message, wParam, lParam});
  return sys::system().DefWindowProc(window, message, wParam, lParam);
}

class SystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::setClock(std::make_unique<rt::VirtualClock>());
    sys::setSystem(sys::makeHeadlessSystem());
    received.clear();
    ASSERT_TRUE(sys::system().RegisterClass("Test", Record));
    window_ =
        sys::system().CreateWindowEx("Test", "Glintbreaker", sys::WS_GAME_WINDOW, 0, 0, 800, 624);
    ASSERT_NE(window_, 0u);
  }
  sys::HWND window_ = 0;
};

// Windows has no outside signals.
#ifndef _WIN32
TEST_F(SystemTest, OutsideSignalsArriveAsHotKeys200And201) {
  std::raise(SIGUSR1);
  std::raise(SIGUSR2);
  sys::MSG message;
  ASSERT_TRUE(sys::system().PeekMessage(message));
  EXPECT_EQ(message.message, sys::WM_HOTKEY);
  EXPECT_EQ(message.wParam, 200u);
  ASSERT_TRUE(sys::system().PeekMessage(message));
  EXPECT_EQ(message.wParam, 201u);
  EXPECT_FALSE(sys::system().PeekMessage(message));
}
#endif

TEST_F(SystemTest, BlockingGetEndsOnQuitAndFailsForAMissingWindow) {
  sys::System& system = sys::system();
  system.PostMessage(window_, sys::WM_PAINT, 0, 0);
  system.PostQuitMessage(0);
  sys::MSG message;
  EXPECT_EQ(system.GetMessage(message, window_), 1);
  EXPECT_EQ(message.message, sys::WM_PAINT);
  EXPECT_EQ(system.GetMessage(message, window_), 0);
  EXPECT_EQ(system.GetMessage(message, window_ + 100), -1);
}

TEST_F(SystemTest, DefaultProcessingMinimisesAndCloses) {
  sys::System& system = sys::system();
  system.SendMessage(window_, sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
  EXPECT_TRUE(system.IsIconic(window_));
  EXPECT_EQ(system.FindWindow("Glintbreaker"), window_);
  system.SendMessage(window_, sys::WM_CLOSE, 0, 0);
  EXPECT_EQ(system.FindWindow("Glintbreaker"), 0u);
}

TEST_F(SystemTest, FocusFollowsApplicationActivationAndTheWindowsState) {
  sys::System& system = sys::system();
  sys::MSG message;
  const struct {
    const char* step;
    std::function<void()> action;
    bool focused;
  } steps[] = {
      {"created, not yet shown", [] {}, false},
      {"shown", [&] { system.ShowWindow(window_, sys::SW_SHOWNORMAL); }, true},
      {"deactivation posted, not yet dispatched",
       [&] { system.PostMessage(window_, sys::WM_ACTIVATEAPP, 0, 0); }, true},
      {"deactivation dispatched",
       [&] {
         ASSERT_TRUE(system.PeekMessage(message));
         system.DispatchMessage(message);
       },
       false},
      {"shown again while another program is active",
       [&] { system.ShowWindow(window_, sys::SW_SHOWNORMAL); }, false},
      {"activated", [&] { system.SendMessage(window_, sys::WM_ACTIVATEAPP, 1, 0); }, true},
      {"minimised", [&] { system.ShowWindow(window_, sys::SW_MINIMIZE); }, false},
      {"restored", [&] { system.ShowWindow(window_, sys::SW_SHOWNORMAL); }, true},
      {"hidden", [&] { system.ShowWindow(window_, sys::SW_HIDE); }, false},
  };
  for (const auto& step : steps) {
    step.action();
    EXPECT_EQ(system.HasFocus(window_), step.focused) << step.step;
  }
  EXPECT_FALSE(system.HasFocus(window_ + 100)) << "no such window";
}

TEST_F(SystemTest, LinkFilesAreOpenedByTheirAddressOnlyWhenItIsSafe) {
  const auto dir = std::filesystem::temp_directory_path() / "glint_links_test";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "moregames.url")
      << "[InternetShortcut]\r\nURL=http://127.0.0.1:8642/more\r\n";
  std::ofstream(dir / "evil.url") << "[InternetShortcut]\r\nURL=file:///etc/passwd\r\n";
  files::setGameDir(dir.string());
  EXPECT_TRUE(sys::system().ShellOpen("moregames.url"));
  EXPECT_FALSE(sys::system().ShellOpen("evil.url"));
  EXPECT_FALSE(sys::system().ShellOpen("missing.url"));
  EXPECT_TRUE(sys::system().ShellOpen("https://127.0.0.1:8642/cgi/version.pl?prg=Glintbreaker"));
  EXPECT_FALSE(sys::system().ShellOpen("/bin/sh"));
  std::filesystem::remove_all(dir);
}

TEST(MinimizeGameWindow, InAWindowItOnlyMinimisesInFullScreenTheEngineCloses) {
  rt::setClock(std::make_unique<rt::VirtualClock>());
  sys::setSystem(sys::makeHeadlessSystem());
  sys::System& system = sys::system();
  system.RegisterClass("Game", CoreWindowProc);
  const sys::HWND window =
      system.CreateWindowEx("Game", kGameTitle, sys::WS_GAME_WINDOW, 0, 0, 800, 624);
  system.ShowWindow(window, sys::SW_SHOWNORMAL);

  TProgram program(TSettings{}, TRecordsTable::Defaults());
  program.Settings.Windowed = 1;
  program.MinimizeGameWindow();
  EXPECT_TRUE(system.IsIconic(window));
  EXPECT_EQ(program.RestartRequested, 0);
  EXPECT_FALSE(program.RestoreOnActivate);

  system.ShowWindow(window, sys::SW_SHOWNORMAL);
  program.Settings.Windowed = 0;
  program.MinimizeGameWindow();
  EXPECT_TRUE(system.IsIconic(window));
  EXPECT_EQ(program.RestartRequested, -1);
  EXPECT_TRUE(program.RestoreOnActivate);
}

}  // namespace
