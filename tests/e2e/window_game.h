// The built game played by a script in a real window: on a private X server, with SDL's silent
// audio driver, the pictures it shoots kept under the build folder for people to look at.
#pragma once

#include <string>

#include "tests/e2e/private_display.h"
#include "tests/support/game_runner.h"

namespace e2e {

// Runs the game with the script in the display, with the seed fixed; the built game folder unless
// another is given.
testing_support::GameRun PlayInWindow(const PrivateDisplay& display, const std::string& script,
                                      const std::string& userDir,
                                      const std::string& gameDir = GLINT_GAME_DIR);

// An empty folder for one test's pictures, <build>/e2e-shots/<name>; its path is printed.
std::string ShotsFolder(const std::string& name);

// The JSON text of the first member of that name in a dump line ("bat" gives its whole object,
// "balls" its whole list); empty when there is none.
std::string Member(const std::string& dump, const std::string& key);

}  // namespace e2e
