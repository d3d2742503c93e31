#include "tests/e2e/window_game.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace e2e {

testing_support::GameRun PlayInWindow(const PrivateDisplay& display, const std::string& script,
                                      const std::string& userDir, const std::string& gameDir) {
  // The game inherits them: each test program runs its games one at a time.
  setenv("DISPLAY", display.name().c_str(), 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string scriptFile = userDir + "/window-script.txt";
  testing_support::WriteFile(scriptFile, script);
  return testing_support::RunGame(
      {"--script", scriptFile, "--user-dir", userDir, "--game-dir", gameDir, "--seed", "1"});
}

std::string ShotsFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(GLINT_SHOTS_DIR) / name;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder);
  std::printf("screenshots in %s\n", folder.c_str());
  return folder.string();
}

std::string Member(const std::string& dump, const std::string& key) {
  const std::string marker = "\"" + key + "\":";
  const std::size_t start = dump.find(marker);
  if (start == std::string::npos) return "";
  const std::size_t value = start + marker.size();
  // Up to the comma or bracket that closes the value at its own depth, outside strings.
  int depth = 0;
  bool inString = false;
  for (std::size_t i = value; i < dump.size(); ++i) {
    const char c = dump[i];
    if (inString) {
      if (c == '\\') ++i;
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      ++depth;
    } else if (c == '}' || c == ']' || c == ',') {
      if (depth == 0) return dump.substr(value, i - value);
      if (c != ',' && --depth == 0) return dump.substr(value, i + 1 - value);
    }
  }
  return dump.substr(value);
}

}  // namespace e2e
