#include "tests/e2e/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace e2e {

pid_t StartProgram(const std::vector<std::string>& arguments, const std::string& display) {
  const pid_t child = fork();
  if (child != 0) return child;
  setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

bool EndsWithin(pid_t child, std::chrono::milliseconds time) {
  const auto deadline = std::chrono::steady_clock::now() + time;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, &status, WNOHANG) == child) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(child, SIGKILL);
  waitpid(child, &status, 0);
  return false;
}

void EndProgram(pid_t child) {
  if (child <= 0) return;
  kill(child, SIGTERM);
  EndsWithin(child, std::chrono::seconds(5));
}

bool AppearsWithin(const std::string& file, std::chrono::milliseconds time) {
  const auto deadline = std::chrono::steady_clock::now() + time;
  while (!std::filesystem::exists(file)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace e2e
