#include "tests/scenario/level_fixture.h"

#include <filesystem>

#include "tests/support/game_runner.h"

namespace testing_support {
namespace {

// A link to a file or folder of the built game; a copy where the system makes no links (Windows
// without the right to).
void LinkOrCopy(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::create_symlink(from, to, error);
  if (error) std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

}  // namespace

LevelCells Level(const std::vector<std::string>& rows) {
  LevelCells cells{};
  for (std::size_t r = 0; r < rows.size() && r < kLevelRows; ++r) {
    for (std::size_t c = 0; c < rows[r].size() && c < kLevelColumns; ++c) {
      const char cell = rows[r][c];
      cells[r * kLevelColumns + c] = cell == '#' ? 10 : cell == '.' ? 0 : cell - '0';
    }
  }
  return cells;
}

LevelCells WalledLevel() {
  std::vector<std::string> rows(16, ".........#");
  rows[0] = "";
  rows[4] = "...1......#";
  return Level(rows);
}

std::string GameDirWithLevels(const std::string& dir, const std::vector<LevelCells>& levels,
                              const std::string& levelFile) {
  namespace fs = std::filesystem;
  const fs::path game(GLINT_GAME_DIR);
  for (const auto& entry : fs::directory_iterator(game)) {
    if (entry.path().filename() == "data") continue;
    LinkOrCopy(entry.path(), fs::path(dir) / entry.path().filename());
  }
  fs::create_directories(fs::path(dir) / "data");
  for (const auto& entry : fs::directory_iterator(game / "data")) {
    if (entry.path().filename() == "Levels.dat") continue;
    LinkOrCopy(entry.path(), fs::path(dir) / "data" / entry.path().filename());
  }
  const std::vector<std::uint8_t> bytes = EncodeLevelFile(levels);
  if (!levelFile.empty()) {
    WriteFile(dir + "/data/Levels.dat", levelFile);
  } else if (!levels.empty()) {
    WriteFile(dir + "/data/Levels.dat", std::string(bytes.begin(), bytes.end()));
  }
  return dir;
}

}  // namespace testing_support
