// Starting the game and making temporary folders on Linux.
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "tests/support/game_runner.h"

namespace testing_support {
namespace {

std::string drain(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(fd);
  return text;
}

}  // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "glint-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

GameRun RunGame(const std::vector<std::string>& args) {
  // Standard error goes to a file so a chatty run can never fill a pipe nobody reads.
  int outPipe[2];
  if (pipe(outPipe) != 0) throw std::runtime_error("pipe failed");
  std::string errFile = (std::filesystem::temp_directory_path() / "glint-err-XXXXXX").string();
  const int errFd = mkstemp(errFile.data());
  if (errFd < 0) throw std::runtime_error("mkstemp failed");
  const pid_t child = fork();
  if (child == 0) {
    dup2(outPipe[1], 1);
    dup2(errFd, 2);
    close(outPipe[0]);
    std::vector<char*> argv;
    std::string binary = GLINT_GAME_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errFd);
  GameRun run;
  run.out = drain(outPipe[0]);
  int status = 0;
  waitpid(child, &status, 0);
  run.err = ReadFile(errFile);
  std::remove(errFile.c_str());
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace testing_support
#endif
