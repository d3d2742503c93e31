#include "tests/safety/failing_data_folder.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace safety {
namespace fs = std::filesystem;
using testing_support::GameRun;
using testing_support::ReadFile;
using testing_support::RunScript;
using testing_support::WriteFile;

namespace {

// The child's exit status when this machine cannot give it a namespace or a file system.
constexpr int kUnavailable = 77;

std::string Failed(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

bool WriteProcFile(const std::string& path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

// A mount namespace whose mounts nobody outside sees; an ordinary user becomes root of a user
// namespace first, which is what allows mounting there.
std::string EnterOwnMountNamespace() {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (uid == 0) {
    if (unshare(CLONE_NEWNS) != 0) return Failed("a mount namespace");
  } else {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Failed("a user namespace");
    if (!WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      return "the user namespace's identity cannot be mapped";
    }
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return Failed("private mounts");
  }
  return "";
}

// Writes until the file system refuses: from then on no file there can grow.
void FillUp(const std::string& file) {
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const std::vector<char> block(4096, 'x');
  while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
  }
  close(fd);
}

std::string PrepareFolder(Failure failure, const std::string& data,
                          const std::map<std::string, std::string>& files) {
  fs::create_directories(data);
  if (mount("tmpfs", data.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
    return Failed("a small file system");
  }
  for (const auto& [name, bytes] : files) WriteFile(data + "/" + name, bytes);
  if (failure == Failure::DiskFull) {
    FillUp(data + "/" + kFiller);
  } else if (mount(nullptr, data.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
    return Failed("a read-only file system");
  }
  return "";
}

// The child's side: what it found goes to `report`, a folder outside the mounted file system,
// which is gone with the namespace.
int RunInNamespace(Failure failure, const std::map<std::string, std::string>& files,
                   const std::string& script, const std::string& userDir,
                   const std::vector<std::string>& extraArgs, const std::string& report) {
  std::string why = EnterOwnMountNamespace();
  const std::string data = userDir + "/data";
  if (why.empty()) why = PrepareFolder(failure, data, files);
  if (!why.empty()) {
    WriteFile(report + "/unavailable", why);
    return kUnavailable;
  }
  const GameRun run = RunScript(script, userDir, extraArgs);
  WriteFile(report + "/status", std::to_string(run.status));
  WriteFile(report + "/out", run.out);
  WriteFile(report + "/err", run.err);
  for (const auto& entry : fs::directory_iterator(data)) {
    WriteFile(report + "/data/" + entry.path().filename().string(), ReadFile(entry.path()));
  }
  return 0;
}

}  // namespace

FailingFolderRun RunWithFailingDataFolder(Failure failure,
                                          const std::map<std::string, std::string>& files,
                                          const std::string& script, const std::string& userDir,
                                          const std::vector<std::string>& extraArgs) {
  const std::string report = userDir + "/report";
  fs::create_directories(report + "/data");
  const pid_t child = fork();
  if (child == 0) {
    int status = 1;
    try {
      status = RunInNamespace(failure, files, script, userDir, extraArgs, report);
    } catch (...) {
    }
    _exit(status);
  }
  int status = 0;
  waitpid(child, &status, 0);

  FailingFolderRun run;
  if (WIFEXITED(status) && WEXITSTATUS(status) == kUnavailable) {
    run.unavailable = ReadFile(report + "/unavailable");
    return run;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    run.game.err = "the child process preparing the data folder failed";
    return run;
  }
  run.game.status = std::stoi(ReadFile(report + "/status"));
  run.game.out = ReadFile(report + "/out");
  run.game.err = ReadFile(report + "/err");
  for (const auto& entry : fs::directory_iterator(report + "/data")) {
    run.files[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return run;
}

}  // namespace safety
