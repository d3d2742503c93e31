#include "app/GameFolder.h"

#include <filesystem>

#include "app/Paths.h"
#include "platform/files.h"
#include "platform/os.h"

namespace {

// Without its data folder nothing of the game can be shown; a single file missing from it is
// for that file's loader to report.
bool HoldsGameFiles(const std::string& dir) {
  std::error_code error;
  return std::filesystem::is_directory(os::pathOf(files::resolve(dir, "data")), error);
}

}  // namespace

std::optional<std::string> FindGameDir(const std::string& given, std::string& error) {
  if (!given.empty()) {
    if (HoldsGameFiles(given)) return given;
    error = "the game folder " + given + " is missing or has no data folder";
    return std::nullopt;
  }
  const std::string programDir = ExecutableDir();
  // GLINT_INSTALLED_GAME_DIR is relative to the program's folder, so an installed tree still
  // works after being moved as a whole.
  const std::string installed =
      os::textOf((os::pathOf(programDir) / GLINT_INSTALLED_GAME_DIR).lexically_normal());
  for (const std::string& dir : {installed, programDir}) {
    if (HoldsGameFiles(dir)) return dir;
  }
  error = "no game files in " + installed + " nor in " + programDir +
          ": reinstall the game or name its folder with --game-dir";
  return std::nullopt;
}
