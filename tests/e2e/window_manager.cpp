#include "tests/e2e/window_manager.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "tests/e2e/child_process.h"

namespace e2e {

WindowManager::WindowManager(const std::string& display) {
  // Openbox runs its start-up command once it has taken the screen.
  const std::string ready = (std::filesystem::temp_directory_path() /
                             ("glint-wm-ready-" + std::to_string(getpid()) + display.substr(1)))
                                .string();
  std::filesystem::remove(ready);
  process_ = StartProgram({"openbox", "--startup", "touch " + ready}, display);
  running_ = process_ > 0 && AppearsWithin(ready, std::chrono::seconds(10));
  std::filesystem::remove(ready);
}

WindowManager::~WindowManager() {
  EndProgram(process_);
}

}  // namespace e2e
