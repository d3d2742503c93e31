// Runs the headless game with its per-user "data" folder on a small file system of its own that
// is full or read-only. The file system is mounted in a mount namespace of a child process, so a
// failed write is real whoever runs the test: permissions do not stop root, a full or read-only
// file system stops everyone. An ordinary user gets the namespace inside a user namespace.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/game_runner.h"

namespace safety {

enum class Failure { DiskFull, ReadOnly };

struct FailingFolderRun {
  std::string unavailable;  // why no such folder could be made here; empty when the game ran
  testing_support::GameRun game;
  std::map<std::string, std::string> files;  // the data folder after the run: name, bytes
};

// The file that fills the full folder.
inline constexpr const char* kFiller = "filler";

// The data folder under userDir first holds `files`; then it is filled up (with kFiller) or made
// read-only, and the script runs as RunScript(script, userDir, extraArgs) does.
FailingFolderRun RunWithFailingDataFolder(Failure failure,
                                          const std::map<std::string, std::string>& files,
                                          const std::string& script, const std::string& userDir,
                                          const std::vector<std::string>& extraArgs = {});

}  // namespace safety
