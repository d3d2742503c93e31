// glint_levels compile LEVELS_DIR OUT_FILE          checks every LEVELS_DIR/*.txt (in name order)
//                                                   and writes the level file
// glint_levels decompile LEVELS_DAT OUT_DIR         writes OUT_DIR/levelNN.txt for each level
// glint_levels render LEVELS_DAT GAME_DIR OUT_DIR   draws OUT_DIR/levelNN.png for each level
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/levels/level_file.h"
#include "tools/levels/level_render.h"
#include "tools/levels/level_text.h"

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(path.string() + ": cannot open");
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int compile(const fs::path& levelsDir, const std::string& outFile) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(levelsDir))
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "%s: no level files (*.txt)\n", levelsDir.string().c_str());
    return 1;
  }
  std::vector<LevelCells> grids;
  size_t errorCount = 0;
  for (const fs::path& file : files) {
    const levels::ParsedLevel level = levels::parseLevel(file.string(), readText(file));
    for (const std::string& error : level.errors) std::fprintf(stderr, "%s\n", error.c_str());
    errorCount += level.errors.size();
    if (level.grid) grids.push_back(*level.grid);
  }
  if (errorCount > 0) {
    std::fprintf(stderr, "glint_levels: %zu error(s); %s not written\n", errorCount,
                 outFile.c_str());
    return 1;
  }
  levels::writeLevelFile(outFile, grids);
  return 0;
}

int decompile(const std::string& levelFile, const fs::path& outDir) {
  const std::vector<LevelCells> grids = levels::readLevelFile(levelFile);
  fs::create_directories(outDir);
  for (size_t i = 0; i < grids.size(); ++i) {
    for (size_t at = 0; at < grids[i].size(); ++at)
      if (grids[i][at] < 0 || grids[i][at] > levels::kIndestructible)
        std::fprintf(stderr,
                     "%s: level %zu, row %zu, column %zu: code %d has no character; "
                     "written as '.'\n",
                     levelFile.c_str(), i + 1, at / kLevelColumns + 1, at % kLevelColumns + 1,
                     grids[i][at]);
    const fs::path path = outDir / levels::levelFileName(i + 1, grids.size(), ".txt");
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << levels::formatLevel("Level " + std::to_string(i + 1), grids[i]);
    if (!file) throw std::runtime_error("cannot write " + path.string());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "compile" && argc == 4) return compile(argv[2], argv[3]);
    if (command == "decompile" && argc == 4) return decompile(argv[2], argv[3]);
    if (command == "render" && argc == 5) {
      levels::renderLevels(levels::readLevelFile(argv[2]), argv[3], argv[4]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "glint_levels: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: glint_levels compile LEVELS_DIR OUT_FILE\n"
               "       glint_levels decompile LEVELS_DAT OUT_DIR\n"
               "       glint_levels render LEVELS_DAT GAME_DIR OUT_DIR\n");
  return 2;
}
