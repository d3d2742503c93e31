// The display going away under a running game (the X server ends, the session is closed) ends
// the program within moments instead of leaving it spinning on the broken connection.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/e2e/child_process.h"
#include "tests/e2e/private_display.h"

namespace {

namespace fs = std::filesystem;

TEST(DisplayLost, TheGameEndsWhenItsXServerGoesAway) {
  e2e::PrivateDisplay display;
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";

  const fs::path user =
      fs::temp_directory_path() / ("glint-display-lost-" + std::to_string(getpid()));
  const pid_t game =
      e2e::StartProgram({GLINT_GAME_BINARY, "--user-dir", user.string()}, display.name());
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  int status = 0;
  ASSERT_EQ(waitpid(game, &status, WNOHANG), 0) << "the game ran in the private display";

  display.stop();
  EXPECT_TRUE(e2e::EndsWithin(game, std::chrono::seconds(10)));
  std::error_code ignored;
  fs::remove_all(user, ignored);
}

}  // namespace
