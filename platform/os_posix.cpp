#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "platform/os.h"

namespace os {
namespace {

// All of the bytes, through short writes and interrupted calls.
bool writeWhole(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool syncFile(int fd) {
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// The rename lasts through a power cut only once the folder's entry is on disk too. This is
// done as well as the system allows: the file is already in place, so a folder that cannot be
// flushed is no failed write.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  syncFile(fd);
  ::close(fd);
}

}  // namespace

std::vector<std::string> arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::string executablePath() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.string();
}

std::string userDataFolder(const std::string& name) {
  std::string folder = name;
  for (char& c : folder) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] == '/') return std::string(dataHome) + "/" + folder;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/share/" + folder;
  return "";
}

std::tm localTime(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return local;
}

long processId() {
  return static_cast<long>(::getpid());
}

bool processRuns(long pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool createWrittenFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool written = writeWhole(fd, bytes) && syncFile(fd);
  // Linux releases the descriptor even when close is interrupted.
  const bool closed = ::close(fd) == 0 || errno == EINTR;
  if (written && closed) return true;
  const int reason = errno;
  ::unlink(path.c_str());
  errno = reason;
  return false;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  syncFolder(to.parent_path());
  return true;
}

bool openAddress(const std::string& address) {
  // Twice forked and waited for: the opener is adopted by init and never left a zombie, and
  // the address is one argument, never seen by a shell.
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    const pid_t opener = fork();
    if (opener == 0) {
      char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(address.c_str()),
                            nullptr};
      execvp(argv[0], argv);
      _exit(127);
    }
    _exit(opener < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

namespace {
void (*outsideHandler)(OutsideSignal) = nullptr;
void onSignal(int signal) {
  outsideHandler(signal == SIGUSR1 ? OutsideSignal::ComeBack : OutsideSignal::End);
}
}  // namespace

void catchOutsideSignals(void (*handler)(OutsideSignal)) {
  outsideHandler = handler;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGUSR1, &action, nullptr);
  sigaction(SIGUSR2, &action, nullptr);
}

void useLowestThreadPriority() {
  // Nice 19 for this thread alone (Linux gives each thread its own nice value). Idle scheduling
  // would give it no time at all while anything else wants the processor.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

std::string systemLocale() {
  return {};
}

void keepPictureMemoryAtHand() {
#ifdef __GLIBC__
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
  mallopt(M_TRIM_THRESHOLD, 8 << 20);
#endif
}

long residentMemoryKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

}  // namespace os
