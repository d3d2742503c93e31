#include "app/Paths.h"

#include "platform/os.h"

std::string ExecutableDir() {
  const std::string executable = os::executablePath();
  return executable.empty() ? std::string(".") : os::textOf(os::pathOf(executable).parent_path());
}

std::string DefaultUserDir() {
  const std::string folder = os::userDataFolder("Glintbreaker");
  return folder.empty() ? std::string(".") : folder;
}
