// The level set and the level tool: the shipped Levels.dat is the sources' grids, the set uses
// every cell code, and the compiler refuses each kind of broken level, naming file, row, column.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/assets/asset_bytes.h"

namespace asset_checks {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string output;  // stdout and stderr together
};

ToolRun runTool(const std::string& arguments) {
  const std::string command = std::string(GLINT_LEVELS_TOOL) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ToolRun run{-1, ""};
  if (!pipe) return run;
  std::array<char, 512> chunk{};
  while (fgets(chunk.data(), chunk.size(), pipe)) run.output += chunk.data();
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempDir {
 public:
  TempDir()
      : path_(fs::temp_directory_path() /
              ("glint_level_test_" + std::to_string(getpid()) + "_" + std::to_string(counter_++))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

// The 20 grid rows of a level text (the title line dropped).
std::vector<std::string> gridRows(const fs::path& file) {
  std::istringstream in(readText(file));
  std::vector<std::string> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line) && rows.size() < 20) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    rows.push_back(line);
  }
  return rows;
}

std::vector<fs::path> sourceLevels() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(GLINT_SOURCE_DIR) / "levels"))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Levels, ShippedFileDecompilesToTheSources) {
  TempDir out;
  ASSERT_EQ(
      runTool("decompile " + (gameDir() / "data/Levels.dat").string() + " " + out.path().string())
          .status,
      0);
  const std::vector<fs::path> sources = sourceLevels();
  ASSERT_GE(sources.size(), 30u);
  std::vector<fs::path> decompiled;
  for (const auto& entry : fs::directory_iterator(out.path())) decompiled.push_back(entry.path());
  std::sort(decompiled.begin(), decompiled.end());
  ASSERT_EQ(decompiled.size(), sources.size());
  std::set<char> codes;
  for (size_t i = 0; i < sources.size(); ++i) {
    const std::vector<std::string> rows = gridRows(sources[i]);
    EXPECT_EQ(gridRows(decompiled[i]), rows) << sources[i].filename();
    for (const std::string& row : rows) codes.insert(row.begin(), row.end());
  }
  EXPECT_EQ(codes, (std::set<char>{'.', '1', '2', '3', '4', '5', '6', '7', '8', '9', '#'}))
      << "every cell code 1-10 appears in the set";
}

TEST(Levels, DecompileThenCompileGivesTheSameBytes) {
  TempDir dir;
  const fs::path shipped = gameDir() / "data/Levels.dat";
  ASSERT_EQ(runTool("decompile " + shipped.string() + " " + (dir.path() / "text").string()).status,
            0);
  const ToolRun compile = runTool("compile " + (dir.path() / "text").string() + " " +
                                  (dir.path() / "again.dat").string());
  ASSERT_EQ(compile.status, 0) << compile.output;
  EXPECT_EQ(readBytes(dir.path() / "again.dat"), readBytes(shipped));
}

TEST(Levels, DecompileRefusesATruncatedFile) {
  TempDir dir;
  Bytes shipped = readBytes(gameDir() / "data/Levels.dat");
  ASSERT_GT(shipped.size(), 1604u);
  shipped.resize(1000);
  std::ofstream(dir.path() / "short.dat", std::ios::binary)
      .write(reinterpret_cast<const char*>(shipped.data()), static_cast<long>(shipped.size()));
  const ToolRun run = runTool("decompile " + (dir.path() / "short.dat").string() + " " +
                              (dir.path() / "out").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("short.dat"), std::string::npos) << run.output;
}

// A playable level: one row of one-hit bricks.
std::vector<std::string> goodRows() {
  std::vector<std::string> rows(20, std::string(20, '.'));
  rows[4] = "..1111111111111111..";
  return rows;
}

struct BrokenLevel {
  const char* what;
  std::vector<std::string> rows;
  const char* where;   // "ROW:COL:" the message must name
  const char* reason;  // a word of the reason
};

