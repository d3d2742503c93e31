// The display going away under a running game (the X server ends, the session is closed) ends
// the program within moments instead of leaving it spinning on the broken connection.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/private_display.h"

namespace {

namespace fs = std::filesystem;

// Starts a program with these arguments and DISPLAY; -1 when it could not be started.
pid_t start(const std::vector<std::string>& arguments, const std::string& display) {
  const pid_t child = fork();
  if (child != 0) return child;
  setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

// True when the child ended within the time; it is killed otherwise.
bool endsWithin(pid_t child, std::chrono::milliseconds time) {
  const auto deadline = std::chrono::steady_clock::now() + time;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, &status, WNOHANG) == child) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(child, SIGKILL);
  waitpid(child, &status, 0);
  return false;
}

TEST(DisplayLost, TheGameEndsWhenItsXServerGoesAway) {
  e2e::PrivateDisplay display;
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";

  const fs::path user =
      fs::temp_directory_path() / ("glint-display-lost-" + std::to_string(getpid()));
  const pid_t game = start({GLINT_GAME_BINARY, "--user-dir", user.string()}, display.name());
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  int status = 0;
  ASSERT_EQ(waitpid(game, &status, WNOHANG), 0) << "the game ran in the private display";

  display.stop();
  EXPECT_TRUE(endsWithin(game, std::chrono::seconds(10)));
  std::error_code ignored;
  fs::remove_all(user, ignored);
}

}  // namespace
