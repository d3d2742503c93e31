// The built game played by a script in a real window: on a private X server, with SDL's silent
// audio driver, the pictures it shoots kept under the build folder for people to look at.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/private_display.h"
#include "tests/e2e/shot_image.h"
#include "tests/support/game_runner.h"

namespace e2e {

// Runs the game with the script in the display, with the seed fixed (and `extraArgs`); the built
// game folder unless another is given.
testing_support::GameRun PlayInWindow(const PrivateDisplay& display, const std::string& script,
                                      const std::string& userDir,
                                      const std::string& gameDir = GLINT_GAME_DIR,
                                      const std::vector<std::string>& extraArgs = {});

// An empty folder for one test's pictures, <build>/e2e-shots/<name>; its path is printed.
std::string ShotsFolder(const std::string& name);

// <folder>/<name>.png, and the script command that shoots the window to it.
std::string ShotPath(const std::string& folder, const std::string& name);
std::string ShotCommand(const std::string& folder, const std::string& name);

// The picture a script shot; a test failure, and an empty shot, when it cannot be read.
Shot LoadShot(const std::string& path);

}  // namespace e2e
