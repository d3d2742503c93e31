#include "tests/support/game_runner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {
std::vector<std::string> GameRun::Dumps() const {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] == '{') lines.push_back(line);
  }
  return lines;
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) {
  return std::filesystem::exists(path);
}

GameRun RunScript(const std::string& script, const std::string& userDir,
                  const std::vector<std::string>& extraArgs) {
  const std::string scriptFile = userDir + "/test-script.txt";
  WriteFile(scriptFile, script);
  std::vector<std::string> args = {"--headless", "--script",     scriptFile, "--user-dir", userDir,
                                   "--game-dir", GLINT_GAME_DIR, "--seed",   "1"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  return RunGame(args);
}

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

double Field(const std::string& dump, const std::string& key) {
  const std::string marker = "\"" + key + "\":";
  const auto at = dump.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(dump.c_str() + at + marker.size(), nullptr);
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

std::string PointerAt(int x, int y) {
  char line[64];
  std::snprintf(line, sizeof line, "mouse %.6f %.6f\n", (x + 0.5) / 800, (y + 0.5) / 600);
  return line;
}

void RunStories(const std::vector<Story>& stories, const std::string& settings) {
  for (const Story& story : stories) {
    SCOPED_TRACE(story.name);
    TempDir user;
    if (!settings.empty()) WriteFile(user.file("data/settings.dat"), settings);
    const GameRun run = RunScript(story.script, user.path());
    EXPECT_EQ(run.status, 0) << run.err;
  }
}

}  // namespace testing_support