std::vector<BrokenLevel> brokenLevels() {
  auto with = [](int row, std::string text) {
    std::vector<std::string> rows = goodRows();
    rows[static_cast<size_t>(row - 1)] = std::move(text);
    return rows;
  };
  std::vector<std::string> shortLevel = goodRows();
  shortLevel.resize(19);
  std::vector<std::string> walled = goodRows();
  walled[2] = "........###.........";
  walled[3] = "........#2#.........";
  walled[4] = "..111111###111111...";
  std::vector<std::string> spawnerInCorner = goodRows();
  spawnerInCorner[1] = ".8..................";
  std::vector<std::string> empty(20, std::string(20, '.'));
  std::vector<std::string> metalOnly = empty;
  metalOnly[5] = "....########........";
  return {
      {"short row", with(6, "..1111"), "6:7:", "characters"},
      {"long row", with(6, std::string(21, '.')), "6:21:", "characters"},
      {"unknown character", with(7, "....x..............."), "7:5:", "unknown"},
      {"nineteen rows", shortLevel, "20:1:", "rows"},
      {"brick in row 1", with(1, "....1..............."), "1:5:", "row 1"},
      {"brick in the bat's zone", with(17, ".....2.............."), "17:6:", "bat"},
      {"brick in row 20", with(20, ".....#.............."), "20:6:", "bat"},
      {"brick behind the left wall", with(8, "3..................."), "8:1:", "wall"},
      {"brick behind the right wall", with(9, "...................4"), "9:20:", "wall"},
      {"no brick at all", empty, "0:0:", "counts"},
      {"only indestructible bricks", metalOnly, "0:0:", "counts"},
      {"brick walled in by metal", walled, "4:10:", "walled"},
      {"spawner filling cells behind the walls", spawnerInCorner, "2:2:", "spawner"},
  };
}

TEST(Levels, CompilerRefusesEachBrokenLevel) {
  for (const BrokenLevel& broken : brokenLevels()) {
    TempDir dir;
    {
      std::ofstream good(dir.path() / "level01.txt");
      good << "Fine\n";
      for (const std::string& row : goodRows()) good << row << "\n";
      std::ofstream bad(dir.path() / "level02.txt");
      bad << "Broken\n";
      for (const std::string& row : broken.rows) bad << row << "\n";
    }
    const fs::path out = dir.path() / "Levels.dat";
    const ToolRun run = runTool("compile " + dir.path().string() + " " + out.string());
    EXPECT_EQ(run.status, 1) << broken.what;
    EXPECT_FALSE(fs::exists(out)) << broken.what << ": nothing may be written";
    const std::string where = (dir.path() / "level02.txt").string() + ":" + broken.where;
    EXPECT_NE(run.output.find(where), std::string::npos)
        << broken.what << ": expected " << where << " in\n"
        << run.output;
    EXPECT_NE(run.output.find(broken.reason), std::string::npos) << broken.what << "\n"
                                                                 << run.output;
    EXPECT_EQ(run.output.find("level01.txt"), std::string::npos) << "the good level was blamed";
  }
}

TEST(Levels, CompilerWritesTheMaskedCells) {
  TempDir dir;
  {
    std::ofstream text(dir.path() / "a.txt");
    text << "One\r\n";  // Windows line ends are fine
    std::vector<std::string> rows = goodRows();
    rows[1] = "..........#.........";
    for (const std::string& row : rows) text << row << "\r\n";
  }
  const ToolRun run =
      runTool("compile " + dir.path().string() + " " + (dir.path() / "L.dat").string());
  ASSERT_EQ(run.status, 0) << run.output;
  const Bytes file = readBytes(dir.path() / "L.dat");
  ASSERT_EQ(file.size(), 4u + 1600u);
  EXPECT_EQ(u32At(file, 0), 1u);
  EXPECT_EQ(u32At(file, 4), 0x00C6C6C6u) << "an empty cell is the mask itself";
  EXPECT_EQ(u32At(file, 4 + 4 * (20 * 1 + 10)), 10u ^ 0x00C6C6C6u) << "row 2, column 11";
  EXPECT_EQ(u32At(file, 4 + 4 * (20 * 4 + 2)), 1u ^ 0x00C6C6C6u) << "row 5, column 3";
}

}  // namespace
}  // namespace asset_checks
