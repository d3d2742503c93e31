#include "tests/e2e/window_game.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace e2e {

testing_support::GameRun PlayInWindow(const PrivateDisplay& display, const std::string& script,
                                      const std::string& userDir, const std::string& gameDir,
                                      const std::vector<std::string>& extraArgs) {
  // The game inherits them: each test program runs its games one at a time.
  setenv("DISPLAY", display.name().c_str(), 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string scriptFile = userDir + "/window-script.txt";
  testing_support::WriteFile(scriptFile, script);
  std::vector<std::string> args{"--script",   scriptFile, "--user-dir", userDir,
                                "--game-dir", gameDir,    "--seed",     "1"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  return testing_support::RunGame(args);
}

std::string ShotsFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(GLINT_SHOTS_DIR) / name;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder);
  std::printf("screenshots in %s\n", folder.c_str());
  return folder.string();
}

std::string ShotPath(const std::string& folder, const std::string& name) {
  return folder + "/" + name + ".png";
}

std::string ShotCommand(const std::string& folder, const std::string& name) {
  return "shot " + ShotPath(folder, name) + "\n";
}

Shot LoadShot(const std::string& path) {
  std::string error;
  Shot shot = Shot::Load(path, error);
  EXPECT_FALSE(shot.empty()) << path << ": " << error;
  return shot;
}

}  // namespace e2e
